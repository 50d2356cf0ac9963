// BM_LastByteToScreenWhileUploading: the same while the team archive's uploader is sending.
// BM_Resize: the main window at its first size showing a record, resized to a new size: the
// relayout and the repaint of everything it shows. Goal: median <= 16 ms.
//
// From the last byte of a record frame on the line to its list item marked and its trace drawn
// in the real main window. The frames are the ones the simulated instrument sends (its own
// Instrument and PseudoTerminal), written here on the terminal's master side so that the moment
// the last byte goes onto the line is known exactly. Goal: median <= 20 ms.
//
// Each received record is also appended to the archive, synced, before its item is marked; the
// argument is how many different memories the rounds go through (a few, or the whole bank).
#include "Instrument.h"
#include "PseudoTerminal.h"
#include "WidgetBench.h"

#include "app/Application.h"
#include "app/LinkController.h"
#include "app/MainWindow.h"
#include "app/TeamController.h"
#include "archive/ServerArchive.h"
#include "archive/SqliteArchive.h"
#include "link/InstrumentLink.h"
#include "support/PgCluster.h"
#include "support/Records.h"
#include "view/AscanView.h"
#include "view/WindowSettings.h"

#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include "view/MemoryList.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <unistd.h>

using namespace quillon;
using Clock = std::chrono::steady_clock;

namespace
{

// Notes when the A-scan is painted after a record was stored.
class PaintWatch : public QObject
{
public:
    bool stored = false;
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && stored)
            painted = true;
        return false;
    }
};

bool writeAll(int fd, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Lets the window take what is on the line for a while.
void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(200);
    }
}

// CPU time of this thread: the program's own work, which other programs on the machine do not
// stretch the way they stretch the wall-clock time.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// A team archive on a throwaway cluster, and waiting in the PC's archive so many entries that the
// uploader is still sending them while the records are measured.
struct UploadUnderway {
    test::PgCluster cluster;
    QString conninfo;

    bool prepare(const QString& localArchive, int waiting, QString* why)
    {
        if (!cluster.create(why) || !cluster.freshDatabase(QStringLiteral("team"), why))
            return false;
        conninfo = cluster.conninfo(QStringLiteral("team"));
        ServerArchive server;
        if (server.connect(conninfo) || server.init()) {
            *why = QStringLiteral("no team archive");
            return false;
        }
        SqliteArchive local;
        local.open(localArchive);
        std::vector<ArchiveEntry> entries(static_cast<size_t>(waiting));
        for (int n = 0; n < waiting; ++n) {
            entries[size_t(n)].memory = 1 + n % kMemoryCount;
            entries[size_t(n)].record = test::realisticRecord(entries[size_t(n)].memory);
        }
        local.appendAll(entries);
        WindowSettings::enable(QStringLiteral("QuillonBench"));
        WindowSettings::setValue(QLatin1String(TeamController::kServerKey), conninfo);
        return true;
    }

    qint64 uploaded() const
    {
        PGconn* conn = PQconnectdb(conninfo.toUtf8().constData());
        PGresult* r = PQexec(conn, "SELECT count(*) FROM quillon.entries");
        const qint64 count = QByteArray(PQgetvalue(r, 0, 0)).toLongLong();
        PQclear(r);
        PQfinish(conn);
        return count;
    }
};

