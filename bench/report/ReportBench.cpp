// Report output speed: 200 report pages into one PDF (goal: at most 3 s) and one report
// document (goal: at most 100 ms).

#include "support/Records.h"

#include "core/DisplaySnapshot.h"
#include "report/DocxWriter.h"
#include "report/ReportPrinter.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quillon;

namespace
{

std::vector<DisplaySnapshot> reports(int count)
{
    std::vector<DisplaySnapshot> pages;
    pages.reserve(size_t(count));
    for (int memory = 1; memory <= count; ++memory)
        pages.push_back(snapshotOf(test::realisticRecord(memory)));
    return pages;
}

void BM_Pdf200Pages(benchmark::State& state)
{
    const std::vector<DisplaySnapshot> pages = reports(200);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("reports.pdf"));
    for (auto _ : state) {
        if (!ReportPrinter::writePdf(pdf, pages).ok())
            state.SkipWithError("the PDF could not be written");
    }
    state.SetLabel("goal <= 3000 ms");
    state.counters["pages/s"] =
        benchmark::Counter(double(pages.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Pdf200Pages)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WordDocument(benchmark::State& state)
{
    const DisplaySnapshot page = snapshotOf(test::realisticRecord(7));
    QTemporaryDir dir;
    const QString doc = dir.filePath(QStringLiteral("report.docx"));
    for (auto _ : state) {
        if (DocxWriter::write(doc, page) != ReportError::None)
            state.SkipWithError("the document could not be written");
    }
    state.SetLabel("goal <= 100 ms");
}
BENCHMARK(BM_WordDocument)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts and the PDF writer need it
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
