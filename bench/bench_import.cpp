// A season's schedule of 5,000 games imported from a CSV file into an empty team: the file read,
// its rows matched and checked, and the games written at once, measured against one copy of the
// game file the import writes (750,000 bytes) with the same steps a save takes: written beside,
// flushed, renamed over, the folder flushed. The run ends with the ratio; the goal is at most 3.
#include "core/import/GameImport.h"
#include "core/state/AppState.h"
#include "core/store/GameRecord.h"

#include <QFile>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

using namespace scorvane;
using scorvane::bench::AbortingReporter;

namespace {

constexpr int GameRows = 5000;

struct BenchFolder
{
    QTemporaryDir dir;
    QString data = dir.path() + QStringLiteral("/data/");
    QString csvPath = dir.path() + QStringLiteral("/schedule.csv");
    QString gamesPath = data + QStringLiteral("KVGS1.DAT");

    BenchFolder()
    {
        QDir().mkpath(data);
        QByteArray csv(
            "Date,Opponent,Home/Away,Location,Game Type,Goals For,Goals Against,Comment\r\n");
        for (int g = 0; g < GameRows; ++g) {
            const int year = 2000 + g / 336;
            const int month = 1 + (g / 28) % 12;
            const int day = 1 + g % 28;
            csv += QStringLiteral("%1/%2/%3,\"Opponent %4, FC\",%5,Field %6,%7,%8,%9,week %10\r\n")
                       .arg(month)
                       .arg(day)
                       .arg(year)
                       .arg(g)
                       .arg(g % 2 == 0 ? QStringLiteral("Home") : QStringLiteral("Away"))
                       .arg(g % 7)
                       .arg(1 + g % 7)
                       .arg(g % 5)
                       .arg(g % 4)
                       .arg(g / 7)
                       .toUtf8();
        }
        write(csvPath, csv);
        restore();
    }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0)
            std::abort();
    }
    // A team without games or results yet: its files are there, empty.
    void restore() const
    {
        write(gamesPath, {});
        write(data + QStringLiteral("KVPS1.DAT"), {});
    }
};

BenchFolder& sharedFolder()
{
    static BenchFolder folder;
    return folder;
}

void BM_Import5000Games(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    AbortingReporter reporter;
    for (auto _ : bench) {
        bench.PauseTiming();
        folder.restore();
        auto state = std::make_unique<AppState>(reporter);
        state->settings.dataFolder = folder.data;
        state->settings.reportFolder = folder.data;
        state->teamChoice.currentSlot = 1;
        bench.ResumeTiming();

        QFile file(folder.csvPath);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        const CsvSheet sheet = readCsvSheet(file.readAll());
        const auto plan
            = GameImport::forTeam(*state, sheet, matchColumns(ImportKind::Games, sheet.headings));
        if (plan->summary().stored != GameRows || !plan->write(*state))
            bench.SkipWithError("the import did not store every row");

        bench.PauseTiming();
        state->files.closeDataFile(AllFiles);
        if (QFileInfo(folder.gamesPath).size() != qint64{GameRows} * GameRecord::Length)
            bench.SkipWithError("wrong game file length");
        state.reset();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_Import5000Games)->UseRealTime()->Unit(benchmark::kMillisecond);

// The parts on their own, to see where the import's time goes: reading and splitting the file,
// then checking its rows (no write).
void BM_ReadSheet(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    QFile file(folder.csvPath);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray bytes = file.readAll();
    for (auto _ : bench) {
        const CsvSheet sheet = readCsvSheet(bytes);
        benchmark::DoNotOptimize(sheet.rows.size());
    }
}
BENCHMARK(BM_ReadSheet)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_CheckRows(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    QFile file(folder.csvPath);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    const CsvSheet sheet = readCsvSheet(file.readAll());
    const QList<ImportField> mapping = matchColumns(ImportKind::Games, sheet.headings);
    const GameTypeNameTable types;
    for (auto _ : bench) {
        GameImport plan(sheet, mapping, types, {});
        benchmark::DoNotOptimize(plan.rows().size());
    }
}
BENCHMARK(BM_CheckRows)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_CopyGameFile(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    const QString source = folder.dir.path() + QStringLiteral("/games.DAT");
    BenchFolder::write(source, QByteArray(qsizetype{GameRows} * GameRecord::Length, 'g'));
    const bench::CopyLikeASave copier(folder.data);
    for (auto _ : bench)
        copier.copy(source);
}
BENCHMARK(BM_CopyGameFile)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return scorvane::bench::runWithRatios(argc, argv, {"BM_CopyGameFile", "copy of the game file"},
        {{"BM_Import5000Games", "Import of 5,000 games"}}, 3.0);
}
