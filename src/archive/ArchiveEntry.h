#pragma once

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
    Record record{};
};

// What to look for. Every filter that is set must hold.
struct ArchiveQuery {
    std::optional<int> memory;
    QString search;                // plain text over the note lines: words and "phrases"
    std::optional<qint64> sinceMs; // time at or after
    std::optional<qint64> untilMs; // time before
    qint64 beyondId = 0; // 0: from the first; else only ids past this one in the order asked for
    int limit = 100;     // at most this many; 0 for no limit
    bool newestFirst = true;
};

// "received", "captured", "loaded", "notes" (what a restored row is kept as is not an entry).
QString kindName(StoreKind kind);
std::optional<StoreKind> kindFromName(QStringView name);

// A bank file of entries: the start-up bank with each entry stored into its memory's row, in
// the order given (a later entry wins), marked as a received record is.
QByteArray bankFileOf(const std::vector<ArchiveEntry>& entries);

} // namespace quillon
