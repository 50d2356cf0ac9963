// vantor-sim: the simulated instrument on a pseudo-terminal. See SimOptions::helpText().

#include "Simulator.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/signalfd.h>
#include <unistd.h>

using namespace sim;

namespace
{
// The symlink at `path` to the terminal; an existing symlink is replaced, anything else is not.
bool makeLink(const QString& path, const QString& target, QString* error)
{
    const QByteArray p = QFile::encodeName(path);
    const QFileInfo info(path);
    if (info.isSymLink())
        ::unlink(p.constData());
    else if (info.exists()) {
        *error = path + QStringLiteral(" exists and is not a symlink");
        return false;
    }
    if (::symlink(QFile::encodeName(target).constData(), p.constData()) != 0) {
        *error = path + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    return true;
}

void removeLink(const QString& path, const QString& target)
{
    const QFileInfo info(path);
    if (info.isSymLink() && info.symLinkTarget() == target)
        ::unlink(QFile::encodeName(path).constData());
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.contains(u"--help"_qs) || args.contains(u"-h"_qs)) {
        std::fputs(qPrintable(SimOptions::helpText()), stdout);
        return 0;
    }
    if (args.contains(u"--version"_qs)) {
        std::printf("vantor-sim %s\n", QUILLON_VERSION);
        return 0;
    }
    QString error;
    const auto options = SimOptions::parse(args, &error);
    if (!options) {
        std::fprintf(stderr, "vantor-sim: %s\n(see vantor-sim --help)\n", qPrintable(error));
        return 1;
    }
    auto instrument = Instrument::create(*options, &error);
    if (!instrument)
        return complain(error, 2);

    sigset_t mask;
    sigemptyset(&mask);
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGUSR1})
        sigaddset(&mask, s);
    sigprocmask(SIG_BLOCK, &mask, nullptr);
    const int signalFd = signalfd(-1, &mask, SFD_CLOEXEC);
    std::signal(SIGPIPE, SIG_IGN);

    const auto pty = PseudoTerminal::open(&error);
    if (!pty || (!options->link.isEmpty() && !makeLink(options->link, pty->slavePath(), &error)))
        return complain(error, 3);
    Simulator simulator(*options, std::move(*instrument), *pty, signalFd);
    if (!simulator.openLog(&error)) {
        removeLink(options->link, pty->slavePath());
        return complain(error, 3);
    }
    std::printf("%s\n", qPrintable(pty->slavePath()));
    std::fflush(stdout);

    const int status = simulator.run();
    if (!options->link.isEmpty())
        removeLink(options->link, pty->slavePath());
    return status;
}
