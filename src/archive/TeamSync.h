#pragma once

#include "archive/ServerArchive.h"
#include "archive/SqliteArchive.h"

#include <functional>

namespace quillon
{

// Copies a PC's archive to the team archive: the local entries past the server's highest id of
// this archive's origin, oldest first, a batch per transaction. A copy cut short anywhere (a
// lost network, a killed program) leaves whole batches behind it, so the next one picks up where
// it ended and no entry reaches the server twice. Nothing local is ever changed by it.
class TeamSync
{
public:
    static constexpr int kBatchSize = 500;

    struct Count {
        qint64 sent = 0;    // added to the server now
        qint64 already = 0; // the server had them before
        qint64 upTo = 0;    // the highest local id the server now holds
    };

    TeamSync(SqliteArchive& local, ServerArchive& server) : m_local(local), m_server(server) {}

    ArchiveFailure run(Count& count);
    // How many local entries the server lacks.
    ArchiveFailure waiting(qint64& count);

    void setBatchSize(int size) { m_batchSize = size; }
    // For tests: runs after each entry sent, with the batch's number (from 0) and the entry's.
    void setAfterEach(std::function<void(int, size_t)> afterEach)
    {
        m_afterEach = std::move(afterEach);
    }

private:
    SqliteArchive& m_local;
    ServerArchive& m_server;
    int m_batchSize = kBatchSize;
    std::function<void(int, size_t)> m_afterEach;
};

} // namespace quillon
