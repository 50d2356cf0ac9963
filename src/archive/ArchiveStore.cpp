#include "archive/ArchiveStore.h"

#include "archive/RegisterReading.h"

namespace quillon
{

ArchiveFailure ArchiveStore::registerLocations(std::vector<DefectLocation>& out, int limit)
{
    out.clear();
    DefectRegister reg;
    if (ArchiveFailure f = readRegister(*this, reg))
        return f;
    out = reg.locations();
    if (limit > 0 && out.size() > size_t(limit))
        out.resize(size_t(limit));
    return {};
}

ArchiveFailure ArchiveStore::locationTests(const QString& locationKey,
                                           std::vector<RegisterTest>& out)
{
    out.clear();
    DefectRegister reg;
    if (ArchiveFailure f = readRegister(*this, reg))
        return f;
    if (std::optional<DefectLocation> l = reg.location(locationKey))
        out = std::move(l->tests);
    return {};
}

} // namespace quillon
