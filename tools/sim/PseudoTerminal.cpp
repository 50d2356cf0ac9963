#include "PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace sim
{

std::unique_ptr<PseudoTerminal> PseudoTerminal::open(QString* error)
{
    std::unique_ptr<PseudoTerminal> pty(new PseudoTerminal);
    auto fail = [error](const char* step) {
        *error = QStringLiteral("%1: %2").arg(QLatin1String(step),
                                              QString::fromLocal8Bit(std::strerror(errno)));
        return nullptr;
    };
    pty->m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (pty->m_master < 0)
        return fail("posix_openpt");
    if (grantpt(pty->m_master) != 0 || unlockpt(pty->m_master) != 0)
        return fail("grantpt/unlockpt");
    const char* name = ptsname(pty->m_master);
    if (!name)
        return fail("ptsname");
    pty->m_slavePath = QString::fromLocal8Bit(name);
    pty->m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (pty->m_slave < 0)
        return fail("open slave");

    // Raw before anyone else opens the slave: no echo, no line editing, no translation.
    termios tio{};
    if (tcgetattr(pty->m_slave, &tio) != 0)
        return fail("tcgetattr");
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    if (tcsetattr(pty->m_slave, TCSANOW, &tio) != 0)
        return fail("tcsetattr");

    const int flags = fcntl(pty->m_master, F_GETFL);
    if (flags < 0 || fcntl(pty->m_master, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail("fcntl");
    return pty;
}

PseudoTerminal::~PseudoTerminal()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

} // namespace sim
