// The defect register's speed. Goal (for the register kept beside the archive's entries): the
// register of 1,000,000 entries (100,000 locations) <= 1 s. Measured here: the rules alone per
// entry, and the register read from an archive file of a season of rounds through the archive
// interface, reported per entry and for the whole file.
#include "archive/RegisterReading.h"
#include "support/SeasonArchive.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <vector>

using namespace quillon;

namespace
{
int locationCount()
{
    const int n = qEnvironmentVariableIntValue("QUILLON_BENCH_REGISTER_LOCATIONS");
    return n > 0 ? n : 20000;
}

constexpr int kRounds = 12;

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
    state.SetLabel("entries per second; the goal needs 1,000,000 in <= 1 s");
}
BENCHMARK(BM_RegisterRules)->Iterations(3)->Unit(benchmark::kMillisecond);

// The register of a whole archive file, read a page at a time through the archive interface.
void BM_RegisterFromArchive(benchmark::State& state)
{
    SeasonFile& file = seasonFile();
    size_t locations = 0;
    for (auto _ : state) {
        SqliteArchive archive;
        archive.open(file.path, SqliteArchive::Open::ExistingOnly);
        DefectRegister reg;
        readRegister(archive, reg);
        locations = reg.locations().size();
    }
    state.counters["entries"] = file.entries;
    state.counters["locations"] = double(locations);
    state.SetItemsProcessed(state.iterations() * file.entries);
    state.SetLabel("goal: 1,000,000 entries <= 1 s (once derived columns are kept)");
}
BENCHMARK(BM_RegisterFromArchive)->Iterations(3)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
