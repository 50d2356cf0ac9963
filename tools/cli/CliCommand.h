#pragma once

#include <QString>
#include <QStringList>

namespace quillon::cli
{

// Exit statuses of quillon-cli.
enum Exit : int {
    Success = 0,
    Usage = 1,         // the command line is wrong
    BadInput = 2,      // an input file cannot be used (one stderr line names it and the problem)
    DeviceFailure = 3, // a device or an output cannot be used
    ServerFailure = 4, // the team archive cannot be reached or refuses (one stderr line says why)
};

// One sub-command: `quillon-cli <name> args...`. The commands are listed in main.cpp.
struct CliCommand {
    const char* name;
    const char* usage;   // its command line without the program name, as usage errors show it
    const char* summary; // what the help adds after the usage, or nullptr
    int (*run)(const QStringList& args, const QString& usage);
};

// Writing to the standard streams.
void out(const QByteArray& bytes);
void err(const QString& line); // one line, newline appended
// err(line), then `status` for the caller to return.
int fail(int status, const QString& line);

// A wrong command line: one stderr line with the problem and the command's usage; returns Usage.
int usageError(const QString& usage, const QString& problem);

} // namespace quillon::cli
