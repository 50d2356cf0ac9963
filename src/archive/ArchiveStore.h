#pragma once

#include "archive/ArchiveEntry.h"
#include "archive/ArchiveFailure.h"

#include <QString>

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
};

} // namespace quillon
