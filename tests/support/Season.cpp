#include "support/Season.h"

#include "support/Records.h"

#include <QDateTime>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace quillon::test
{

namespace
{
constexpr std::array<const char*, 3> kDivisions{"North", "South", "East"};
constexpr std::array<const char*, 4> kRails{"LH Up", "RH Up", "LH Dn", "RH Dn"};
constexpr std::array<const char*, 5> kPlaces{"Weld +350 mm", "Fishplate", "Crossing nose",
                                             "Mid rail", "Joint -120 mm"};
constexpr std::array<const char*, 5> kFlawCodes{"TDW", "211", "HSH", "BHC", "TDT"};
constexpr std::array<const char*, 4> kOperators{"R. Varga / 0412", "M. Ionescu / 0377",
                                                "P. Okafor / 0519", "L. Sato / 0233"};
constexpr std::array<const char*, 3> kClasses{"OBS", "REM", "IMR"};

// The realistic record's echoes with a flaw echo of `flaw` (0..200) in gate 1.
Record echoRecord(int memory, double flaw, int wobble)
{
    Record r = realisticRecord(memory);
    const auto echo = [](double i, double centre, double height, double width) {
        const double d = (i - centre) / width;
        return height * std::exp(-d * d);
    };
    for (int i = 0; i < kSampleCount; ++i) {
        const double grass = 2.5 + 2.0 * std::sin(i * 1.7 + wobble) * std::sin(i * 0.31);
        const double v = grass + echo(i, 6, 104, 4.0) + echo(i, 95, flaw, 3.2) +
                         echo(i, 101, flaw / 3, 2.5) + echo(i, 200, 78, 3.6) + echo(i, 207, 30, 3);
        r[i] = std::int16_t(std::clamp(std::lround(v), 0L, 255L));
    }
    return r;
}
} // namespace

Season::Season(int locations, int rounds, quint32 seed, int days, QDate start)
    : m_locations(locations), m_rounds(rounds), m_seed(seed), m_days(days), m_start(start)
{
}

void Season::forEachEntry(const Each& each) const
{
    std::mt19937 random(m_seed);
    const auto chance = [&random](int percent) { return int(random() % 100) < percent; };
    struct Defect {
        int found = 0;
        int cls = 0; // index into kClasses
        int lastWritten = -1;
    };
    std::vector<Defect> defects(static_cast<size_t>(m_locations));
    for (Defect& d : defects) {
        d.found = int(random() % std::max(1, m_rounds / 3));
        d.cls = chance(80) ? 0 : chance(75) ? 1 : 2;
    }
    int memory = 0;
    for (int round = 0; round < m_rounds; ++round) {
        const QDate day = m_start.addDays(qint64(round) * m_days);
        qint64 archived = QDateTime(day, QTime(18, 0), Qt::UTC).toMSecsSinceEpoch();
        const auto store = [&](const Record& r, int mem) {
            each(mem, archived, r);
            archived += 1000;
        };
        for (int l = 0; l < m_locations; ++l) {
            Defect& d = defects[size_t(l)];
            if (round < d.found || d.lastWritten == 2)
                continue; // not found yet, or taken out after an IMR
            if (round > d.found && d.cls < 2 && chance(6))
                ++d.cls;
            const int mem = memory++ % kMemoryCount + 1;
            Record r = echoRecord(mem, 40 + 35 * d.cls + int(random() % 12), l + round);
            const int minute = 8 * 60 + (l % 400);
            setTimeDate(r, QStringLiteral("%1%2%3%4%5")
                               .arg(minute / 60, 2, 10, QLatin1Char('0'))
                               .arg(minute % 60, 2, 10, QLatin1Char('0'))
                               .arg(day.day(), 2, 10, QLatin1Char('0'))
                               .arg(day.month(), 2, 10, QLatin1Char('0'))
                               .arg(day.year() % 100, 2, 10, QLatin1Char('0')));
            setNote(r, 0,
                    QString::fromLatin1(kOperators[size_t(round + l / 50) % kOperators.size()]));
            setNote(r, 1, QString::fromLatin1(kDivisions[size_t(l) % kDivisions.size()]));
            const int km = 112 + l / 6;
            setNote(r, 2, QStringLiteral("KM %1-%2").arg(km / 8 * 8).arg(km / 8 * 8 + 8));
            setNote(r, 3, QStringLiteral("%1/%2").arg(km).arg(l % 6 * 2));
            setNote(r, 4, QString::fromLatin1(kRails[size_t(l) % kRails.size()]));
            setNote(r, 5, QString::fromLatin1(kPlaces[size_t(l / 3) % kPlaces.size()]));
            setNote(r, 8, QString::fromLatin1(kFlawCodes[size_t(l) % kFlawCodes.size()]));
            setNote(r, 9, QString::fromLatin1(kClasses[size_t(d.cls)]));
            // The class written last time, now and then mistaken or left out.
            QString previous = d.lastWritten < 0
                                   ? QStringLiteral("NONE")
                                   : QString::fromLatin1(kClasses[size_t(d.lastWritten)]);
            if (d.lastWritten >= 0 && chance(6))
                previous = chance(50) ? QString() : QString::fromLatin1(kClasses[size_t(d.cls)]);
            setNote(r, 10, previous);
            store(r, mem);
            d.lastWritten = d.cls;
            if (d.cls < 2 && chance(4)) { // re-classified by a note save the same evening
                ++d.cls;
                setNote(r, 9, QString::fromLatin1(kClasses[size_t(d.cls)]));
                store(r, mem);
                d.lastWritten = d.cls;
            }
        }
        // A calibration shot without a location.
        const int mem = memory++ % kMemoryCount + 1;
        Record calibration = echoRecord(mem, 90, round);
        for (int n = 1; n <= 5; ++n)
            setNote(calibration, n, {});
        setNote(calibration, 9, {});
        store(calibration, mem);
    }
}

} // namespace quillon::test
