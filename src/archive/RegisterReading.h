#pragma once

#include "archive/ArchiveStore.h"
#include "core/DefectRegister.h"

namespace quillon
{

// Feeds the register every test of the archive, each as its latest entry with the values kept
// beside it: one grouped query, no records read.
ArchiveFailure readRegister(ArchiveStore& store, DefectRegister& reg);
// The tests of each location that came without them.
ArchiveFailure readLocationTests(ArchiveStore& store, std::vector<DefectLocation>& locations);

} // namespace quillon
