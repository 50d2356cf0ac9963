#pragma once

#include "core/DefectRules.h"
#include "core/RegisterTest.h"

#include <QStringList>

#include <vector>

namespace quillon
{

// One place on the track where a defect was recorded, and its life: every test of it in date
// order, oldest first. Its class and flaw code are the latest test's.
struct DefectLocation {
    QString key; // the normalised location lines (EntryFacts::locationKey)
    QString division;
    QString section;
    QString km;
    QString rail;
    QString location;
    std::vector<RegisterTest> tests;
    DefectSeverity severity = DefectSeverity::Other;
    // The latest class is more severe than the one before it.
    bool worsened = false;
    // The latest test's "Prev. Defect Class" is not the class the test before it recorded.
    bool prevMismatch = false;

    const RegisterTest& latest() const { return tests.back(); }
    const RegisterTest& first() const { return tests.front(); }
    // The classes of its tests, oldest first.
    QStringList history() const;
};

// The history as one text: "OBS > OBS > IMR"; shortened, repeats are counted: "OBS×2 > IMR".
enum class HistoryForm { Full, Short };
QString historyText(const DefectLocation& location, HistoryForm form = HistoryForm::Full);

} // namespace quillon
