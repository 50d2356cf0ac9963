#pragma once

#include "core/Record.h"
#include "support/CommandLines.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace quillon::test
{

// The simulated instrument (vantor-sim) as a separate process on its own pseudo-terminal, as an
// operator would run it. Control lines ("send 7 noise 20") go to its standard input; every
// command it receives is logged, so a test can see exactly what went down the line.
class SimProcess
{
public:
    explicit SimProcess(const QStringList& options = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts the simulator with its options (--quiet is added) and reads the terminal's path;
    // false, with the reason in `error` when given, when it did not come up.
    bool start(QString* error = nullptr);
    bool start(const QStringList& options, QString* error);
    QString device() const { return m_device; }
    // A control line on the simulator's standard input ("send 7", "send 3 number 0").
    void control(const QString& line);
    // The 22-character commands received so far, in order.
    QStringList commands() const;
    // The running simulator: its standard output carries the lines of --timestamps.
    QProcess& process() { return *m_process; }
    // Ends it the way an unplugged instrument goes: told to quit, the terminal's master side
    // closes.
    void stop();
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

// Whether a stored bank row holds the instrument's record `source` at every position the frame
// carries (samples 0..250, setup area 260..539, DAC points and notes 540..801); the first
// difference is described in `why`.
bool holdsRecord(const Record& row, const Record& source, QString* why);
// That first difference; empty when `row` holds `source`.
QString recordDifference(const Record& row, const Record& source);

} // namespace quillon::test
