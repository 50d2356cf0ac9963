#pragma once

#include "archive/EntryRef.h"
#include "core/BankJournal.h"
#include "core/Record.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace quillon
{

// One record as the archive keeps it. Only the positions 0..840 are kept; the rest are zero.
struct ArchiveEntry {
    qint64 id = 0;                        // ascending in the order the entries were appended
    qint64 timeMs = 0;                    // when it was appended: milliseconds since 1970-01-01 UTC
    StoreKind kind = StoreKind::Received; // Received, Captured, Loaded or Notes
    int memory = 0;                       // 1..200
    QString source;                       // the port's device name or a bank file's path
    QString origin;                       // the archive it was first written to (a UUID)
    QString host;                         // the PC's host name, empty when not known
    QString user;                         // who was logged in on it, empty when not known
    Record record{};

    EntryRef ref() const { return {origin, id}; }
};

// What to look for. Every filter that is set must hold.
struct ArchiveQuery {
    std::optional<int> memory;
    QString search;                // plain text over the note lines: words and "phrases"
    std::optional<qint64> sinceMs; // time at or after
    std::optional<qint64> untilMs; // time before
    // 0: from the first; else only entries past this one in the order asked for. A local
    // archive orders by id alone; a team archive by time, then origin, then id.
    qint64 beyondId = 0;
    qint64 beyondTimeMs = 0;
    QString beyondOrigin;
    int limit = 100; // at most this many; 0 for no limit
    bool newestFirst = true;

    // The next page starts past `last`.
    void startPast(const ArchiveEntry& last)
    {
        beyondId = last.id;
        beyondTimeMs = last.timeMs;
        beyondOrigin = last.origin;
    }
};

// "received", "captured", "loaded", "notes" (what a restored row is kept as is not an entry).
QString kindName(StoreKind kind);
std::optional<StoreKind> kindFromName(QStringView name);

// A bank file of entries: the start-up bank with each entry stored into its memory's row, in
// the order given (a later entry wins), marked as a received record is.
QByteArray bankFileOf(const std::vector<ArchiveEntry>& entries);

} // namespace quillon
