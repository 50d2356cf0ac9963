#pragma once

#include "core/DefectLocation.h"
#include "core/Record.h"
#include "core/RegisterEntry.h"

#include <QByteArray>
#include <QHash>

#include <optional>

#include <vector>

namespace quillon
{

// The defect register: archive entries in, in any order; the located defects out, each with
// the tests that found it. An entry's own values come from entryFacts (an archive keeps them
// beside each entry); only the latest entry of each test is kept, so an archive of a season's
// rounds is read in one pass.
class DefectRegister
{
public:
    // An entry of this PC's archive, its values taken from its record.
    void add(qint64 entry, qint64 archivedMs, int memory, const Record& record);
    // An entry with its values: one an archive kept, or the latest of a test as it answers
    // them.
    void add(RegisterEntry entry);

    // Every location, most severe first, then the one tested last first.
    std::vector<DefectLocation> locations() const;
    // One location with its tests; none when no test is there.
    std::optional<DefectLocation> location(const QString& key) const;
    int testCount() const { return int(m_tests.size()); }

private:
    struct Test {
        QString locationKey;
        RegisterTest shown;
    };
    std::vector<Test> m_tests;
    QHash<QByteArray, size_t> m_testAt; // index into m_tests by test key
};

} // namespace quillon
