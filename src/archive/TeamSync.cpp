#include "archive/TeamSync.h"

#include <limits>

namespace quillon
{

ArchiveFailure TeamSync::run(Count& count)
{
    count = {};
    qint64 mark = 0;
    if (ArchiveFailure f = m_server.highWater(m_local.origin(), mark))
        return f;
    if (ArchiveFailure f = m_local.countUpTo(mark, count.already))
        return f;
    ArchiveQuery q;
    q.newestFirst = false;
    q.limit = m_batchSize;
    std::vector<ArchiveEntry> batch;
    for (int n = 0;; ++n) {
        q.beyondId = mark;
        if (ArchiveFailure f = m_local.query(q, batch))
            return f;
        count.upTo = mark;
        if (batch.empty())
            return {};
        qint64 added = 0;
        std::function<void(size_t)> afterEach;
        if (m_afterEach)
            afterEach = [this, n](size_t i) { m_afterEach(n, i); };
        if (ArchiveFailure f = m_server.upload(batch, added, afterEach))
            return f;
        count.sent += added;
        count.already += qint64(batch.size()) - added;
        mark = batch.back().id;
    }
}

ArchiveFailure TeamSync::waiting(qint64& count)
{
    qint64 mark = 0;
    qint64 uploaded = 0;
    if (ArchiveFailure f = m_server.highWater(m_local.origin(), mark))
        return f;
    if (ArchiveFailure f = m_local.countUpTo(mark, uploaded))
        return f;
    if (ArchiveFailure f = m_local.countUpTo(std::numeric_limits<qint64>::max(), count))
        return f;
    count -= uploaded;
    return {};
}

} // namespace quillon
