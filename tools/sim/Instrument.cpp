#include "Instrument.h"

#include "RecordGenerator.h"

#include "core/FrameEncoder.h"
#include "core/LoadedFile.h"

#include <QStringList>

using namespace quillon;

namespace sim
{

namespace
{
// Sending a memory takes the operator a key press: two sends never follow closer than this.
constexpr std::chrono::milliseconds kSendSpacing{50};
} // namespace

Instrument::Instrument(const SimOptions& options) : m_options(options) {}

std::optional<Instrument> Instrument::create(const SimOptions& options, QString* error)
{
    Instrument instrument(options);
    if (!options.bank.isEmpty()) {
        auto contents = std::make_unique<BankFileContents>();
        if (const auto failure = readBankFile(options.bank, *contents)) {
            *error = briefText(*failure);
            return std::nullopt;
        }
        instrument.m_bank = std::make_shared<const Bank>(contents->bank);
    }
    return instrument;
}

Record Instrument::recordOf(int memory) const
{
    if (m_bank && memory >= 1 && memory <= kMemoryCount)
        return (*m_bank)[memory - 1];
    return RecordGenerator::generate(memory);
}

QByteArray Instrument::frameOf(Record record) const
{
    FrameExtras extras;
    extras.gap = QByteArray(m_options.gap, char(0x20));
    if (m_options.data255) {
        record = withData255(record);
        extras.partAFirst = 255;
        extras.partALast = 255;
    }
    return encodeFrame(record, extras);
}

Record Instrument::withData255(Record record)
{
    // A saturated sample, a DAC amplitude and the last note character.
    record[60] = 255;
    record[kDacFirst + 3] = 255;
    record[kNoteFirst + kNoteLines * kNoteLength - 1] = 255;
    return record;
}

QByteArray Instrument::noise(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    std::uniform_int_distribution<int> value(0, 254);
    for (char& b : bytes)
        b = char(value(m_random));
    return bytes;
}

QList<Instrument::Transmission> Instrument::received(QByteArrayView bytes,
                                                     QList<QByteArray>* commands)
{
    QList<CommandParser::Event> events;
    const QList<QByteArray> complete = m_parser.feed(bytes, events);
    if (commands)
        commands->append(complete);

    QList<Transmission> out;
    for (const CommandParser::Event& e : events) {
        if (e.kind == CommandParser::Event::Kind::Release)
            continue;
        const int requested = e.memory;
        if (m_options.noReply.contains(requested))
            continue;
        const int memory = m_options.replyAs.value(requested, requested);
        QByteArray frame = frameOf(recordOf(memory));
        if (m_options.cut.contains(memory))
            frame.truncate(m_options.cut.value(memory));
        const QByteArray bytes = noise(m_options.noise) + frame;
        out.append({bytes, std::chrono::milliseconds(m_options.replyDelayMs),
                    QStringLiteral("request %1: memory %2, %3 bytes")
                        .arg(requested)
                        .arg(memory)
                        .arg(bytes.size())});
    }
    return out;
}

QList<Instrument::Transmission> Instrument::control(const QString& line, QString* error)
{
    const QStringList words = line.simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    auto number = [](const QString& text, int* out) {
        bool ok = false;
        *out = text.toInt(&ok);
        return ok && *out >= 0;
    };
    if (words[0] == u"noise" && words.size() == 2) {
        int count = 0;
        if (!number(words[1], &count)) {
            *error = QStringLiteral("noise needs a count");
            return {};
        }
        return {{noise(count), {}, QStringLiteral("%1 noise bytes").arg(count)}};
    }
    int memory = 0;
    if (words[0] != u"send" || words.size() < 2 || !number(words[1], &memory) || memory < 1 ||
        memory > kMemoryCount) {
        *error = QStringLiteral("not understood: ") + line;
        return {};
    }
    Record record = recordOf(memory);
    int cut = m_options.cut.value(memory, -1);
    int pauseAfter = -1;
    int pauseMs = 0;
    int noiseCount = m_options.noise;
    int tail = 0;
    for (qsizetype i = 2; i < words.size(); ++i) {
        const QString& w = words[i];
        const bool more = i + 1 < words.size();
        if (w == u"number" && more) {
            RecordGenerator::setMemoryNumberText(record, words[++i]);
        } else if (w == u"cut" && more && number(words[i + 1], &cut)) {
            ++i;
        } else if (w == u"noise" && more && number(words[i + 1], &noiseCount)) {
            ++i;
        } else if (w == u"tail" && more && number(words[i + 1], &tail)) {
            ++i;
        } else if (w == u"pause" && i + 2 < words.size() && number(words[i + 1], &pauseAfter) &&
                   number(words[i + 2], &pauseMs)) {
            i += 2;
        } else {
            *error = QStringLiteral("not understood: ") + line;
            return {};
        }
    }
    QByteArray frame = frameOf(record);
    if (cut >= 0)
        frame.truncate(cut);
    // The start of the next memory's frame, written together with this one.
    const QByteArray next =
        tail > 0 ? frameOf(recordOf(memory % kMemoryCount + 1)).left(tail) : QByteArray();
    const QByteArray bytes = noise(noiseCount) + frame + next;
    const QString note = QStringLiteral("send %1: %2 bytes").arg(memory).arg(bytes.size());
    if (pauseAfter >= 0 && pauseAfter < bytes.size())
        return {{bytes.left(pauseAfter), kSendSpacing, note},
                {bytes.mid(pauseAfter), std::chrono::milliseconds(pauseMs),
                 QStringLiteral("... the rest after %1 ms").arg(pauseMs)}};
    return {{bytes, kSendSpacing, note}};
}

QList<Instrument::Transmission> Instrument::sendNext()
{
    if (m_options.sendList.isEmpty())
        return {};
    const int memory = m_options.sendList[m_nextSend % m_options.sendList.size()];
    ++m_nextSend;
    QString error;
    return control(QStringLiteral("send %1").arg(memory), &error);
}

} // namespace sim
