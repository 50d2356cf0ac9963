// The archive's speed. Goals: one synced append of a received record, median <= 5 ms; a
// full-text search over 1,000,000 entries returning the newest 100 matches, median <= 50 ms;
// the Archive window opened on that database, <= 300 ms to the first rows shown. The size of
// the database per entry is reported beside the search.
#include "archive/ArchiveJournal.h"
#include "core/NoteLines.h"
#include "support/Records.h"
#include "view/ArchiveListModel.h"
#include "view/ArchiveWindow.h"
#include "WidgetBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTreeView>

#include <sqlite3.h>

#include <algorithm>
#include <memory>

using namespace quillon;

namespace
{

// Words the note lines are made of; "crack" is in about one entry in twenty.
const char* const kWords[] = {"rail",  "weld",  "head",  "web",    "foot", "joint", "bolt",
                              "north", "south", "track", "switch", "km",   "left",  "right",
                              "gauge", "probe", "echo",  "flaw",   "ok",   "check"};

// A million entries, made once: real records with varied note lines, appended in large
// transactions straight through SQLite (the program's own path syncs every entry).
struct BigArchive {
    QTemporaryDir dir;
    QString path;
    qint64 entries = 0;
    qint64 bytes = 0;

    BigArchive()
    {
        entries = qEnvironmentVariableIntValue("QUILLON_BENCH_ARCHIVE_ENTRIES");
        if (entries <= 0)
            entries = 1000000;
        path = dir.filePath("archive.sqlite");
        {
            SqliteArchive archive; // the schema
            archive.open(path);
        }
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &db);
        sqlite3_exec(db,
                     "PRAGMA synchronous=OFF; INSERT INTO sessions(started, settled_up_to) "
                     "VALUES(0, 9223372036854775807)",
                     nullptr, nullptr, nullptr);
        sqlite3_stmt* entry = nullptr;
        sqlite3_stmt* notes = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO entries(id, time, kind, memory, source, session, record) "
                           "VALUES(?, ?, 'received', ?, '/dev/ttyUSB0', 1, ?)",
                           -1, &entry, nullptr);
        sqlite3_prepare_v2(db, "INSERT INTO entry_notes(rowid, lines) VALUES(?, ?)", -1, &notes,
                           nullptr);
        const qint64 start = QDateTime::currentMSecsSinceEpoch() - entries * 60000;
        quint32 seed = 12345;
        const auto next = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return seed >> 8;
        };
        std::vector<Record> records;
        for (int m = 1; m <= 50; ++m)
            records.push_back(test::realisticRecord(m));
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (qint64 id = 1; id <= entries; ++id) {
            Record r = records[size_t(id % 50)];
            NoteEdits lines;
            for (int l = 0; l < kNoteLines; l += 3) {
                QString text = QString::fromLatin1(kWords[next() % 20]) + ' ' +
                               QString::number(next() % 1000) + ' ' +
                               QString::fromLatin1(kWords[next() % 20]);
                if (next() % 80 == 0)
                    text += QStringLiteral(" crack");
                lines[l] = text;
            }
            writeNoteLines(r, lines);
            QByteArray blob(kRecordLength, Qt::Uninitialized);
            for (int p = 0; p < kRecordLength; ++p)
                blob[p] = char(r[p]);
            const NoteTexts texts = noteTexts(r);
            const QByteArray text =
                QStringList(texts.begin(), texts.end()).join(QLatin1Char('\n')).toUtf8();
            sqlite3_bind_int64(entry, 1, id);
            sqlite3_bind_int64(entry, 2, start + id * 60000);
            sqlite3_bind_int(entry, 3, int(1 + id % 200));
            sqlite3_bind_blob(entry, 4, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
            sqlite3_step(entry);
            sqlite3_reset(entry);
            sqlite3_bind_int64(notes, 1, id);
            sqlite3_bind_text(notes, 2, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            sqlite3_step(notes);
            sqlite3_reset(notes);
            if (id % 100000 == 0) {
                sqlite3_exec(db, "COMMIT; BEGIN", nullptr, nullptr, nullptr);
            }
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_finalize(entry);
        sqlite3_finalize(notes);
        sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        bytes = QFileInfo(path).size();
    }
};

BigArchive& bigArchive()
{
    static BigArchive archive;
    return archive;
}

void BM_SyncedAppend(benchmark::State& state)
{
    QTemporaryDir dir;
    Module1 module;
    module.startUp();
    ArchiveJournal journal(module, dir.filePath("archive.sqlite"));
    if (!journal.open()) {
        state.SkipWithError("no archive");
        return;
    }
    const Record record = test::realisticRecord(7);
    std::vector<double> samples;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        module.store(6, record, {StoreKind::Received, QStringLiteral("/dev/ttyUSB0")});
        samples.push_back(t.nsecsElapsed() / 1e6);
    }
    state.counters["median_ms"] = bench::percentile(samples, 0.5);
    state.SetLabel("goal: median <= 5 ms");
}
BENCHMARK(BM_SyncedAppend)->Iterations(300)->Unit(benchmark::kMillisecond);

void BM_SearchNewest100(benchmark::State& state)
{
    BigArchive& big = bigArchive();
    SqliteArchive archive;
    if (archive.open(big.path)) {
        state.SkipWithError("no archive");
        return;
    }
    ArchiveQuery q;
    q.search = state.range(0) == 0 ? QStringLiteral("crack") : QStringLiteral("\"weld 7\"");
    q.limit = 100;
    std::vector<ArchiveEntry> out;
    std::vector<double> samples;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        archive.query(q, out);
        samples.push_back(t.nsecsElapsed() / 1e6);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["median_ms"] = bench::percentile(samples, 0.5);
    state.counters["found"] = double(out.size());
    state.counters["entries"] = double(big.entries);
    state.counters["bytes_per_entry"] = double(big.bytes) / double(big.entries);
    state.SetLabel(state.range(0) == 0 ? "common word; goal: median <= 50 ms"
                                       : "rare phrase; goal: median <= 50 ms");
}
BENCHMARK(BM_SearchNewest100)->Arg(0)->Arg(1)->Iterations(30)->Unit(benchmark::kMillisecond);

void BM_OpenArchiveWindow(benchmark::State& state)
{
    BigArchive& big = bigArchive();
    std::vector<double> samples;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        SqliteArchive archive;
        archive.open(big.path);
        ArchiveListModel model(&archive);
        ArchiveWindow window(&model);
        window.refresh();
        samples.push_back(bench::firstRowsPaintedMs(window, window.lstentries, t));
        if (model.rowCount() == 0)
            state.SkipWithError("no rows");
    }
    state.counters["median_ms"] = bench::percentile(samples, 0.5);
    state.SetLabel("goal: <= 300 ms to the first rows");
}
BENCHMARK(BM_OpenArchiveWindow)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return quillon::bench::runWidgetBenchmarks(argc, argv);
}
