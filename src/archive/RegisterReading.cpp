#include "archive/RegisterReading.h"

namespace quillon
{

namespace
{
constexpr int kPageEntries = 2000;
} // namespace

ArchiveFailure readRegister(ArchiveStore& store, DefectRegister& reg, qint64& lastEntry,
                            const std::function<bool()>& stop)
{
    ArchiveQuery q;
    q.beyondId = lastEntry;
    q.newestFirst = false;
    q.limit = kPageEntries;
    std::vector<ArchiveEntry> page;
    do {
        if (stop && stop())
            return {};
        if (const ArchiveFailure f = store.query(q, page))
            return f;
        for (const ArchiveEntry& e : page)
            reg.add(e.id, e.timeMs, e.memory, e.record);
        if (!page.empty())
            lastEntry = q.beyondId = page.back().id;
    } while (int(page.size()) == kPageEntries);
    return {};
}

} // namespace quillon
