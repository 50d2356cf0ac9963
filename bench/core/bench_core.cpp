// Speed of the core on one realistic bank and record. Each figure is the median of several
// repetitions; the summary at the end sets it against its goal.
#include "core/AscanDrawingBuilder.h"
#include "core/AscanDrawingPainter.h"
#include "core/BankFile.h"
#include "core/FrameDecoder.h"
#include "core/FrameEncoder.h"
#include "core/LoadedFile.h"
#include "core/Module1.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace quillon;

namespace
{

// Every figure: nine repetitions, shown as mean, median, deviation and variation.
void measured(benchmark::internal::Benchmark* b)
{
    b->Repetitions(9)->DisplayAggregatesOnly(true);
}

// A record as an operator sends it: a probe echo, a flaw echo and a back wall, both gates on,
// DAC with its -6 dB and -14 dB companions, measurement on, note lines filled.
Record operatorRecord(int memory)
{
    Record r{};
    for (int p = 261; p <= 840; ++p)
        r[p] = ' ';
    for (int i = 0; i <= 250; ++i)
        r[i] = std::int16_t((i * 37 + memory) % 9);
    for (int i = 0; i < 12; ++i) {
        r[8 + i] = std::int16_t(200 - 15 * i);
        r[96 + i] = std::int16_t(110 - 8 * i);
        r[201 + i] = std::int16_t(180 - 12 * i);
    }
    putText(r, 260, "0.00   ");
    putText(r, 267, "100    ");
    putText(r, 274, "3240   ");
    putText(r, 281, "0.0    ");
    putText(r, 288, "48.5   ");
    putText(r, 295, "ON     ");
    putText(r, 302, "30%    ");
    putText(r, 309, "20%    ");
    putText(r, 316, "40%    ");
    putText(r, 323, "ON     ");
    putText(r, 330, "70%    ");
    putText(r, 337, "15%    ");
    putText(r, 344, "60%    ");
    char number[8];
    std::snprintf(number, sizeof number, "%-7d", memory);
    putText(r, kMemoryNumberPos, number);
    putText(r, 404, "ON     ");
    putText(r, 431, "ON 6/14");
    putText(r, 459, "ON     ");
    putText(r, 515, "0930120326");
    putText(r, 525, "41.2 35.0 23.6 ");
    for (int k = 0; k < kDacPoints; ++k) {
        r[kDacFirst + 2 * k] = std::int16_t(10 + 28 * k);
        r[kDacFirst + 2 * k + 1] = std::int16_t(220 - 22 * k);
    }
    for (int line = 0; line < kNoteLines; ++line) {
        char note[24];
        std::snprintf(note, sizeof note, "NOTE %-2d KM 112.4 R  ", line);
        putText(r, kNoteFirst + kNoteLength * line, note);
    }
    return r;
}

// Start-up bank with every memory received.
const Bank& fullBank()
{
    static const std::unique_ptr<Bank> bank = [] {
        auto b = std::make_unique<Bank>();
        Module1 module;
        module.startUp();
        *b = module.membank;
        for (int m = 1; m <= kMemoryCount; ++m)
            std::copy_n(operatorRecord(m).begin(), kRecordLength, (*b)[m - 1].begin());
        return b;
    }();
    return *bank;
}

QString scratchFile()
{
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("bench.dat"));
}

// The bank written as the save writes it: encoded, then into a new file. (Writing over the
// previous file instead adds the file system's wait for the old blocks, a few milliseconds on
// ext4, which is no part of the program's work.)
void BM_BankFileWrite(benchmark::State& state)
{
    const Bank& bank = fullBank();
    const QString path = scratchFile();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(writeBank(bank)) != kBankFileSize) {
            state.SkipWithError("cannot write the bank file");
            break;
        }
    }
}
BENCHMARK(BM_BankFileWrite)->Apply(measured)->Unit(benchmark::kMillisecond);

// The same over the file the previous iteration wrote.
void BM_BankFileOverwrite(benchmark::State& state)
{
    const Bank& bank = fullBank();
    const QString path = scratchFile();
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(writeBank(bank)) != kBankFileSize) {
            state.SkipWithError("cannot write the bank file");
            break;
        }
    }
}
BENCHMARK(BM_BankFileOverwrite)->Apply(measured)->Unit(benchmark::kMillisecond);

