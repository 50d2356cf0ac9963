#pragma once

// A season of inspection rounds as an archive receives it: defects found along the track, each
// re-tested at every round from when it was found, its class growing worse now and then, the
// inspector's "previous class" now and then wrong, a note save re-classifying a test here and
// there, and a few memories without a location. Made for the register's tests, its benchmark
// and the screenshots.

#include "core/Record.h"

#include <QDate>

#include <functional>

namespace quillon::test
{

class Season
{
public:
    // `locations` defects over `rounds` rounds, one every `days` days from `start`.
    Season(int locations, int rounds, quint32 seed = 1, int days = 14,
           QDate start = QDate(2024, 4, 1));

    // Every entry in the order the archive gets them: memory 1..200, archive time in ms since
    // 1970 (the evening of the round's day), the record.
    using Each = std::function<void(int memory, qint64 archivedMs, const Record& record)>;
    void forEachEntry(const Each& each) const;

private:
    int m_locations;
    int m_rounds;
    quint32 m_seed;
    int m_days;
    QDate m_start;
};

} // namespace quillon::test
