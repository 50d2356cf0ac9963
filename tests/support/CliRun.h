#pragma once

// quillon-cli run as a user runs it, and the bank files it writes read back.

#include "core/BankFile.h"

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <memory>

namespace quillon::test
{

// What a run left: the exit code (-1 when it crashed or did not end) and what it printed.
struct CliResult {
    int exit = -1;
    QByteArray out;
    QByteArray err;
};

// Waits for a started quillon-cli to end (it is killed after a minute) and takes what it left.
CliResult finish(QProcess& process);
// Runs quillon-cli with `args` to its end.
CliResult runCli(const QStringList& args);

// Waits (up to ten seconds) until the running `process` has `device` open, so that what the
// instrument sends next reaches it rather than the terminal's queue, which opening the port
// empties.
bool waitUntilOpened(const QProcess& process, const QString& device);

// The bank file at `path` read back; null when it cannot be read or is no bank file.
std::unique_ptr<BankFileContents> readBankFile(const QString& path);

} // namespace quillon::test
