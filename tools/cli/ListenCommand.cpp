// quillon-cli listen: takes the records the instrument sends on its own, as the window does, and
// writes the bank.
#include "ArchiveOption.h"
#include "CliCommand.h"
#include "CommandLine.h"
#include "Commands.h"
#include "LinkSession.h"

#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <csignal>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace quillon::cli
{

namespace
{

#ifdef Q_OS_UNIX
// SIGINT and SIGTERM end listening like the time limit does: the bank is still written.
int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

std::unique_ptr<QSocketNotifier> catchInterrupts(LinkSession& session)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return nullptr;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    auto notifier =
        std::make_unique<QSocketNotifier>(qintptr(g_signalPipe[0]), QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [&session] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &byte, 1);
        session.finish();
    });
    return notifier;
}
#endif

int listen(const QStringList& args, const QString& usage)
{
    CommandLine line({QStringLiteral("--port"), QStringLiteral("--count"),
                      QStringLiteral("--timeout"), QStringLiteral("-o")},
                     args);
    if (const int status = line.refuseOthers(usage); status != Success)
        return status;
    const QString port = line.value(QStringLiteral("--port"));
    const QString countText = line.value(QStringLiteral("--count"));
    const QString timeoutText = line.value(QStringLiteral("--timeout"));
    const QString output = line.value(QStringLiteral("-o"));
    if (port.isEmpty() || output.isEmpty())
        return usageError(usage, QStringLiteral("--port and -o are needed"));
    if (output == QLatin1String("-"))
        return usageError(usage, QStringLiteral("-o needs a file"));
    bool ok = true;
    const int count = countText.isEmpty() ? 0 : countText.toInt(&ok);
    if (!ok || count < 0 || (!countText.isEmpty() && count == 0))
        return usageError(usage, QStringLiteral("--count needs a number of records above 0"));
    const double seconds = timeoutText.isEmpty() ? 0 : timeoutText.toDouble(&ok);
    if (!ok || seconds < 0 || (!timeoutText.isEmpty() && !(seconds > 0)) || seconds > 1e6)
        return usageError(usage, QStringLiteral("--timeout needs seconds above 0"));

    LinkSession session;
    if (const int status = session.open(port); status != Success)
        return status;

    InstrumentLink& link = session.link();
    int stored = 0;
    bool lost = false;
    // The records a capture stores are reported by capture; here only the instrument sends.
    session.reportStores(StoreKind::Received, [&stored, count, &session] {
        if (++stored == count)
            session.finish();
    });
    QObject::connect(&link, &InstrumentLink::portLost, &link, [&lost, &session] {
        lost = true;
        session.finish();
    });
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    QObject::connect(&limit, &QTimer::timeout, &limit, [&session] { session.finish(); });
    if (seconds > 0)
        limit.start(std::chrono::milliseconds(qint64(seconds * 1000)));
#ifdef Q_OS_UNIX
    const auto interrupts = catchInterrupts(session);
#endif

    session.run();
    if (const int status = session.writeBank(output); status != Success)
        return status;
    return lost || (count > 0 && stored < count) ? DeviceFailure : Success;
}

} // namespace

int runListen(const QStringList& args, const QString& usage)
{
    return withArchive(listen, args, usage);
}

} // namespace quillon::cli
