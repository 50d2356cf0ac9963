#pragma once

#include "PseudoTerminal.h"

#include <QFile>
#include <QString>

#include <memory>

namespace quillon::test
{

// A pseudo-terminal that nobody talks on, named in "dfd.cfg" in the working directory: the
// program's start-up finds a port that opens, as on an operator's machine with the cable in.
class ConfiguredPort
{
public:
    // False, with `error` set, when no terminal could be made or the file not written.
    bool create(QString* error)
    {
        m_pty = sim::PseudoTerminal::open(error);
        if (!m_pty)
            return false;
        QFile config(QStringLiteral("dfd.cfg"));
        if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            config.write(QFile::encodeName(m_pty->slavePath()) + "\r\n") < 0) {
            *error = config.errorString();
            return false;
        }
        return true;
    }
    QString device() const { return m_pty ? m_pty->slavePath() : QString(); }

private:
    std::unique_ptr<sim::PseudoTerminal> m_pty;
};

} // namespace quillon::test
