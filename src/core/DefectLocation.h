#pragma once

#include "core/DefectRules.h"
#include "core/RegisterTest.h"

#include <QStringList>

#include <vector>

namespace quillon
{

// One place on the track where a defect was recorded, and its life: its latest test, when it was
// first tested, how many times, and the classes found, oldest first. Its class and flaw code are
// the latest test's. Every test of it, in date order, is there only where it was asked for (an
// archive keeps the rest of a location in one row and reads its tests when they are wanted).
struct DefectLocation {
    QString key; // the normalised location lines (EntryFacts::locationKey)
    QString division;
    QString section;
    QString km;
    QString rail;
    QString location;
    RegisterTest last;   // its latest test
    qint64 firstMs = 0;  // when its first test was made (a clock reading, see EntryFacts)
    int inspections = 0; // how many tests found it
    QStringList classes; // the classes of its tests, oldest first
    std::vector<RegisterTest> tests; // every test, oldest first; empty until read
    DefectSeverity severity = DefectSeverity::Other;
    // The latest class is more severe than the one before it.
    bool worsened = false;
    // The latest test's "Prev. Defect Class" is not the class the test before it recorded.
    bool prevMismatch = false;

    // The key and the five fields it is made of.
    void setKey(const QString& locationKey);
    const RegisterTest& latest() const { return last; }
    // The classes of its tests, oldest first.
    const QStringList& history() const { return classes; }
};

// The history as one text: "OBS > OBS > IMR"; shortened, repeats are counted: "OBS×2 > IMR".
enum class HistoryForm { Full, Short };
QString historyText(const DefectLocation& location, HistoryForm form = HistoryForm::Full);

} // namespace quillon
