// Standings over 100 teams of 300 games each, from reading the game files to the last printed
// line, measured against reading those 100 game files once (the least any report over them can
// cost). The run ends with the ratio of the two; the goal is at most 2.
#include "core/output/OutputEngine.h"
#include "core/reports/StandingsReport.h"
#include "core/state/AppState.h"
#include "core/store/GameRecord.h"

#include <QFile>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

using namespace scorvane;
using scorvane::bench::AbortingReporter;
using scorvane::bench::DiscardingOutput;
using scorvane::bench::readEachFileOnce;

namespace {

constexpr int TeamCount = 100;
constexpr int GamesPerTeam = 300;

// A data folder with the game files of teams 1 to 100: a mix of wins, losses and ties over
// all game types, a few deleted games among them.
struct BenchFolder
{
    QTemporaryDir dir;
    QString path;
    TeamNameTable names;
    QList<int> slots;

    BenchFolder()
    {
        path = dir.path() + QStringLiteral("/");
        for (int slot = 1; slot <= TeamCount; ++slot) {
            QByteArray games;
            for (int g = 1; g <= GamesPerTeam; ++g) {
                GameRecord game;
                game.gameNumber = static_cast<qint16>(g);
                game.gameStatus = g % 50 == 0 ? 'D' : 'A';
                game.gameDate = QStringLiteral("091502");
                game.opponent = QStringLiteral("Team %1").arg((slot + g) % TeamCount + 1);
                game.goalsFor = static_cast<qint16>((slot * 7 + g * 3) % 5);
                game.goalsAgainst = static_cast<qint16>((slot * 3 + g * 5) % 4);
                game.gameType = static_cast<char>('1' + g % 7);
                games += game.encode();
            }
            QFile file(path + QStringLiteral("KVGS%1.DAT").arg(slot));
            if (!file.open(QIODevice::WriteOnly) || file.write(games) != games.size())
                std::abort();
            names[slot] = QStringLiteral("Team %1").arg(slot).leftJustified(25);
            slots << slot;
        }
    }
};

BenchFolder& sharedFolder()
{
    static BenchFolder folder;
    return folder;
}

void BM_Standings100Teams(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    AbortingReporter reporter;
    AppState state(reporter);
    DiscardingOutput printer;
    OutputEngine engine(state.printJob, state.settings, [](const QString&) { return false; });
    engine.setPrinter(&printer);
    const PageChoices choices{QStringLiteral("Team Standings"), 1, 60};
    for (auto _ : bench) {
        const StandingsResult result
            = computeStandings(folder.path, folder.slots, folder.names, ReportSelection{});
        if (result.fault || result.report.standings().size() != TeamCount)
            bench.SkipWithError("standings incomplete");
        if (!result.report.print(engine, choices))
            bench.SkipWithError("printout stopped");
    }
}
BENCHMARK(BM_Standings100Teams)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ReadGameFilesOnce(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    QStringList paths;
    for (int slot : folder.slots)
        paths << folder.path + QStringLiteral("KVGS%1.DAT").arg(slot);
    for (auto _ : bench) {
        if (readEachFileOnce(paths) != qint64{TeamCount} * GamesPerTeam * GameRecord::Length)
            bench.SkipWithError("short read");
    }
}
BENCHMARK(BM_ReadGameFilesOnce)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return scorvane::bench::runWithRatios(argc, argv,
        {"BM_ReadGameFilesOnce", "reading the game files once"},
        {{"BM_Standings100Teams", "Standings"}});
}
