#pragma once

#include "archive/ServerArchive.h"
#include "archive/SqliteArchive.h"

namespace quillon
{

// An archive opened to be read on a connection of its own: this PC's file, which must exist,
// or the team archive. `store` is the one opened.
struct ReadStore {
    SqliteArchive local;
    ServerArchive server;
    ArchiveStore* store = nullptr;

    ArchiveFailure openFile(const QString& path)
    {
        store = &local;
        return local.open(path, SqliteArchive::Open::ExistingOnly);
    }
    ArchiveFailure openServer(const QString& conninfo)
    {
        store = &server;
        return server.open(conninfo);
    }
};

} // namespace quillon
