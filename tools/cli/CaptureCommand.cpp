// quillon-cli capture: requests memories from the instrument as the Capture button does and
// writes the bank.
#include "ArchiveOption.h"
#include "CliCommand.h"
#include "LinkSession.h"
#include "MemoryList.h"

namespace quillon::cli
{

namespace
{

const QString kUsage =
    QStringLiteral("capture --port DEVICE --memories LIST [--into BANK] [--archive DB] -o OUT");

int runCapture(const QStringList& arguments)
{
    QStringList args = arguments;
    QStringList values;
    if (const int status = takeOptions(args,
                                       {QStringLiteral("--port"), QStringLiteral("--memories"),
                                        QStringLiteral("--into"), QStringLiteral("-o")},
                                       values, kUsage);
        status != Success)
        return status;
    const QString &port = values[0], &list = values[1], &into = values[2], &output = values[3];
    if (port.isEmpty() || list.isEmpty() || output.isEmpty())
        return usageError(kUsage, QStringLiteral("--port, --memories and -o are needed"));
    // The standard output carries one line per memory and nothing else.
    if (output == QLatin1String("-"))
        return usageError(kUsage, QStringLiteral("-o needs a file"));
    QList<int> memories;
    QString problem;
    if (!parseMemoryList(list, memories, &problem))
        return usageError(kUsage, QStringLiteral("--memories: ") + problem);

    LinkSession session;
    if (const int status = useArchive(session.module()); status != Success)
        return status;
    if (!into.isEmpty())
        if (const int status = session.loadBank(into); status != Success)
            return status;
    if (const int status = session.open(port); status != Success)
        return status;

    Capture& capture = session.link().capture();
    int failed = 0;
    QObject::connect(&session.module(), &Module1::rowChanged, &capture,
                     [](int row, StoreKind kind) {
                         if (kind != StoreKind::Captured)
                             return;
                         out(QByteArrayLiteral("Mem ") + QByteArray::number(row + 1) + " stored\n");
                     });
    QObject::connect(&capture, &Capture::memoryFailed, &capture, [&failed](int row) {
        ++failed;
        out(QByteArrayLiteral("Mem ") + QByteArray::number(row + 1) + " no reply\n");
    });
    QObject::connect(&capture, &Capture::captureFinished, &capture,
                     [&session] { session.finish(); });

    QList<int> rows;
    for (int m : memories)
        rows.append(m - 1);
    if (!capture.start(rows, &problem)) {
        err(problem);
        return DeviceFailure;
    }
    session.run();
    if (const int status = session.writeBank(output); status != Success)
        return status;
    return failed == 0 ? Success : DeviceFailure;
}

const bool registered =
    registerCommand({QStringLiteral("capture"), kUsage, withArchive(runCapture)});

} // namespace

} // namespace quillon::cli
