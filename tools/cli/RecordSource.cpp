#include "RecordSource.h"

#include "CliCommand.h"
#include "CliFiles.h"
#include "core/BankFile.h"
#include "core/FrameDecoder.h"
#include "core/WaveformFile.h"

#include <memory>

namespace quillon::cli
{

bool RecordSource::parse(QStringList& args, RecordSource& source, QString* error)
{
    QString frame, awv, bank, memory;
    if (!takeOption(args, QStringLiteral("--frame"), &frame, error) ||
        !takeOption(args, QStringLiteral("--awv"), &awv, error) ||
        !takeOption(args, QStringLiteral("--bank"), &bank, error) ||
        !takeOption(args, QStringLiteral("--memory"), &memory, error))
        return false;
    const int given = int(!frame.isEmpty()) + int(!awv.isEmpty()) + int(!bank.isEmpty());
    if (given > 1) {
        *error = QStringLiteral("give one of --frame, --awv and --bank");
        return false;
    }
    if (!memory.isEmpty() && bank.isEmpty()) {
        *error = QStringLiteral("--memory goes with --bank");
        return false;
    }
    if (!frame.isEmpty()) {
        source.kind = Kind::Frame;
        source.file = frame;
    } else if (!awv.isEmpty()) {
        source.kind = Kind::Waveform;
        source.file = awv;
    } else if (!bank.isEmpty()) {
        bool ok = false;
        source.memory = memory.toInt(&ok);
        if (!ok || source.memory < 1 || source.memory > kMemoryCount) {
            *error = QStringLiteral("--bank needs --memory N with N from 1 to 200");
            return false;
        }
        source.kind = Kind::Bank;
        source.file = bank;
    }
    return true;
}

int RecordSource::load(Record& record) const
{
    record.fill(0);
    if (kind == Kind::Bank) {
        const auto contents = readBankFile(file);
        if (!contents)
            return BadInput;
        std::copy_n(contents->bank[memory - 1].begin(), kRecordLength, record.begin());
        return Success;
    }
    QByteArray bytes;
    if (!readInputFile(file, bytes))
        return BadInput;
    switch (kind) {
    case Kind::Frame: {
        FrameDecoder decoder;
        bool complete = false;
        decoder.feed(bytes, &complete);
        if (!complete) {
            err(file + QStringLiteral(": no complete frame in %1 bytes").arg(bytes.size()));
            return BadInput;
        }
        RawFrame raw{};
        copyFrameInto(decoder.frame(), raw);
        applyFrame(raw, record);
        return Success;
    }
    case Kind::Waveform: {
        RawFrame raw{};
        QString problem;
        if (!readWaveform(bytes, raw, &problem)) {
            err(file + QStringLiteral(": ") + problem);
            return BadInput;
        }
        get_data(raw, record);
        return Success;
    }
    case Kind::Bank: // read above
    case Kind::None:
        break;
    }
    err(QStringLiteral("no record source given"));
    return Usage;
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
