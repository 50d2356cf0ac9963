#pragma once

#include <QString>

namespace quillon
{

// One test of a defect: the archive entries that hold the same samples and instrument clock,
// told by the latest of them (a note save after a reception re-classifies the same test).
struct RegisterTest {
    qint64 entry = 0;    // the latest entry of the test, its id in the archive of `origin`
    qint64 testedMs = 0; // clock reading (see EntryFacts)
    bool dateFromArchive = false;
    int memory = 0;
    QString origin;        // the archive the entry was first written to; empty for this PC's
    QString host;          // the PC it came from, where known
    QString defectClass;   // as shown
    QString flawCode;      // line 8, tidied
    QString operatorName;  // line 0, tidied
    QString previousClass; // line 10, tidied
};

} // namespace quillon
