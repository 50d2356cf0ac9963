#include "KilledProgram.h"

#include <QDeadlineTimer>

namespace quillon::test
{

bool runUntilKilled(QProcess& process, const QString& program, const QStringList& arguments,
                    const QByteArray& ready, QString* why)
{
    constexpr int kPatience = 30000;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForStarted(kPatience)) {
        *why = program + QStringLiteral(": ") + process.errorString();
        return false;
    }
    if (!ready.isEmpty()) {
        QByteArray said;
        const QDeadlineTimer deadline(kPatience);
        while (!said.contains(ready) && process.state() == QProcess::Running &&
               !deadline.hasExpired()) {
            process.waitForReadyRead(int(deadline.remainingTime()));
            said += process.readAllStandardOutput();
        }
        if (!said.contains(ready)) {
            *why = program + QStringLiteral(" never said \"%1\"").arg(QString::fromLatin1(ready));
            return false;
        }
        if (process.state() != QProcess::Running) {
            *why = program + QStringLiteral(" ended by itself");
            return false;
        }
        process.kill();
    }
    if (!process.waitForFinished(kPatience)) {
        *why = program + QStringLiteral(" did not end");
        return false;
    }
    return true;
}

} // namespace quillon::test
