#include "PacedWriter.h"

#include <algorithm>

namespace sim
{

PacedWriter::Nanoseconds PacedWriter::byteDeadline(Nanoseconds start, qint64 index, bool paced)
{
    if (!paced)
        return start;
    return start + Nanoseconds((index + 1) * 1'000'000'000LL / kBytesPerSecond);
}

void PacedWriter::beginRun(Nanoseconds from, Nanoseconds pause)
{
    m_runStart = from + pause;
    m_runSent = 0;
}

void PacedWriter::enqueue(const QByteArray& bytes, Nanoseconds pause, Nanoseconds now)
{
    if (bytes.isEmpty())
        return;
    // An idle line starts a new run; m_offset is 0 since the last segment was taken whole.
    if (m_queue.empty())
        beginRun(std::max(now, m_lastDeadline), pause);
    m_queue.push_back({bytes, pause});
}

PacedWriter::Nanoseconds PacedWriter::nextDeadline() const
{
    return byteDeadline(m_runStart, m_runSent, m_paced);
}

QByteArray PacedWriter::takeDue(Nanoseconds now, int* finished)
{
    if (finished)
        *finished = 0;
    QByteArray out;
    while (!m_queue.empty()) {
        const Nanoseconds due = nextDeadline();
        if (due > now)
            break;
        Segment& front = m_queue.front();
        out.append(front.bytes[m_offset++]);
        ++m_runSent;
        m_lastDeadline = due;
        if (m_offset < front.bytes.size())
            continue;
        // The segment is done: the next one continues the run, or starts a new one after its
        // pause.
        m_queue.pop_front();
        m_offset = 0;
        if (finished)
            ++*finished;
        if (!m_queue.empty() && m_queue.front().pause.count() > 0)
            beginRun(m_lastDeadline, m_queue.front().pause);
    }
    return out;
}

} // namespace sim
