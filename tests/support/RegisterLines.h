#pragma once

#include "archive/ArchiveStore.h"
#include "core/DefectRegister.h"

#include <QStringList>

namespace quillon::test
{

// A register as lines to compare: each location with its values (its latest test's origin
// included) and each of its tests where they were read, host left out.
QStringList registerLines(const std::vector<DefectLocation>& locations);
QStringList registerLines(const DefectRegister& reg);

// The register as an archive keeps it, one row per location, and as its rules make it from the
// entries given (their tests left out).
QStringList summaryLines(ArchiveStore& archive);
QStringList summaryLines(const DefectRegister& reg);

} // namespace quillon::test
