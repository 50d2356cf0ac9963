#pragma once

#include "support/CommandLines.h"
#include "support/FileBytes.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>
#include <QTest>

namespace quillon::test
{

// The simulated instrument (vantor-sim) as a separate process on its own pseudo-terminal, as an
// operator would run it. Control lines ("send 7 noise 20") go to its standard input.
class SimProcess
{
public:
    ~SimProcess() { stop(); }

    // Starts it with `arguments` (--quiet is added) and reads the terminal's device path.
    bool start(const QStringList& arguments, QString* error)
    {
        const QString program =
            qEnvironmentVariable("QUILLON_BIN_DIR") + QStringLiteral("/tools/sim/vantor-sim");
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(program, arguments + QStringList{QStringLiteral("--quiet")});
        if (!m_process.waitForStarted(5000)) {
            *error = program + QStringLiteral(": ") + m_process.errorString();
            return false;
        }
        QDeadlineTimer deadline(5000);
        while (!m_process.canReadLine() && !deadline.hasExpired() &&
               m_process.state() == QProcess::Running)
            QTest::qWait(5);
        if (!m_process.canReadLine()) {
            *error = QStringLiteral("vantor-sim printed no device path");
            return false;
        }
        m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        return true;
    }

    QString device() const { return m_device; }
    void control(const QByteArray& line) { m_process.write(line + '\n'); }

    // Ends it the way an unplugged instrument goes: the terminal's master side closes.
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        control("quit");
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

private:
    QProcess m_process;
    QString m_device;
};

// The commands a --log file holds, one per line.
inline QStringList loggedCommands(const QString& path)
{
    return QString::fromLatin1(contentsOf(path)).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace quillon::test
