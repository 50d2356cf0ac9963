#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace quillon::cli
{

// Exit statuses of quillon-cli.
enum Exit : int {
    Success = 0,
    Usage = 1,         // the command line is wrong
    BadInput = 2,      // an input file cannot be used (one stderr line names it and the problem)
    DeviceFailure = 3, // a device or an output cannot be used
};

// One sub-command: `quillon-cli <name> args...`.
struct CliCommand {
    QString name;
    QString usage; // one line for the help text, without the program name
    std::function<int(const QStringList& args)> run;
};

// Registers a command at program start; used by a static object in each command's file:
//   static const bool registered = registerCommand({"record", "record SOURCE", runRecord});
bool registerCommand(CliCommand command);
const QList<CliCommand>& commands();

// Writing to the standard streams.
void out(const QByteArray& bytes);
void err(const QString& line); // one line, newline appended

// A wrong command line: one stderr line with the problem and the command's usage; returns Usage.
int usageError(const QString& usage, const QString& problem);

} // namespace quillon::cli
