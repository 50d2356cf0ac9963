#include "CommandParser.h"

namespace sim
{

QList<QByteArray> CommandParser::feed(QByteArrayView bytes, QList<Event>& events)
{
    QList<QByteArray> commands;
    m_pending.append(bytes);
    while (m_pending.size() >= kCommandLength) {
        const QByteArray raw = m_pending.left(kCommandLength);
        m_pending.remove(0, kCommandLength);
        commands.append(raw);
        command(raw[0], events);
    }
    return commands;
}

void CommandParser::command(char code, QList<Event>& events)
{
    switch (m_step) {
    case Step::Idle:
        if (code == 'R')
            m_step = Step::AfterR;
        return;
    case Step::AfterR:
        if (code == 'A') {
            m_step = Step::Digits;
            m_digits = 0;
            m_memory = 0;
        } else if (code == 'F') {
            events.append({Event::Kind::Release, 0});
            m_step = Step::Idle;
        } else {
            m_step = code == 'R' ? Step::AfterR : Step::Idle;
        }
        return;
    case Step::Digits:
        if (code < '0' || code > '9') {
            m_step = code == 'R' ? Step::AfterR : Step::Idle;
            return;
        }
        m_memory = m_memory * 10 + (code - '0');
        if (++m_digits == 3) {
            events.append({Event::Kind::Request, m_memory});
            m_step = Step::Idle;
        }
        return;
    }
}

} // namespace sim
