#pragma once

#include "archive/ArchiveStore.h"
#include "core/DefectRegister.h"

namespace quillon
{

// Feeds the register every test of the archive, each as its latest entry with the values kept
// beside it: one query, no records read.
ArchiveFailure readRegister(ArchiveStore& store, DefectRegister& reg);
// The tests of each location that came without them: up to `oneByOneUpTo` locations are read
// one by one; more, all at once from the whole register (one query).
inline constexpr int kTestsOneByOneUpTo = 100;
ArchiveFailure readLocationTests(ArchiveStore& store, std::vector<DefectLocation>& locations,
                                 int oneByOneUpTo = kTestsOneByOneUpTo);

} // namespace quillon
