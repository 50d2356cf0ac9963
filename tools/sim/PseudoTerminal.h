#pragma once

#include <QString>

#include <memory>

namespace sim
{

// A pseudo-terminal pair in raw mode. The simulator talks through the master side; the program
// under test opens the slave device as its serial port. The slave stays open here as well, so
// that the program can close and reopen it without the master seeing a hang-up.
class PseudoTerminal
{
public:
    static std::unique_ptr<PseudoTerminal> open(QString* error);
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int master() const { return m_master; }
    QString slavePath() const { return m_slavePath; }

private:
    PseudoTerminal() = default;
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

} // namespace sim
