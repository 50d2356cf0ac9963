// The team archive on a throwaway PostgreSQL cluster (local socket). Goals: sync throughput
// >= 5,000 entries/s; a catch-up of 10,000 waiting entries <= 3 s; a team search over 1,000,000
// entries returning the newest 100 matches <= 50 ms; the Archive window's team view, its first rows
// <= 300 ms. The server's bytes per entry are reported
// beside the catch-up. QUILLON_BENCH_TEAM_ENTRIES sets another size for the search's table.
#include "archive/ArchiveReader.h"
#include "archive/TeamSync.h"
#include "core/NoteLines.h"
#include "support/PgCluster.h"
#include "support/Records.h"
#include "view/ArchiveListModel.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <libpq-fe.h>

using namespace quillon;
using namespace quillon::test;

namespace
{

const char* const kWords[] = {"rail",  "weld",  "head",  "web",    "foot", "joint", "bolt",
                              "north", "south", "track", "switch", "km",   "left",  "right",
                              "gauge", "probe", "echo",  "flaw",   "ok",   "check"};

PgCluster& cluster()
{
    static PgCluster* c = [] {
        auto* made = new PgCluster;
        QString why;
        if (!made->create(&why))
            qFatal("no cluster: %s", qPrintable(why));
        return made;
    }();
    return *c;
}

// A fresh team archive in `database`.
QString teamDatabase(const char* database)
{
    cluster().freshDatabase(QLatin1String(database));
    ServerArchive server;
    if (server.connect(cluster().conninfo(QLatin1String(database))) || server.init())
        qFatal("no team archive");
    return cluster().conninfo(QLatin1String(database));
}

// A PC's archive of `count` realistic records with varied note lines.
void fillLocal(SqliteArchive& local, const QString& path, int count)
{
    local.open(path);
    std::vector<ArchiveEntry> entries(static_cast<size_t>(count));
    for (int n = 0; n < count; ++n) {
        ArchiveEntry& e = entries[size_t(n)];
        e.memory = 1 + n % 200;
        e.record = realisticRecord(e.memory);
        setNote(e.record, 0,
                QStringLiteral("%1 %2 km %3").arg(kWords[n % 20], kWords[(n * 7) % 20]).arg(n));
    }
    local.appendAll(entries);
}

qint64 scalar(const QString& conninfo, const char* sql)
{
    PGconn* conn = PQconnectdb(conninfo.toUtf8().constData());
    PGresult* r = PQexec(conn, sql);
    const qint64 value = QByteArray(PQgetvalue(r, 0, 0)).toLongLong();
    PQclear(r);
    PQfinish(conn);
    return value;
}

// Every waiting entry sent, a batch per transaction, as the uploader and `archive sync` do.
void BM_CatchUp(benchmark::State& state)
{
    const QString server = teamDatabase("catchup");
    const int count = int(state.range(0));
    QTemporaryDir dir;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        SqliteArchive local;
        fillLocal(local, dir.filePath(QStringLiteral("pc%1.sqlite").arg(++run)), count);
        ServerArchive team;
        team.open(server);
        state.ResumeTiming();
        TeamSync::Count sent;
        if (TeamSync(local, team).run(sent) || sent.sent != count)
            state.SkipWithError("the sync failed");
    }
    state.counters["entries_per_s"] =
        benchmark::Counter(double(count) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["server_bytes_per_entry"] =
        double(scalar(server, "SELECT pg_total_relation_size('quillon.entries')")) /
        double(scalar(server, "SELECT count(*) FROM quillon.entries"));
}
BENCHMARK(BM_CatchUp)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The team's table filled on the server itself (generate_series): the same words as the PCs'.
QString bigTeam()
{
    static const QString conninfo = [] {
        const QString info = teamDatabase("search");
        qint64 entries = qEnvironmentVariableIntValue("QUILLON_BENCH_TEAM_ENTRIES");
        if (entries <= 0)
            entries = 1000000;
        QString words = QStringLiteral("ARRAY[");
        for (const char* w : kWords)
            words += QStringLiteral("'%1',").arg(QLatin1String(w));
        words.chop(1);
        words += QLatin1Char(']');
        const QString fill =
            QStringLiteral(
                "INSERT INTO quillon.origins VALUES ('00000000-0000-4000-8000-000000000001', "
                "'bench', now());"
                "INSERT INTO quillon.entries(origin, local_id, time, kind, memory, source, host,"
                " os_user, record, notes, note_words)"
                " SELECT '00000000-0000-4000-8000-000000000001', g, now() - g * interval '1 s',"
                " 'received', 1 + g % 200, '/dev/ttyUSB0', 'bench', 'ann',"
                " substring(decode(repeat(md5(g::text), 53), 'hex') from 1 for 841),"
                " ARRAY[w, '', '', '', '', '', '', '', '', '', '', ''], w FROM (SELECT g,"
                " (%1)[1 + g % 20] || ' ' || (%1)[1 + (g * 7) % 20] || ' km ' || g % 1000 ||"
                " CASE WHEN g % 20 = 0 THEN ' crack' ELSE '' END AS w"
                " FROM generate_series(1, %2) g) s; ANALYZE quillon.entries")
                .arg(words)
                .arg(entries);
        QString why;
        if (!cluster().run(fill, QStringLiteral("search"), &why))
            qFatal("no fill: %s", qPrintable(why));
        return info;
    }();
    return conninfo;
}

void search(benchmark::State& state, const char* typed)
{
    ServerArchive team;
    team.open(bigTeam());
    ArchiveQuery q;
    q.search = QLatin1String(typed);
    std::vector<ArchiveEntry> out;
    for (auto _ : state)
        if (team.query(q, out) || out.size() != 100)
            state.SkipWithError("the search failed");
}
void BM_TeamSearchCommonWord(benchmark::State& state)
{
    search(state, "weld");
}
void BM_TeamSearchRareWord(benchmark::State& state)
{
    search(state, "crack");
}
void BM_TeamSearchPhrase(benchmark::State& state)
{
    search(state, "\"north km\"");
}
BENCHMARK(BM_TeamSearchCommonWord)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_TeamSearchRareWord)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_TeamSearchPhrase)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The Archive window's team view over the big table: from asking for the list to its first rows
// in the model, read by the window's reader on a thread of its own.
void BM_TeamViewFirstRows(benchmark::State& state)
{
    const QString conninfo = bigTeam();
    QThread thread;
    auto* reader = new ArchiveReader;
    reader->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, reader, &QObject::deleteLater);
    thread.start();
    QMetaObject::invokeMethod(reader, "useServer", Q_ARG(QString, conninfo));
    for (auto _ : state) {
        ArchiveListModel model(nullptr);
        model.setReader(reader);
        model.setQuery({});
        QElapsedTimer waited;
        waited.start();
        while (model.rowCount() == 0 && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (model.rowCount() == 0) {
            state.SkipWithError("no rows came");
            break;
        }
    }
    thread.quit();
    thread.wait();
    state.SetLabel("goal: <= 300 ms");
}
BENCHMARK(BM_TeamViewFirstRows)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete &cluster(); // stops the server
    return 0;
}
