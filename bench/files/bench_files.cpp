// Save and open of a full bank (200 received memories) through the window, as the operator
// drives them: "Save" in the menu, then "Ok" of the save form ("Replace" when the file is already
// there); "Open" in the menu, then "Ok" of the open form on that file (read, checked, the bank
// and the list replaced, the record on display redrawn). Wall-clock time, since the file is
// really written and synced. Goal: a median of at most 30 ms each.

#include "app/Application.h"
#include "app/MainWindow.h"
#include "files/OpenWindow.h"
#include "files/SaveWindow.h"
#include "support/Records.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace quillon;

namespace
{

constexpr const char* kGoal = "goal: median <= 30 ms";

// One program in a working folder of its own, its bank full of received memories.
struct Program {
    QTemporaryDir folder;
    std::unique_ptr<Application> app;

    Program()
    {
        QDir::setCurrent(folder.path());
        qputenv("QUILLON_ARCHIVE", QFile::encodeName(folder.filePath("archive.sqlite")));
        app = std::make_unique<Application>(Edition::quillon());
        app->start();
        QCoreApplication::processEvents();
        for (int memory = 1; memory <= kMemoryCount; ++memory) {
            app->module().store(memory - 1, test::realisticRecord(memory),
                                {StoreKind::Received, {}});
        }
        app->window().showRecord(kMemoryCount - 1);
    }
    MainWindow& window() { return app->window(); }

    void save()
    {
        window().mnusave->trigger();
        auto* form = window().findChild<SaveWindow*>(QStringLiteral("frmsave"));
        form->cmdsaveok->click();
        // The file is there from the last round: the operator agrees to replace it.
        if (auto* question = form->findChild<QMessageBox*>(QStringLiteral("quillonQuestion")))
            for (QAbstractButton* button : question->buttons())
                if (button->text() == QStringLiteral("Replace"))
                    button->click();
        if (form->isVisible())
            std::fputs("the save form stayed open: the save failed\n", stderr);
    }
    void open()
    {
        window().mnuopen->trigger();
        auto* form = window().findChild<OpenWindow*>(QStringLiteral("frmopen"));
        form->cmdok->click();
    }
};

Program* g_program = nullptr;

void SaveFullBankThroughForm(benchmark::State& state)
{
    Program& p = *g_program;
    for (auto _ : state) {
        // Something new arrived since the last save, as in real use; its reception (and the
        // archive entry made for it) is not part of the save.
        state.PauseTiming();
        p.app->module().store(7, p.app->module().membank[7], {StoreKind::Received, {}});
        state.ResumeTiming();
        p.save();
    }
    state.SetLabel(kGoal);
}

void OpenFullBankThroughForm(benchmark::State& state)
{
    Program& p = *g_program;
    p.save();
    for (auto _ : state)
        p.open();
    if (!p.app->module().marked[199])
        state.SkipWithError("the bank was not loaded");
    state.SetLabel(kGoal);
}

// Five rounds of twenty, wall clock, shown as mean, median and deviation.
void fiveRounds(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20)->Repetitions(5);
    b->DisplayAggregatesOnly(true);
}

} // namespace

BENCHMARK(SaveFullBankThroughForm)->Apply(fiveRounds);
BENCHMARK(OpenFullBankThroughForm)->Apply(fiveRounds);

// The offscreen platform says at every form shown that it cannot raise windows; that is no
// figure of this program.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fputs(qPrintable(qFormatLogMessage(type, context, text) + u'\n'), stderr);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietPlatform);
    QApplication qapp(argc, argv);
    const QString previous = QDir::currentPath();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    {
        Program program;
        g_program = &program;
        benchmark::RunSpecifiedBenchmarks();
        g_program = nullptr;
        QDir::setCurrent(previous);
    }
    benchmark::Shutdown();
    return 0;
}
