#include "archive/RegisterReading.h"

#include <QHash>

namespace quillon
{

ArchiveFailure readRegister(ArchiveStore& store, DefectRegister& reg)
{
    return store.registerTests([&reg](RegisterEntry&& e) { reg.add(std::move(e)); });
}

ArchiveFailure readLocationTests(ArchiveStore& store, std::vector<DefectLocation>& locations,
                                 int oneByOneUpTo)
{
    QHash<QString, DefectLocation*> wanting;
    for (DefectLocation& l : locations)
        if (l.tests.empty())
            wanting.insert(l.key, &l);
    if (wanting.size() <= oneByOneUpTo) {
        for (DefectLocation* l : std::as_const(wanting))
            if (ArchiveFailure f = store.locationTests(l->key, l->tests))
                return f;
        return {};
    }
    DefectRegister reg;
    if (ArchiveFailure f = readRegister(store, reg))
        return f;
    for (DefectLocation& l : reg.locations())
        if (DefectLocation* w = wanting.value(l.key))
            w->tests = std::move(l.tests);
    return {};
}

} // namespace quillon
