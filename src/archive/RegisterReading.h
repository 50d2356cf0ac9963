#pragma once

#include "archive/ArchiveStore.h"
#include "core/DefectRegister.h"

#include <functional>

namespace quillon
{

// Feeds the entries of the archive past `lastEntry` into the register, a page at a time in id
// order, so that a large archive is never held at once, and moves `lastEntry` to the last one
// read: the next reading takes only what arrived since. `stop`, when given, is asked between
// pages; true ends the reading early (the register then holds what was read).
ArchiveFailure readRegister(ArchiveStore& store, DefectRegister& reg, qint64& lastEntry,
                            const std::function<bool()>& stop = {});

} // namespace quillon
