#pragma once

#include "core/Record.h"
#include "support/CommandLines.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The simulated instrument run as a program, on a pseudo-terminal of its own. Every command it
// receives is logged, so a test can see exactly what went down the line.
class SimProcess
{
public:
    explicit SimProcess(const QStringList& options);
    ~SimProcess();

    // Starts the simulator and reads the terminal's path; false when it did not come up.
    bool start();
    QString device() const { return m_device; }
    // A control line on the simulator's standard input ("send 7", "send 3 number 0").
    void control(const QString& line);
    // The 22-character commands received so far, in order.
    QStringList commands() const;
    // The running simulator: its standard output carries the lines of --timestamps.
    QProcess& process() { return *m_process; }
    // Ends the simulator at once, as an unplugged cable ends the line.
    void kill();

    static QString binary();
    static QString cliBinary();

private:
    QStringList m_options;
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;
    QString m_device;
};

// Commands as the program writes them.
using quillon::test::command;
using quillon::test::releaseLines;
using quillon::test::requestLines;

// Whether a stored bank row holds the instrument's record `source` at every position the frame
// carries (samples 0..250, setup area 260..539, DAC points and notes 540..801); the first
// difference is described in `why`.
bool holdsRecord(const quillon::Record& row, const quillon::Record& source, QString* why);
