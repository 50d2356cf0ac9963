// The bank overview with a full bank (200 received memories): from "Bank overview" in the menu
// to the table painted with its thumbnails, on a program whose table has drawn nothing yet
// (goal: <= 150 ms); and one keystroke in the filter box to the table repainted (goal: <= 10 ms
// per keystroke); a click on "Tested" to the 200 rows sorted by when they were tested and
// repainted (goal: <= 5 ms); "Export table" of the 200 rows as a workbook (no goal: it shows
// whether the window's export needs a progress bar). Wall clock.
//
// And quillon-cli table over a season of bank files (365 files, 200 memories each) as whole
// processes: to CSV (goal: <= 2 s) and to XLSX with the "Samples" sheet (no goal: the figure; the
// library's fixed compression level is its floor).

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/OverviewController.h"
#include "core/BankFile.h"
#include "core/NoteLines.h"
#include "support/Records.h"
#include "view/BankOverviewWindow.h"
#include "view/BankTableModel.h"
#include "WidgetBench.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace quillon;

namespace
{

// A program in a folder of its own whose bank holds 200 received memories.
struct Program {
    QTemporaryDir folder;
    std::unique_ptr<Application> app;

    Program()
    {
        QDir::setCurrent(folder.path());
        app = std::make_unique<Application>(Edition::quillon());
        app->start();
        for (int memory = 1; memory <= kMemoryCount; ++memory) {
            Record r = test::realisticRecord(memory);
            test::setNote(r, 3, QStringLiteral("KM %1").arg(100 + memory % 40));
            // A season's memories, tested on scattered days and hours.
            const int day = 1 + memory * 7 % 28, month = 1 + memory % 12, hour = memory * 5 % 24;
            test::setTimeDate(r, QStringLiteral("%1%2%3%4%5")
                                     .arg(hour, 2, 10, QChar('0'))
                                     .arg(memory % 60, 2, 10, QChar('0'))
                                     .arg(day, 2, 10, QChar('0'))
                                     .arg(month, 2, 10, QChar('0'))
                                     .arg(24));
            app->module().store(memory - 1, r, {StoreKind::Received, {}});
        }
        QCoreApplication::processEvents();
    }
    OverviewController& overview() { return *app->window().findChild<OverviewController*>(); }
};

void BM_OverviewShown(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        state.ResumeTiming();
        program->overview().mnuoverview->trigger();
        BankOverviewWindow* w = program->overview().overviewWindow();
        w->resize(1100, 700);
        benchmark::DoNotOptimize(w->grab()); // every visible row painted, thumbnails included
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
    state.SetLabel("goal: <= 150 ms");
}

void BM_FilterKeystroke(benchmark::State& state)
{
    Program program;
    program.overview().showOverview();
    BankOverviewWindow* w = program.overview().overviewWindow();
    w->resize(1100, 700);
    w->grab();
    const QStringList typed{"K", "KM", "KM ", "KM 1", "KM 12", "KM 1", "KM ", "KM", "K", ""};
    qsizetype k = 0;
    for (auto _ : state) {
        w->txtfilter->setText(typed[k++ % typed.size()]);
        w->grdbank->viewport()->repaint();
    }
    state.SetLabel("goal: <= 10 ms per keystroke");
}

void BM_SortByTested(benchmark::State& state)
{
    Program program;
    program.overview().showOverview();
    BankOverviewWindow* w = program.overview().overviewWindow();
    w->chkall->setChecked(true);
    w->resize(1100, 700);
    w->grab();
    Qt::SortOrder order = Qt::AscendingOrder;
    for (auto _ : state) {
        w->grdbank->sortByColumn(BankTableModel::Tested, order);
        w->grdbank->viewport()->repaint();
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    state.SetLabel("goal: <= 5 ms");
}

void BM_ExportShownAsWorkbook(benchmark::State& state)
{
    Program program;
    program.overview().showOverview();
    program.overview().overviewWindow()->chkall->setChecked(true);
    const QString out = program.folder.filePath(QStringLiteral("shown.xlsx"));
    for (auto _ : state)
        if (!program.overview().exportTo(out))
            state.SkipWithError("the export failed");
    state.SetLabel("200 rows, no goal");
}

// A season of bank files: 365 files of 200 received memories.
struct Season {
    QTemporaryDir folder;
    QStringList files;
    Season()
    {
        auto contents = std::make_unique<BankFileContents>();
        for (int memory = 1; memory <= kMemoryCount; ++memory)
            contents->bank[memory - 1] = test::realisticRecord(memory);
        for (int day = 0; day < 365; ++day) {
            for (int memory = 1; memory <= kMemoryCount; ++memory)
                test::setNote(contents->bank[memory - 1], 3, QStringLiteral("KM %1").arg(day));
            const QString path =
                folder.filePath(QStringLiteral("day%1.dat").arg(day, 3, 10, QChar('0')));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(writeBank(contents->bank));
            files << path;
        }
    }
};

void BM_TableOfASeason(benchmark::State& state, const char* format)
{
    static Season season;
    const QString cli =
        qEnvironmentVariable("QUILLON_BIN_DIR") + QStringLiteral("/tools/cli/quillon-cli");
    const QString out = season.folder.filePath(QStringLiteral("season.") + QLatin1String(format));
    for (auto _ : state) {
        QProcess process;
        process.start(cli, QStringList{QStringLiteral("table")} + season.files +
                               QStringList{QStringLiteral("--format"), QLatin1String(format),
                                           QStringLiteral("-o"), out});
        if (!process.waitForFinished(120000) || process.exitCode() != 0) {
            state.SkipWithError("quillon-cli table failed");
            return;
        }
    }
    state.counters["MB"] = double(QFile(out).size()) / 1e6;
    state.SetLabel(format[0] == 'c' ? "goal: <= 2 s" : "no goal: the figure");
}

} // namespace

BENCHMARK(BM_OverviewShown)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SortByTested)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportShownAsWorkbook)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_TableOfASeason, csv, "csv")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_TableOfASeason, xlsx, "xlsx")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

int main(int argc, char** argv)
{
    return quillon::bench::runWidgetBenchmarks(argc, argv);
}
