// Save all on a large statistics file: 20 new results inserted into the middle of 30,000 records,
// measured against copying that file once (the least any rewrite of the file's tail can cost).
// Save all writes the new file beside the old one, flushes it to disk and renames it over; the
// copy takes the same steps with the same flushes, so the ratio compares like with like. The run
// ends with the ratio of the two; the goal is at most 2.
#include "core/entry/PlayerEntry.h"
#include "core/store/DataFiles.h"
#include "core/store/GameRecord.h"
#include "core/store/PlayerStatRecord.h"

#include <QFile>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

using namespace scorvane;
using scorvane::bench::AbortingReporter;

namespace {

constexpr int GameCount = 1000;
constexpr int ResultsPerGame = 30; // players 1..30 in every game: 30,000 results
constexpr int MiddleGame = GameCount / 2;
constexpr int NewResults = 20; // players 31..50 added to the middle game

// Written and flushed, so that neither side of the comparison pays for the set-up's writes.
void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
        || !file.flush() || ::fsync(file.handle()) != 0)
        std::abort();
}

// A data folder with the games file and the 30,000-record statistics file of team 1.
struct BenchFolder
{
    QTemporaryDir dir;
    DataFolders folders;
    int teamSlot = 1;
    QByteArray statistics;

    BenchFolder()
    {
        folders.dataFolder = dir.path() + QStringLiteral("/");
        folders.reportFolder = folders.dataFolder;
        QByteArray games;
        for (int g = 1; g <= GameCount; ++g) {
            GameRecord game;
            game.gameNumber = static_cast<qint16>(g);
            games += game.encode();
            for (int n = 1; n <= ResultsPerGame; ++n) {
                PlayerStatRecord result;
                result.gameNumber = static_cast<qint16>(g);
                result.playerNumber = static_cast<qint16>(n);
                result.statValues.fill(static_cast<qint16>(n));
                statistics += result.encode();
            }
        }
        writeFile(folders.dataFolder + QStringLiteral("KVGS1.DAT"), games);
        restore();
    }
    void restore() const { writeFile(statisticsPath(), statistics); }
    QString statisticsPath() const { return folders.dataFolder + QStringLiteral("KVPS1.DAT"); }
};

BenchFolder& sharedFolder()
{
    static BenchFolder folder;
    return folder;
}

void BM_SaveAllInsert20(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    AbortingReporter reporter;
    for (auto _ : bench) {
        bench.PauseTiming();
        folder.restore();
        DataFiles files(folder.folders, folder.teamSlot, reporter);
        files.openDataFile(FileGames);
        files.openDataFile(FileStats);
        auto entry = std::make_unique<PlayerEntry>(
            files, *findEntryGame(files, static_cast<qint16>(MiddleGame)));
        for (int n = ResultsPerGame + 1; n <= ResultsPerGame + NewResults; ++n)
            entry->setPlayed(n, true);
        bench.ResumeTiming();

        if (!entry->saveAll())
            bench.SkipWithError("save cancelled");

        bench.PauseTiming();
        if (files.recordCount(FileStats) != GameCount * ResultsPerGame + NewResults)
            bench.SkipWithError("wrong record count after saving");
        files.closeDataFile(AllFiles);
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_SaveAllInsert20)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_CopyStatisticsFile(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    // Write beside, flush, rename, flush the folder: the same steps as a save.
    const bench::CopyLikeASave copier(folder.folders.dataFolder);
    for (auto _ : bench)
        copier.copy(folder.statisticsPath());
}
BENCHMARK(BM_CopyStatisticsFile)->UseRealTime()->Unit(benchmark::kMillisecond);

// Opening the screen on the middle game: the index scan of the whole file.
void BM_OpenMiddleGame(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    AbortingReporter reporter;
    DataFiles files(folder.folders, folder.teamSlot, reporter);
    files.openDataFile(FileGames);
    files.openDataFile(FileStats);
    const GameRecord game = *findEntryGame(files, static_cast<qint16>(MiddleGame));
    for (auto _ : bench) {
        PlayerEntry entry(files, game);
        benchmark::DoNotOptimize(entry.playersRecorded());
    }
}
BENCHMARK(BM_OpenMiddleGame)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return scorvane::bench::runWithRatios(argc, argv, {"BM_CopyStatisticsFile", "copy of the file"},
        {{"BM_SaveAllInsert20", "Save all"}});
}
