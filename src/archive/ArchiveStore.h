#pragma once

#include "archive/ArchiveEntry.h"
#include "archive/ArchiveFailure.h"
#include "core/DefectLocation.h"
#include "core/RegisterEntry.h"

#include <QString>

#include <functional>
#include <vector>

namespace quillon
{

// The archive as the program uses it: an append-only log of entries that can be searched and
// read back. The local file and the team server both stand behind it.
class ArchiveStore
{
public:
    virtual ~ArchiveStore() = default;

    // Appends the entry (its id and time are given here) and returns once it is durable.
    virtual ArchiveFailure append(ArchiveEntry& entry) = 0;
    // Several entries at once: all of them or none.
    virtual ArchiveFailure appendAll(std::vector<ArchiveEntry>& entries) = 0;
    // The entries the query asks for, in its order, records included.
    virtual ArchiveFailure query(const ArchiveQuery& query, std::vector<ArchiveEntry>& out) = 0;
    // One entry; false in `found` when there is none.
    virtual ArchiveFailure fetch(const EntryRef& ref, ArchiveEntry& out, bool& found) = 0;
    // The register's reading: for each test (the entries of the same samples and instrument
    // clock), its latest entry with the values kept beside it, dated by the test's first entry;
    // no records. One query, each test handed to `each` once, in no particular order.
    using RegisterEach = std::function<void(RegisterEntry&&)>;
    virtual ArchiveFailure registerTests(const RegisterEach& each) = 0;
    // The register's locations in its order (`limit` > 0: only the first so many). A store that
    // keeps each location's values in one row answers from those rows and leaves each
    // location's `tests` empty (locationTests reads them); by default the register is made from
    // registerTests, tests included.
    virtual ArchiveFailure registerLocations(std::vector<DefectLocation>& out, int limit = 0);
    // The tests of one location, oldest first (none when there is no such location).
    virtual ArchiveFailure locationTests(const QString& locationKey,
                                         std::vector<RegisterTest>& out);
};

} // namespace quillon
