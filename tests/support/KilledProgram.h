#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace quillon::test
{

// Runs a helper program in `process` (its working folder as set there) so that it dies without
// any chance to clean up: once it prints `ready` on its standard output it is killed with
// SIGKILL; with `ready` empty the program is left to get to its own end (one that kills itself).
// False, with what went wrong in `why`, when it ended before it got that far or never ended.
bool runUntilKilled(QProcess& process, const QString& program, const QStringList& arguments,
                    const QByteArray& ready, QString* why);

} // namespace quillon::test
