#pragma once

#include "archive/ReadStore.h"
#include "CommandLine.h"

#include <QString>

namespace quillon::cli
{

// The store a command reads: the file named by --db or the server named by --server.
struct Store : ReadStore {
    QString name; // what a failure line starts with
    bool remote = false;
};

// The status and stderr line for a failure of `store`: the server's are ServerFailure, the
// file's BadInput.
int storeFailure(const Store& s, const ArchiveFailure& f);
// Connects to the server named by --server; Usage when the connection string cannot be read.
int openServer(Store& s, const QString& conninfo, const QString& usage);
// Opens the store of --db or --server, exactly one of them.
int openStore(Store& s, const CommandLine& line, const QString& usage);

} // namespace quillon::cli