// The encoding alone: 168,000 fields into 672,000 bytes.
void BM_BankEncode(benchmark::State& state)
{
    const Bank& bank = fullBank();
    for (auto _ : state) {
        const QByteArray bytes = writeBank(bank);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_BankEncode)->Apply(measured)->Unit(benchmark::kMillisecond);

void BM_BankFileRead(benchmark::State& state)
{
    const QString path = scratchFile();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(writeBank(fullBank())) != kBankFileSize)
            state.SkipWithError("cannot write the bank file");
    }
    auto contents = std::make_unique<BankFileContents>();
    // As the open form and quillon-cli read it: in pieces, up to the last number.
    for (auto _ : state) {
        if (readBankFile(path, *contents)) {
            state.SkipWithError("the bank file cannot be read");
            break;
        }
        benchmark::DoNotOptimize(contents->marks);
    }
}
BENCHMARK(BM_BankFileRead)->Apply(measured)->Unit(benchmark::kMillisecond);

// One frame fed at once, then placed into the working record.
void BM_FrameDecode(benchmark::State& state)
{
    const QByteArray frame = encodeFrame(operatorRecord(7));
    Record record{};
    for (auto _ : state) {
        FrameDecoder decoder;
        bool complete = false;
        decoder.feed(frame, &complete);
        if (!complete) {
            state.SkipWithError("frame not complete");
            break;
        }
        applyFrame(decoder.frame(), record);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_FrameDecode)->Apply(measured)->Unit(benchmark::kMicrosecond);

void BM_DrawingModel(benchmark::State& state)
{
    const Record record = operatorRecord(7);
    for (auto _ : state) {
        AscanDrawing drawing = drawRecord(record);
        benchmark::DoNotOptimize(drawing.items.data());
    }
}
BENCHMARK(BM_DrawingModel)->Apply(measured)->Unit(benchmark::kMicrosecond);

// The painting alone, for comparison with the PNG figure.
void BM_RecordImage(benchmark::State& state)
{
    const AscanDrawing drawing = drawRecord(operatorRecord(7));
    for (auto _ : state) {
        const QImage image = renderAscan(drawing);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RecordImage)->Apply(measured)->Unit(benchmark::kMillisecond);

// The PNG export of one record as quillon-cli writes it: drawing model, painting, Qt's PNG
// writer.
void BM_RecordPng(benchmark::State& state)
{
    const Record record = operatorRecord(7);
    for (auto _ : state) {
        const QByteArray png = ascanPng(drawRecord(record));
        if (png.isEmpty()) {
            state.SkipWithError("no PNG");
            break;
        }
        benchmark::DoNotOptimize(png.data());
    }
}
BENCHMARK(BM_RecordPng)->Apply(measured)->Unit(benchmark::kMillisecond);

// The goals: benchmark, limit in nanoseconds (0: a figure shown without a goal), what it stands
// for.
struct Goal {
    const char* benchmark;
    double limit;
    const char* text;
};
const Goal kGoals[] = {
    {"BM_BankFileWrite", 3e6, "bank file write <= 3 ms"},
    {"BM_BankFileRead", 3e6, "read + validate + marks <= 3 ms"},
    {"BM_FrameDecode", 20e3, "frame decode <= 20 us"},
    {"BM_DrawingModel", 30e3, "drawing model of one record <= 30 us"},
    {"BM_RecordPng", 0, "PNG of one record (no goal)"},
};

// The usual console output, and the medians kept for the summary.
class GoalReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            const double toNs = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            m_medians[run.run_name.function_name] = {run.GetAdjustedRealTime() * toNs,
                                                     run.GetAdjustedCPUTime() * toNs};
        }
    }

    // One line per goal: the median wall-clock time decides; the processor time beside it shows
    // how much of that a busy machine added.
    void summarise() const
    {
        std::printf("\nMedians against the goals (wall clock; processor time in brackets):\n");
        for (const Goal& goal : kGoals) {
            const auto found = m_medians.find(goal.benchmark);
            if (found == m_medians.end()) {
                std::printf("  %-38s not measured\n", goal.text);
                continue;
            }
            const auto [wall, cpu] = found->second;
            std::printf("  %-38s %10.1f us (%10.1f us)  %s\n", goal.text, wall / 1e3, cpu / 1e3,
                        goal.limit <= 0      ? ""
                        : wall <= goal.limit ? "met"
                                             : "MISSED");
        }
    }

private:
    std::map<std::string, std::pair<double, double>> m_medians;
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv); // fonts for the PNG
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.summarise();
#ifndef NDEBUG
    std::printf("(an unoptimised build: measure with -DCMAKE_BUILD_TYPE=Release)\n");
#endif
    benchmark::Shutdown();
    return 0;
}
