#include "archive/ArchiveStore.h"

#include "core/DefectRegister.h"

#include <algorithm>

namespace quillon
{

namespace
{
ArchiveFailure wholeRegister(ArchiveStore& store, std::vector<DefectLocation>& out)
{
    DefectRegister reg;
    const ArchiveFailure f =
        store.registerTests([&reg](RegisterEntry&& e) { reg.add(std::move(e)); });
    out = f ? std::vector<DefectLocation>{} : reg.locations();
    return f;
}
} // namespace

ArchiveFailure ArchiveStore::registerLocations(std::vector<DefectLocation>& out, int limit)
{
    const ArchiveFailure f = wholeRegister(*this, out);
    if (limit > 0 && out.size() > size_t(limit))
        out.resize(size_t(limit));
    return f;
}

ArchiveFailure ArchiveStore::locationTests(const QString& locationKey,
                                           std::vector<RegisterTest>& out)
{
    out.clear();
    std::vector<DefectLocation> all;
    const ArchiveFailure f = wholeRegister(*this, all);
    const auto it = std::find_if(all.begin(), all.end(),
                                 [&](const DefectLocation& l) { return l.key == locationKey; });
    if (it != all.end())
        out = std::move(it->tests);
    return f;
}

} // namespace quillon
