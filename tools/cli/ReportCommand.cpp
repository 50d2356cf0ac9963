// quillon-cli report: the printed test report as a PDF, one page per memory.

#include "CliCommand.h"
#include "CliFiles.h"
#include "CommandLine.h"
#include "Commands.h"
#include "core/DisplaySnapshot.h"
#include "core/MemoryListParser.h"
#include "RecordSource.h"
#include "report/ReportPrinter.h"

namespace quillon::cli
{

namespace
{

// The snapshots of the listed memories of a bank file ("all": the marked ones), ascending.
int bankSnapshots(const QString& bankFile, const QString& list,
                  std::vector<DisplaySnapshot>& snapshots)
{
    QList<int> memories;
    QString problem;
    bool all = false;
    if (!parseMemoryList(list, memories, &problem, &all))
        return fail(Usage, QStringLiteral("--memories: ") + problem);
    const auto contents = readBankInput(bankFile);
    if (!contents)
        return BadInput;
    if (all) {
        for (int m = 1; m <= kMemoryCount; ++m)
            if (contents->marks[m - 1])
                memories.append(m);
        if (memories.isEmpty())
            return fail(BadInput, bankFile + QStringLiteral(": no memory holds a record"));
    }
    for (int m : memories) {
        Record record{};
        std::copy_n(contents->bank[m - 1].begin(), kRecordLength, record.begin());
        snapshots.push_back(snapshotOf(record));
    }
    return Success;
}

} // namespace

int runReport(const QStringList& args, const QString& usage)
{
    const QString bankOption = QStringLiteral("--bank");
    CommandLine line(
        RecordSource::options() << QStringLiteral("-o") << QStringLiteral("--memories"), args);
    const QString missing = line.missingValue();
    if (missing == QLatin1String("-o") || missing == QLatin1String("--memories"))
        return fail(Usage, missing + QStringLiteral(" needs a value"));
    const QString output = line.value(QStringLiteral("-o"));
    const QString memories = line.value(QStringLiteral("--memories"));
    // With --memories the bank is the report's own option, and no other source may be given.
    QStringList rest = line.rest();
    QString bank;
    RecordSource source;
    if (!memories.isEmpty()) {
        if (missing == bankOption)
            return fail(Usage, bankOption + QStringLiteral(" needs a value"));
        bank = line.value(bankOption);
        if (bank.isEmpty() || line.isSet(QStringLiteral("--memory")))
            return fail(Usage, QStringLiteral("--memories goes with --bank and without --memory"));
        for (const QString& other : {QStringLiteral("--frame"), QStringLiteral("--awv")})
            if (line.isSet(other))
                rest.append(other);
    } else if (const QString error = source.parse(line); !error.isEmpty()) {
        return fail(Usage, error);
    }
    if (output.isEmpty() || !rest.isEmpty() ||
        (memories.isEmpty() && source.kind == RecordSource::Kind::None))
        return fail(Usage, QStringLiteral("usage: quillon-cli ") + usage);

    std::vector<DisplaySnapshot> snapshots;
    if (!memories.isEmpty()) {
        if (const int status = bankSnapshots(bank, memories, snapshots); status != Success)
            return status;
    } else {
        Record record{};
        if (const int status = source.load(record); status != Success)
            return status;
        snapshots.push_back(snapshotOf(record));
    }

    const ReportOutcome outcome = ReportPrinter::writePdf(output, snapshots);
    if (!outcome.ok())
        return fail(DeviceFailure, output + QStringLiteral(": ") + reportErrorText(outcome.error));
    return Success;
}

} // namespace quillon::cli
