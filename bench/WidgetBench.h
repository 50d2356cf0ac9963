#pragma once

// What the benchmarks of the windows share: a sample's percentile, and their main().

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace quillon::bench
{

// The sample below which a share `p` (0..1) of the samples lie.
inline double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

// Shows `window` and paints the first rows of `list`; the milliseconds since `started`.
inline double firstRowsPaintedMs(QWidget& window, QAbstractItemView* list,
                                 const QElapsedTimer& started)
{
    window.show();
    list->viewport()->repaint();
    QCoreApplication::processEvents();
    return double(started.nsecsElapsed()) / 1e6;
}

// main() of a benchmark program that shows widgets: offscreen unless a platform is set, then
// every benchmark of the program.
inline int runWidgetBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace quillon::bench
