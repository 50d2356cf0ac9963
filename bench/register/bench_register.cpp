// The defect register's speed. Goals: the register of 1,000,000 entries (100,000 locations)
// <= 1 s from the local archive and <= 2 s from a team archive on a test server; the register
// window's first rows <= 300 ms on that archive; one synced append with the register's values
// kept beside the entry and its location's summary <= 5 ms (median). Measured here: the rules alone
// over entries in memory, then each goal over one season of rounds written once per run (100,000
// defects over 13 rounds by default; QUILLON_BENCH_REGISTER_LOCATIONS sets the number of defects).
#include "archive/RegisterReading.h"
#include "archive/ServerArchive.h"
#include "archive/TeamSync.h"
#include "support/PgCluster.h"
#include "support/SeasonArchive.h"
#include "view/RegisterModel.h"
#include "view/RegisterWindow.h"
#include "WidgetBench.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTreeView>

#include <vector>

using namespace quillon;

namespace
{
int locationCount()
{
    const int n = qEnvironmentVariableIntValue("QUILLON_BENCH_REGISTER_LOCATIONS");
    return n > 0 ? n : 100000;
}

constexpr int kRounds = 13;

// The season's archive file, written once with bulk appends of 5,000 entries per transaction.
struct SeasonFile {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("archive.sqlite"));
    int entries = test::writeSeason(path, test::Season(locationCount(), kRounds));
};

SeasonFile& seasonFile()
{
    static SeasonFile file;
    return file;
}

// The same entries in a team archive on a throwaway cluster, sent as the uploader sends them.
struct SeasonServer {
    test::PgCluster cluster;
    QString conninfo;
    SeasonServer()
    {
        QString why;
        if (!cluster.create(&why) || !cluster.freshDatabase(QStringLiteral("team"), &why))
            qFatal("no cluster: %s", qPrintable(why));
        conninfo = cluster.conninfo(QStringLiteral("team"));
        ServerArchive server;
        SqliteArchive local;
        TeamSync::Count count;
        if (server.connect(conninfo) || server.init() ||
            local.open(seasonFile().path, SqliteArchive::Open::ExistingOnly) ||
            TeamSync(local, server).run(count))
            qFatal("the season was not sent");
        cluster.run(QStringLiteral("VACUUM ANALYZE"), QStringLiteral("team"));
    }
};

SeasonServer& seasonServer()
{
    static SeasonServer server;
    return server;
}

// The rules: every entry's own values and the grouping, over entries held in memory.
void BM_RegisterRules(benchmark::State& state)
{
    std::vector<Record> records;
    std::vector<int> memories;
    test::Season(2000, kRounds).forEachEntry([&](int memory, qint64, const Record& r) {
        records.push_back(r);
        memories.push_back(memory);
    });
    for (auto _ : state) {
        DefectRegister reg;
        for (size_t i = 0; i < records.size(); ++i)
            reg.add(qint64(i + 1), 0, memories[i], records[i]);
        benchmark::DoNotOptimize(reg.locations());
    }
    state.SetItemsProcessed(state.iterations() * qint64(records.size()));
    state.SetLabel("entries per second, values made from each record");
}
BENCHMARK(BM_RegisterRules)->Iterations(3)->Unit(benchmark::kMillisecond);

void readFrom(benchmark::State& state, ArchiveStore& store)
{
    size_t locations = 0;
    for (auto _ : state) {
        std::vector<DefectLocation> read;
        if (store.registerLocations(read))
            state.SkipWithError("not read");
        locations = read.size();
    }
    state.counters["entries"] = seasonFile().entries;
    state.counters["locations"] = double(locations);
}

// The register of the whole archive file: one query over its summary of the locations.
void BM_RegisterFromArchive(benchmark::State& state)
{
    SqliteArchive archive;
    archive.open(seasonFile().path, SqliteArchive::Open::ExistingOnly);
    readFrom(state, archive);
    state.SetLabel("goal: 1,000,000 entries <= 1 s");
}
BENCHMARK(BM_RegisterFromArchive)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The grouped query over every entry, its rows read into values and dropped: what the team
// archive answers, and what an older file's summary is made from once.
void BM_RegisterQueryOnly(benchmark::State& state)
{
    SqliteArchive archive;
    archive.open(seasonFile().path, SqliteArchive::Open::ExistingOnly);
    qint64 rows = 0;
    for (auto _ : state) {
        rows = 0;
        archive.registerTests([&rows](RegisterEntry&&) { ++rows; });
    }
    state.counters["tests"] = double(rows);
    state.SetLabel("the local archive's grouped query");
}
BENCHMARK(BM_RegisterQueryOnly)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RegisterFromServer(benchmark::State& state)
{
    ServerArchive server;
    if (server.open(seasonServer().conninfo)) {
        state.SkipWithError("no team archive");
        return;
    }
    readFrom(state, server);
    state.SetLabel("goal: 1,000,000 entries <= 2 s");
}
BENCHMARK(BM_RegisterFromServer)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window on the archive: the locations read (`limit` > 0: the first page only), given to its
// model, the filters' choices made and the first rows painted; milliseconds per run.
void windowRows(benchmark::State& state, int limit)
{
    std::vector<double> samples;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        SqliteArchive archive;
        archive.open(seasonFile().path, SqliteArchive::Open::ExistingOnly);
        std::vector<DefectLocation> read;
        archive.registerLocations(read, limit);
        RegisterModel model;
        model.setLocations(std::move(read));
        RegisterWindow window(&model);
        window.registerChanged();
        samples.push_back(bench::firstRowsPaintedMs(window, window.lstlocations, t));
        if (model.rowCount() == 0)
            state.SkipWithError("no rows");
    }
    state.counters["median_ms"] = bench::percentile(samples, 0.5);
}

// What the window shows first when it opens: the first page of the register, read as its
// reading thread reads it before the rest.
void BM_RegisterWindowFirstRows(benchmark::State& state)
{
    windowRows(state, 200);
    state.SetLabel("goal: <= 300 ms to the first rows");
}
BENCHMARK(BM_RegisterWindowFirstRows)->Iterations(3)->Unit(benchmark::kMillisecond);

// Then every row (sorting and filtering work from here on).
void BM_RegisterWindowAllRows(benchmark::State& state)
{
    windowRows(state, 0);
    state.SetLabel("every row in the window");
}
BENCHMARK(BM_RegisterWindowAllRows)->Iterations(3)->Unit(benchmark::kMillisecond);

// One received record appended to the season's archive, synced, its register values with it
// and its location's summary made anew (the location gains a test with each append).
void BM_SyncedAppendWithRegisterValues(benchmark::State& state)
{
    SqliteArchive archive;
    archive.open(seasonFile().path, SqliteArchive::Open::ExistingOnly);
    Record record{};
    test::Season(1, 1).forEachEntry([&](int, qint64, const Record& r) { record = r; });
    std::vector<double> samples;
    for (auto _ : state) {
        ArchiveEntry e;
        e.memory = 7;
        e.record = record;
        record[0] = std::int16_t((record[0] + 1) % 256); // a test of its own each time
        QElapsedTimer t;
        t.start();
        if (archive.append(e))
            state.SkipWithError("not appended");
        samples.push_back(t.nsecsElapsed() / 1e6);
    }
    state.counters["median_ms"] = bench::percentile(samples, 0.5);
    state.SetLabel("goal: median <= 5 ms");
}
BENCHMARK(BM_SyncedAppendWithRegisterValues)->Iterations(200)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return bench::runWidgetBenchmarks(argc, argv);
}
