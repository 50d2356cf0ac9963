#pragma once

#include "archive/ArchiveEntry.h"

#include <QString>

#include <vector>

namespace quillon
{

// Why an archive call failed.
struct ArchiveFailure {
    enum Kind {
        None,
        Damaged,    // the file is not a database, or its pages are broken
        Unwritable, // read-only, full, or the folder cannot be written
        Other,
    };
    Kind kind = None;
    QString text; // the database library's words

    explicit operator bool() const { return kind != None; }
};

// The archive as the program uses it: an append-only log of entries that can be searched and
// read back. Kept small on purpose, so that another store (a shared server) can stand behind it.
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
    // One entry by id; false in `found` when there is none.
    virtual ArchiveFailure fetch(qint64 id, ArchiveEntry& out, bool& found) = 0;
};

} // namespace quillon
