#include "RecordSource.h"

#include "CliCommand.h"
#include "CliFiles.h"
#include "core/FrameDecoder.h"
#include "core/LoadedFile.h"
#include "core/WaveformFile.h"

namespace quillon::cli
{

QStringList RecordSource::options()
{
    return {QStringLiteral("--frame"), QStringLiteral("--awv"), QStringLiteral("--bank"),
            QStringLiteral("--memory")};
}

QString RecordSource::parse(const CommandLine& line)
{
    if (options().contains(line.missingValue()))
        return line.missingValue() + QStringLiteral(" needs a value");
    const QString frame = line.value(QStringLiteral("--frame"));
    const QString awv = line.value(QStringLiteral("--awv"));
    const QString bank = line.value(QStringLiteral("--bank"));
    const QString memoryText = line.value(QStringLiteral("--memory"));
    const int given = int(!frame.isEmpty()) + int(!awv.isEmpty()) + int(!bank.isEmpty());
    if (given > 1)
        return QStringLiteral("give one of --frame, --awv and --bank");
    if (!memoryText.isEmpty() && bank.isEmpty())
        return QStringLiteral("--memory goes with --bank");
    if (!frame.isEmpty()) {
        kind = Kind::Frame;
        file = frame;
    } else if (!awv.isEmpty()) {
        kind = Kind::Waveform;
        file = awv;
    } else if (!bank.isEmpty()) {
        bool ok = false;
        memory = memoryText.toInt(&ok);
        if (!ok || !isStorableMemory(memory))
            return QStringLiteral("--bank needs --memory N with N from 1 to 200");
        kind = Kind::Bank;
        file = bank;
    }
    return QString();
}

int RecordSource::load(Record& record) const
{
    record.fill(0);
    switch (kind) {
    case Kind::Bank: {
        const auto contents = readBankInput(file);
        if (!contents)
            return BadInput;
        std::copy_n(contents->bank[memory - 1].begin(), kRecordLength, record.begin());
        return Success;
    }
    case Kind::Frame: {
        InputFile input;
        FrameDecoder decoder;
        bool complete = false;
        if (!openInput(input, file) || !decodeFrames(input, decoder, [&complete] {
                complete = true;
                return false;
            }))
            return BadInput;
        if (!complete)
            return fail(
                BadInput,
                file + QStringLiteral(": no complete frame in %1 bytes").arg(input.position()));
        RawFrame raw{};
        copyFrameInto(decoder.frame(), raw);
        applyFrame(raw, record);
        return Success;
    }
    case Kind::Waveform: {
        QByteArray bytes;
        if (const auto failure = readWaveformFile(file, bytes))
            return fail(BadInput, briefText(*failure));
        RawFrame raw{};
        readWaveform(bytes, raw, nullptr);
        get_data(raw, record);
        return Success;
    }
    case Kind::None:
        break;
    }
    return fail(Usage, QStringLiteral("no record source given"));
}

int RecordSource::loadFor(const QString& usage, const QStringList& rest, Record& record,
                          const QString& problem) const
{
    if (kind == Kind::None)
        return usageError(usage, QStringLiteral("no record source given"));
    if (!problem.isEmpty())
        return usageError(usage, problem);
    if (!rest.isEmpty())
        return usageError(usage, QStringLiteral("unexpected argument ") + rest.first());
    return load(record);
}

} // namespace quillon::cli
