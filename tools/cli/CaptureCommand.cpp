// quillon-cli capture: requests memories from the instrument as the Capture button does and
// writes the bank.
#include "ArchiveOption.h"
#include "CliCommand.h"
#include "CommandLine.h"
#include "Commands.h"
#include "core/MemoryListParser.h"
#include "LinkSession.h"

namespace quillon::cli
{

namespace
{
int capture(const QStringList& args, const QString& usage)
{
    CommandLine line({QStringLiteral("--port"), QStringLiteral("--memories"),
                      QStringLiteral("--into"), QStringLiteral("-o")},
                     args);
    if (const int status = line.refuseOthers(usage); status != Success)
        return status;
    const QString port = line.value(QStringLiteral("--port"));
    const QString list = line.value(QStringLiteral("--memories"));
    const QString into = line.value(QStringLiteral("--into"));
    const QString output = line.value(QStringLiteral("-o"));
    if (port.isEmpty() || list.isEmpty() || output.isEmpty())
        return usageError(usage, QStringLiteral("--port, --memories and -o are needed"));
    // The standard output carries one line per memory and nothing else.
    if (output == QLatin1String("-"))
        return usageError(usage, QStringLiteral("-o needs a file"));
    QList<int> memories;
    QString problem;
    if (!parseMemoryList(list, memories, &problem))
        return usageError(usage, QStringLiteral("--memories: ") + problem);

    LinkSession session;
    if (const int status = session.open(port, into); status != Success)
        return status;

    Capture& capture = session.link().capture();
    int failed = 0;
    session.reportStores(StoreKind::Captured);
    QObject::connect(&capture, &Capture::memoryFailed, &capture, [&failed](int row) {
        ++failed;
        LinkSession::printMemory(row, "no reply");
    });
    QObject::connect(&capture, &Capture::captureFinished, &capture,
                     [&session] { session.finish(); });

    QList<int> rows;
    for (int m : memories)
        rows.append(m - 1);
    if (!capture.start(rows, &problem))
        return fail(DeviceFailure, problem);
    session.run();
    if (const int status = session.writeBank(output); status != Success)
        return status;
    return failed == 0 ? Success : DeviceFailure;
}

} // namespace

int runCapture(const QStringList& args, const QString& usage)
{
    return withArchive(capture, args, usage);
}

} // namespace quillon::cli
