#pragma once

#include "core/DefectRules.h"

#include <QString>

namespace quillon
{

// One archive entry as the register reads it: where it is kept and what it says by itself. An
// archive answers the register with one of these per test: the test's latest entry, dated by its
// first (facts.testedMs).
struct RegisterEntry {
    qint64 entry = 0; // its id in the archive it was first written to
    QString origin;   // that archive (a UUID); empty for this PC's own
    QString host;     // the PC it was made on, empty when not known
    int memory = 0;
    EntryFacts facts;
};

} // namespace quillon
