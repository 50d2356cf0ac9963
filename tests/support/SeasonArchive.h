#pragma once

// A season written into an archive file as the journal would have kept it (stamped with the
// time of writing), every entry settled (none is offered back as unsaved work). Header only: its
// users link quillon_archive.

#include "archive/SqliteArchive.h"
#include "support/Season.h"

namespace quillon::test
{

// The number of entries written, or -1 when the archive could not be written.
inline int writeSeason(const QString& path, const Season& season)
{
    SqliteArchive archive;
    if (archive.open(path))
        return -1;
    constexpr size_t kBatch = 5000;
    std::vector<ArchiveEntry> batch;
    int written = 0;
    bool failed = false;
    const auto flush = [&] {
        failed = failed || bool(archive.appendAll(batch));
        written += int(batch.size());
        batch.clear();
    };
    season.forEachEntry([&](int memory, qint64, const Record& record) {
        ArchiveEntry& e = batch.emplace_back();
        e.memory = memory;
        e.source = QStringLiteral("/dev/ttyUSB0");
        e.record = record;
        std::fill(e.record.begin() + kRecordLength, e.record.end(), 0);
        if (batch.size() == kBatch)
            flush();
    });
    flush();
    if (failed || archive.settle(archive.session(), written + 1000000000LL))
        return -1;
    return written;
}

} // namespace quillon::test
