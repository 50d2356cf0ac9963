// The A-scan tools in the real main window, painting on the offscreen platform:
// - an arrow key press to the cursor, its readout and the A-scan repainted (goal: median <= 4 ms);
// - one wheel notch of zoom on the full trace to the A-scan repainted (goal: <= 8 ms per frame),
//   alone and with a second trace to compare.
#include "app/Application.h"
#include "app/AscanToolsController.h"
#include "app/MainWindow.h"
#include "view/AscanOverlay.h"
#include "view/AscanView.h"
#include "WidgetBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <algorithm>
#include <chrono>
#include <cmath>

using namespace quillon;
using Clock = std::chrono::steady_clock;

namespace
{

// A record with a noisy baseline, two echoes, gate 1 and DAC on, range 200.
Record benchRecord(int shift)
{
    Record r{};
    for (int p = 260; p <= 840; ++p)
        r[p] = ' ';
    for (int i = 0; i < kDrawnSamples; ++i) {
        const double a = 85 * std::exp(-std::pow((i - 90 - shift) / 4.0, 2)) +
                         60 * std::exp(-std::pow((i - 190 - shift) / 6.0, 2));
        r[i] = std::int16_t(a + (i * 37) % 5);
    }
    putText(r, 267, "200    ");
    putText(r, 281, "0.0    ");
    putText(r, 295, "ON     ");
    putText(r, 302, "30%    ");
    putText(r, 309, "25%    ");
    putText(r, 316, "40%    ");
    putText(r, 323, "ON     ");
    putText(r, 330, "70%    ");
    putText(r, 337, "20%    ");
    putText(r, 344, "30%    ");
    putText(r, 431, "ON 6/14");
    const int dac[][2] = {{10, 90}, {80, 70}, {160, 40}, {250, 20}};
    for (int k = 0; k < 4; ++k) {
        r[kDacFirst + 2 * k] = std::int16_t(dac[k][0]);
        r[kDacFirst + 2 * k + 1] = std::int16_t(dac[k][1]);
    }
    putText(r, kMemoryNumberPos, "7  ");
    return r;
}

// Counts the paint events of a widget, so that a figure is known to include the painting.
class PaintCount : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A working folder of its own, entered before the program starts: the recovery file goes there.
struct WorkFolder {
    QTemporaryDir dir;
    WorkFolder() { QDir::setCurrent(dir.path()); }
};

struct Window {
    WorkFolder folder;
    Application app{Edition::quillon()};
    MainWindow& w = app.window();
    AscanToolsController& tools = *w.findChild<AscanToolsController*>();
    QLabel& readout = *w.findChild<QLabel*>(QStringLiteral("lblcursor"));

    explicit Window(bool compare)
    {
        w.startUp();
        Module1& m = app.module();
        for (int memory : {3, 7}) {
            m.recbuf = benchRecord(memory == 3 ? 12 : 0);
            m.store(memory - 1, m.recbuf, {StoreKind::Received, {}});
        }
        w.resize(1100, 760);
        w.show();
        w.openMemory(6);
        if (compare)
            tools.compareWith(2);
        QCoreApplication::processEvents();
    }
};

// Each figure without and with a second memory compared: 400 frames, timed by hand.
void withAndWithoutCompare(benchmark::internal::Benchmark* b)
{
    b->ArgName("compare")->Arg(0)->Arg(1)->UseManualTime()->Iterations(400);
    b->Unit(benchmark::kMillisecond);
}

void BM_CursorMoveToReadout(benchmark::State& state)
{
    Window win(state.range(0) != 0);
    AscanView& view = *win.w.picascan;
    view.setFocus();
    win.tools.overlay().setCursorSample(100);
    PaintCount viewPaints;
    PaintCount readoutPaints;
    view.installEventFilter(&viewPaints);
    win.readout.installEventFilter(&readoutPaints);
    std::vector<double> samples;
    int n = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        QKeyEvent press(QEvent::KeyPress, (n++ / 20) % 2 ? Qt::Key_Left : Qt::Key_Right,
                        Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &press);
        view.repaint();
        win.readout.repaint();
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        samples.push_back(took.count() * 1000);
    }
    if (viewPaints.paints < n || readoutPaints.paints < n) {
        state.SkipWithError("a cursor move was not painted");
        return;
    }
    state.counters["median_ms"] = bench::percentile(samples, 0.5);
    state.counters["p90_ms"] = bench::percentile(samples, 0.9);
    state.SetLabel("goal: median <= 4 ms");
}
BENCHMARK(BM_CursorMoveToReadout)->Apply(withAndWithoutCompare);

void BM_ZoomFrame(benchmark::State& state)
{
    Window win(state.range(0) != 0);
    AscanView& view = *win.w.picascan;
    const QRectF s = view.surfaceRect();
    const QPointF at(s.left() + s.width() * 0.4, s.center().y());
    PaintCount viewPaints;
    view.installEventFilter(&viewPaints);
    std::vector<double> samples;
    int n = 0;
    for (auto _ : state) {
        // Ten notches in from the whole trace, ten back out, and again.
        const int delta = (n++ / 10) % 2 ? -120 : 120;
        const auto start = Clock::now();
        QWheelEvent wheel(at, view.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&view, &wheel);
        view.repaint();
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        samples.push_back(took.count() * 1000);
    }
    if (viewPaints.paints < n || win.tools.overlay().isZoomed()) { // ends on the whole trace
        state.SkipWithError("a zoom step was not painted");
        return;
    }
    state.counters["median_ms"] = bench::percentile(samples, 0.5);
    state.counters["max_ms"] = *std::max_element(samples.begin(), samples.end());
    state.SetLabel("goal: <= 8 ms per frame");
}
BENCHMARK(BM_ZoomFrame)->Apply(withAndWithoutCompare);

} // namespace

int main(int argc, char** argv)
{
    return quillon::bench::runWidgetBenchmarks(argc, argv);
}
