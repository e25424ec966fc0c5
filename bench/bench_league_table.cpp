// The league table over 100 teams of 500 games each, half of them against other teams of the
// table recorded by both sides, from reading the game files to the last printed line, measured
// against reading those 100 game files once. The run ends with the ratio; the goal is at most 2.
#include "core/output/OutputEngine.h"
#include "core/reports/LeagueTableReport.h"
#include "core/state/AppState.h"
#include "core/store/GameRecord.h"

#include <QFile>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace scorvane;
using scorvane::bench::AbortingReporter;
using scorvane::bench::DiscardingOutput;
using scorvane::bench::readEachFileOnce;

namespace {

constexpr int TeamCount = 100;
constexpr int GamesPerTeam = 500;

// Even games are against another team of the table, odd games against outside teams. Each team
// records its own games, so most games between two teams of the table are in both files; the
// two records share a date only now and then.
struct BenchFolder
{
    QTemporaryDir dir;
    QString path;
    TeamNameTable names;
    QList<int> slots;

    static int opponentOf(int slot, int g) { return (slot - 1 + g / 2) % TeamCount + 1; }

    BenchFolder()
    {
        path = dir.path() + QStringLiteral("/");
        for (int slot = 1; slot <= TeamCount; ++slot) {
            QByteArray games;
            for (int g = 1; g <= GamesPerTeam; ++g) {
                GameRecord game;
                game.gameNumber = static_cast<qint16>(g);
                game.gameDate = QStringLiteral("%1").arg(g, 6, 10, QChar(u'0'));
                game.goalsFor = static_cast<qint16>((slot * 7 + g * 3) % 5);
                game.goalsAgainst = static_cast<qint16>((slot * 3 + g * 5) % 4);
                const int opponent = opponentOf(slot, g);
                game.opponent = g % 2 == 0 && opponent != slot
                    ? QStringLiteral("Team %1").arg(opponent)
                    : QStringLiteral("Outside %1").arg(g % 9);
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

void BM_LeagueTable100Teams(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    AbortingReporter reporter;
    AppState state(reporter);
    DiscardingOutput printer;
    OutputEngine engine(state.printJob, state.settings, [](const QString&) { return false; });
    engine.setPrinter(&printer);
    const PageChoices choices{QStringLiteral("League Table"), 1, 60};
    for (auto _ : bench) {
        const LeagueTableResult result = computeLeagueTable(
            folder.path, folder.slots, folder.names, ReportSelection{}, LeagueRules{});
        if (result.fault || result.report.table().rows().size() != TeamCount)
            bench.SkipWithError("league table incomplete");
        if (!result.report.print(engine, choices))
            bench.SkipWithError("printout stopped");
    }
}
BENCHMARK(BM_LeagueTable100Teams)->UseRealTime()->Unit(benchmark::kMillisecond);

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
        {{"BM_LeagueTable100Teams", "League table"}});
}
