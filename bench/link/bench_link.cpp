// The instrument link against the simulated instrument pacing its output at 9600 baud.
//
//   capture of 20 memories: total time / wire time, goal <= 1.05 (wire time: bytes on the line
//     x 10 / 9600; given for all bytes, and for the instrument's bytes alone, since the program's
//     requests reach a pseudo-terminal at once)
//   last byte of a frame to stored (frameStored), to the drawing model and panel texts built, and
//     to the trace rendered into an image: median, goal <= 20 ms
//   CPU of the link with the port open and idle for 10 s, goal < 1 % of a core; while receiving
//     paced frames, goal < 5 %
#include "Instrument.h"
#include "support/CpuTime.h"
#include "support/SimProcess.h"

#include "core/AscanDrawingBuilder.h"
#include "core/AscanDrawingPainter.h"
#include "core/Module1.h"
#include "core/PanelTexts.h"
#include "link/InstrumentCommands.h"
#include "link/InstrumentLink.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>

using namespace quillon;
using namespace std::chrono_literals;
using quillon::test::cpuSeconds;
using quillon::test::SimProcess;

namespace
{
qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs the event loop until `quit` is called or the time limit passes.
void runLoop(QEventLoop& loop, std::chrono::milliseconds limit)
{
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Setup {
    std::unique_ptr<SimProcess> sim;
    Module1 module;
    std::unique_ptr<InstrumentLink> link;

    bool start(const QStringList& options, benchmark::State& state)
    {
        sim = std::make_unique<SimProcess>(options);
        module.startUp();
        link = std::make_unique<InstrumentLink>(module);
        QString error;
        if (!sim->start()) {
            state.SkipWithError("the simulator did not start (QUILLON_BIN_DIR set?)");
            return false;
        }
        if (!link->open(sim->device(), &error)) {
            state.SkipWithError(error.toLocal8Bit().constData());
            return false;
        }
        return true;
    }
};

void BM_CaptureTwentyMemoriesPaced(benchmark::State& state)
{
    constexpr int kMemories = 20;
    for (auto _ : state) {
        Setup s;
        // The instrument answers at once: the time measured is the line's and the program's.
        if (!s.start({"--reply-delay", "0"}, state))
            return;
        QEventLoop loop;
        int stored = 0;
        QObject::connect(&s.module, &Module1::rowChanged, &loop, [&] { ++stored; });
        QObject::connect(&s.link->capture(), &Capture::captureFinished, &loop, &QEventLoop::quit);
        QList<int> rows;
        for (int row = 0; row < kMemories; ++row)
            rows.append(row);
        const double cpu0 = cpuSeconds();
        const qint64 t0 = monotonicNs();
        s.link->capture().start(rows);
        runLoop(loop, 120s);
        const double total = double(monotonicNs() - t0) / 1e9;
        const double cpu = cpuSeconds() - cpu0;
        state.SetIterationTime(total);

        QString error;
        auto instrument = sim::Instrument::create(sim::SimOptions{}, &error);
        qint64 instrumentBytes = 0;
        for (int m = 1; m <= kMemories; ++m)
            instrumentBytes += instrument->frameOf(instrument->recordOf(m)).size();
        const qint64 programBytes = kMemories * memoryRequest(1).size() + releaseCommands().size();
        const double wireAll = double(instrumentBytes + programBytes) * 10 / 9600;
        const double wireInstrument = double(instrumentBytes) * 10 / 9600;
        state.counters["stored"] = stored;
        state.counters["total_s"] = total;
        state.counters["wire_all_s"] = wireAll;
        state.counters["ratio_all(goal<=1.05)"] = total / wireAll;
        state.counters["ratio_instrument_bytes"] = total / wireInstrument;
        state.counters["cpu_pct_receiving(goal<5)"] = 100 * cpu / total;
    }
}

void BM_FrameEndToStoredAndDrawn(benchmark::State& state)
{
    constexpr int kFrames = 10;
    for (auto _ : state) {
        Setup s;
        if (!s.start({"--timestamps"}, state))
            return;
        QEventLoop loop;
        std::vector<qint64> ends, storedAt, modelAt, imageAt;
        std::vector<double> receivingCpu;
        double cpuAtStart = 0;
        qint64 startedAt = 0;
        QObject::connect(&s.sim->process(), &QProcess::readyReadStandardOutput, &loop, [&] {
            while (s.sim->process().canReadLine()) {
                const QByteArray line = s.sim->process().readLine().trimmed();
                if (line.startsWith("end "))
                    ends.push_back(line.mid(4).toLongLong());
            }
        });
        QObject::connect(&s.link->reception(), &Reception::frameStarted, &loop, [&] {
            cpuAtStart = cpuSeconds();
            startedAt = monotonicNs();
        });
        int sent = 1;
        QObject::connect(&s.module, &Module1::rowChanged, &loop, [&](int row) {
            storedAt.push_back(monotonicNs());
            receivingCpu.push_back(100 * (cpuSeconds() - cpuAtStart) /
                                   (double(storedAt.back() - startedAt) / 1e9));
            // What the window does next: the drawing model and the panel and note texts...
            const AscanDrawing drawing = drawRecord(s.module.membank[row]);
            const PanelTexts panel = panelTexts(s.module.recbuf);
            benchmark::DoNotOptimize(panel);
            modelAt.push_back(monotonicNs());
            // ...and the trace painted.
            const QImage image = renderAscan(drawing);
            benchmark::DoNotOptimize(image);
            imageAt.push_back(monotonicNs());
            if (sent < kFrames)
                s.sim->control(QStringLiteral("send %1").arg(++sent));
            else
                QTimer::singleShot(300ms, &loop, &QEventLoop::quit); // the last "end" line
        });
        s.sim->control(QStringLiteral("send 1"));
        runLoop(loop, 60s);
        if (ends.size() < storedAt.size() || storedAt.size() < size_t(kFrames)) {
            state.SkipWithError("frames or timestamps missing");
            return;
        }
        std::vector<double> toStored, toModel, toImage;
        for (size_t i = 0; i < storedAt.size(); ++i) {
            toStored.push_back(double(storedAt[i] - ends[i]) / 1e6);
            toModel.push_back(double(modelAt[i] - ends[i]) / 1e6);
            toImage.push_back(double(imageAt[i] - ends[i]) / 1e6);
        }
        state.SetIterationTime(median(toImage) / 1e3);
        state.counters["frames"] = double(storedAt.size());
        state.counters["to_stored_ms_median"] = median(toStored);
        state.counters["to_model_ms_median"] = median(toModel);
        state.counters["to_image_ms_median(goal<=20)"] = median(toImage);
        state.counters["to_image_ms_max"] = *std::max_element(toImage.begin(), toImage.end());
        state.counters["cpu_pct_receiving_frame(goal<5)"] = median(receivingCpu);
    }
}

void BM_IdleCpuTenSeconds(benchmark::State& state)
{
    for (auto _ : state) {
        Setup s;
        if (!s.start({}, state))
            return;
        QEventLoop loop;
        const double cpu0 = cpuSeconds();
        const qint64 t0 = monotonicNs();
        runLoop(loop, 10s);
        const double wall = double(monotonicNs() - t0) / 1e9;
        state.SetIterationTime(wall);
        state.counters["cpu_pct_idle(goal<1)"] = 100 * (cpuSeconds() - cpu0) / wall;
    }
}
} // namespace

BENCHMARK(BM_CaptureTwentyMemoriesPaced)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_FrameEndToStoredAndDrawn)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleCpuTenSeconds)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