void lastByteToScreen(benchmark::State& state, bool uploading)
{
    QTemporaryDir dir;
    QString error;
    const auto pty = sim::PseudoTerminal::open(&error);
    auto instrument = sim::Instrument::create(sim::SimOptions{}, &error);
    if (!dir.isValid() || !pty || !instrument) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    QDir::setCurrent(dir.path());
    qputenv("QUILLON_ARCHIVE", QFile::encodeName(dir.filePath("archive.sqlite")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    UploadUnderway upload;
    if (uploading && !upload.prepare(dir.filePath("archive.sqlite"), 200000, &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    QFile config(QStringLiteral("dfd.cfg"));
    config.open(QIODevice::WriteOnly);
    config.write(QFile::encodeName(pty->slavePath()) + "\r\n");
    config.close();

    Application app(Edition::quillon());
    app.start();
    MainWindow& w = app.window();
    if (!w.findChild<LinkController*>()->link().isOpen()) {
        state.SkipWithError("the port did not open");
        return;
    }
    w.resize(1100, 760);
    settle(200);
    PaintWatch watch;
    w.picascan->installEventFilter(&watch);
    QObject::connect(&app.module(), &Module1::rowChanged, &watch,
                     [&watch] { watch.stored = true; });

    std::vector<double> samples;
    std::vector<double> cpu;
    int memory = 0;
    for (auto _ : state) {
        memory = memory % int(state.range(0)) + 1;
        const int row = memory - 1;
        QByteArray frame;
        for (const auto& t : instrument->control(QStringLiteral("send %1").arg(memory), &error))
            frame += t.bytes;
        // Everything but the last byte, taken in by the window before the clock starts.
        writeAll(pty->master(), QByteArrayView(frame).chopped(1));
        settle(15);
        watch.stored = false;
        watch.painted = false;

        const double cpuStart = threadCpuMs();
        const auto start = Clock::now();
        writeAll(pty->master(), QByteArrayView(frame).last(1));
        while (
            !(watch.painted && app.module().marked[row] && w.lstmem->itemText(row).endsWith(u'*')))
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        samples.push_back(took.count() * 1000);
        cpu.push_back(threadCpuMs() - cpuStart);

        // The next round marks its memory afresh.
        app.module().store(row, app.module().membank[row], {StoreKind::Restored, {}, false});
    }
    state.counters["median_ms"] = bench::percentile(samples, 0.5);
    state.counters["p90_ms"] = bench::percentile(samples, 0.9);
    state.counters["max_ms"] = *std::max_element(samples.begin(), samples.end());
    state.counters["cpu_median_ms"] = bench::percentile(cpu, 0.5);
    if (uploading) // how far the upload had come by the end: it ran throughout
        state.counters["uploaded"] = double(upload.uploaded());
    state.SetLabel(uploading ? "goal: median <= 20 ms while the team upload runs"
                             : "goal: median <= 20 ms");
}

void BM_LastByteToScreen(benchmark::State& state)
{
    lastByteToScreen(state, false);
}
BENCHMARK(BM_LastByteToScreen)
    ->ArgName("memories")
    ->Arg(10)
    ->Arg(kMemoryCount)
    ->UseManualTime()
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond);

// The same while the uploader sends 200,000 waiting entries to a team archive on this machine.
void BM_LastByteToScreenWhileUploading(benchmark::State& state)
{
    lastByteToScreen(state, true);
}
BENCHMARK(BM_LastByteToScreenWhileUploading)
    ->ArgName("memories")
    ->Arg(10)
    ->UseManualTime()
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond);

void BM_Resize(benchmark::State& state)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    qputenv("QUILLON_ARCHIVE", QFile::encodeName(dir.filePath("archive.sqlite")));
    Application app(Edition::quillon());
    MainWindow& w = app.window();
    w.startUp();
    w.fitToContents();
    app.module().store(6, app.module().membank[6], {StoreKind::Restored, {}, true});
    w.showRecord(6);
    w.show();
    settle(200);
    const QSize first = w.size();
    std::vector<double> samples;
    int round = 0;
    for (auto _ : state) {
        // Alternately a little larger and back: every round lays out and paints anew.
        const int step = (++round % 2) * 40;
        const auto start = Clock::now();
        w.resize(first + QSize(step, step / 2));
        w.repaint();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        samples.push_back(took.count() * 1000);
    }
    state.counters["median_ms"] = bench::percentile(samples, 0.5);
    state.counters["max_ms"] = *std::max_element(samples.begin(), samples.end());
    state.SetLabel("goal: median <= 16 ms");
}
BENCHMARK(BM_Resize)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return quillon::bench::runWidgetBenchmarks(argc, argv);
}
