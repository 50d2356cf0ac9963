// quillon-cli report: the printed test report as a PDF, one page per memory.

#include "CliCommand.h"
#include "CliFiles.h"
#include "core/BankFile.h"
#include "core/DisplaySnapshot.h"
#include "MemoryList.h"
#include "RecordSource.h"
#include "report/ReportPrinter.h"

namespace quillon::cli
{

namespace
{

bool takeValue(QStringList& args, const QString& name, QString& value, QString& error)
{
    const qsizetype i = args.indexOf(name);
    if (i < 0)
        return true;
    if (i + 1 >= args.size()) {
        error = name + QStringLiteral(" needs a value");
        return false;
    }
    value = args.at(i + 1);
    args.remove(i, 2);
    return true;
}

// The snapshots of the listed memories of a bank file ("all": the marked ones), ascending.
int bankSnapshots(const QString& bankFile, const QString& list,
                  std::vector<DisplaySnapshot>& snapshots)
{
    QList<int> memories;
    QString problem;
    if (list != QLatin1String("all") && !parseMemoryList(list, memories, &problem)) {
        err(QStringLiteral("--memories: ") + problem);
        return Usage;
    }
    const auto contents = readBankFile(bankFile);
    if (!contents)
        return BadInput;
    if (list == QLatin1String("all")) {
        for (int m = 1; m <= kMemoryCount; ++m)
            if (contents->marks[m - 1])
                memories.append(m);
        if (memories.isEmpty()) {
            err(bankFile + QStringLiteral(": no memory holds a record"));
            return BadInput;
        }
    }
    for (int m : memories) {
        Record record{};
        std::copy_n(contents->bank[m - 1].begin(), kRecordLength, record.begin());
        snapshots.push_back(snapshotOf(record));
    }
    return Success;
}

int runReport(const QStringList& arguments)
{
    QStringList args = arguments;
    QString output, memories, bank, error;
    if (!takeValue(args, QStringLiteral("-o"), output, error) ||
        !takeValue(args, QStringLiteral("--memories"), memories, error)) {
        err(error);
        return Usage;
    }
    if (!memories.isEmpty() && !takeValue(args, QStringLiteral("--bank"), bank, error)) {
        err(error);
        return Usage;
    }
    if (!memories.isEmpty() && (bank.isEmpty() || args.contains(QStringLiteral("--memory")))) {
        err(QStringLiteral("--memories goes with --bank and without --memory"));
        return Usage;
    }
    RecordSource source;
    if (memories.isEmpty() && !RecordSource::parse(args, source, &error)) {
        err(error);
        return Usage;
    }
    if (output.isEmpty() || !args.isEmpty() ||
        (memories.isEmpty() && source.kind == RecordSource::Kind::None)) {
        err(QStringLiteral("usage: quillon-cli report (SOURCE | --bank FILE --memories LIST|all) "
                           "-o OUT.pdf"));
        return Usage;
    }

    std::vector<DisplaySnapshot> snapshots;
    if (!memories.isEmpty()) {
        const int status = bankSnapshots(bank, memories, snapshots);
        if (status != Success)
            return status;
    } else {
        Record record{};
        const int status = source.load(record);
        if (status != Success)
            return status;
        snapshots.push_back(snapshotOf(record));
    }

    const ReportOutcome outcome = ReportPrinter::writePdf(output, snapshots);
    if (!outcome.ok()) {
        err(output + QStringLiteral(": ") + reportErrorText(outcome.error));
        return DeviceFailure;
    }
    return Success;
}

const bool registered = registerCommand(
    {QStringLiteral("report"),
     QStringLiteral("report (SOURCE | --bank FILE --memories LIST|all) -o OUT.pdf   "
                    "test report, one page per memory (LIST like 3,7,10-12)"),
     runReport});

} // namespace

} // namespace quillon::cli
