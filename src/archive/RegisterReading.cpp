#include "archive/RegisterReading.h"

namespace quillon
{

ArchiveFailure readRegister(ArchiveStore& store, DefectRegister& reg)
{
    return store.registerTests([&reg](RegisterEntry&& e) { reg.add(std::move(e)); });
}

ArchiveFailure readLocationTests(ArchiveStore& store, std::vector<DefectLocation>& locations)
{
    for (DefectLocation& l : locations)
        if (l.tests.empty())
            if (ArchiveFailure f = store.locationTests(l.key, l.tests))
                return f;
    return {};
}

} // namespace quillon
