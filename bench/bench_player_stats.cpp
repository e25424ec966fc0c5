// Player statistics over 100 teams of 10,000 results each, measured against reading those
// statistics files into memory once (the least any report over them can cost). The run ends
// with the ratios of the computation and of the whole command-line report (all 37 columns,
// printed to a file) to that read; the goal for both is at most 2.
#include "ReportCommand.h"
#include "core/reports/PlayerStatsComputation.h"
#include "core/state/DefaultSettings.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/SettingsRecord.h"
#include "core/store/TeamRecord.h"

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

namespace {

constexpr int TeamCount = 100;
constexpr int GamesPerTeam = 500;
constexpr int PlayersPerGame = 20; // 10,000 results per team

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

// A data folder with the team list, a roster and a statistics file for each of 100 teams.
struct BenchFolder
{
    QTemporaryDir dir;
    QString data = dir.path() + QStringLiteral("/");
    QString settings = data + QStringLiteral("QMKV.INI");
    QList<int> teams;

    BenchFolder()
    {
        QByteArray teamList;
        for (int slot = 1; slot <= TeamCount; ++slot) {
            teams << slot;
            TeamRecord team;
            team.teamName = QStringLiteral("Team %1").arg(slot);
            team.teamShortName = QStringLiteral("T%1").arg(slot);
            teamList += team.encode();
            QByteArray roster;
            for (int n = 1; n <= PlayersPerGame; ++n) {
                PlayerNameRecord name;
                name.playerNumber = static_cast<qint16>(n);
                name.playerName = QStringLiteral("Player %1-%2").arg(slot).arg(n);
                roster += name.encode();
            }
            writeFile(data + QStringLiteral("KVPN%1.DAT").arg(slot), roster);
            QByteArray results;
            results.reserve(GamesPerTeam * PlayersPerGame * PlayerStatRecord::Length);
            for (int g = 1; g <= GamesPerTeam; ++g) {
                for (int n = 1; n <= PlayersPerGame; ++n) {
                    PlayerStatRecord result;
                    result.gameNumber = static_cast<qint16>(g);
                    result.playerNumber = static_cast<qint16>(n);
                    result.statGameType = static_cast<char>('1' + g % 7);
                    for (std::size_t k = 0; k < result.statValues.size(); ++k)
                        result.statValues[k] = static_cast<qint16>((g + n + k) % 5);
                    results += result.encode();
                }
            }
            writeFile(statisticsPath(slot), results);
        }
        writeFile(data + QStringLiteral("KVTEAMS.DAT"), teamList);
        writeFile(settings, defaultSettingsRecord(data).encode());
    }
    QString statisticsPath(int slot) const { return data + QStringLiteral("KVPS%1.DAT").arg(slot); }
};

BenchFolder& sharedFolder()
{
    static BenchFolder folder;
    return folder;
}

void BM_ReadStatisticsFiles(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    QStringList paths;
    for (int slot : folder.teams)
        paths << folder.statisticsPath(slot);
    for (auto _ : bench)
        benchmark::DoNotOptimize(bench::readEachFileOnce(paths));
}
BENCHMARK(BM_ReadStatisticsFiles)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_PlayerStatistics(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    PlayerStatsInput input;
    input.dataFolder = folder.data;
    input.teams = folder.teams;
    input.threads = static_cast<int>(bench.range(0));
    for (auto _ : bench) {
        const PlayerStatsResult result = computePlayerStats(input);
        if (result.table.rowCount() != TeamCount * PlayersPerGame + 1)
            bench.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(result.table.rows.data());
    }
}
// On one thread, and on as many as the machine offers (0).
BENCHMARK(BM_PlayerStatistics)->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);

// The whole report as the command-line tool makes it, short of starting the process.
void BM_CommandLineReport(benchmark::State& bench)
{
    BenchFolder& folder = sharedFolder();
    QString columns;
    for (int code = 1; code <= 37; ++code)
        columns += (code > 1 ? QStringLiteral(",") : QString()) + QString::number(code);
    QStringList teams;
    for (int slot : folder.teams)
        teams << QString::number(slot);
    // The tool never writes inside the data folder it reads.
    const QTemporaryDir outputFolder;
    const QStringList arguments = {QStringLiteral("players"), QStringLiteral("--data"), folder.data,
        QStringLiteral("--settings"), folder.settings, QStringLiteral("--teams"), teams.join(u','),
        QStringLiteral("--columns"), columns, QStringLiteral("-o"),
        outputFolder.path() + QStringLiteral("/REPORT.TXT")};
    for (auto _ : bench) {
        if (runReportCommand(arguments, stdout, stderr) != 0)
            bench.SkipWithError("the report failed");
    }
}
BENCHMARK(BM_CommandLineReport)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return scorvane::bench::runWithRatios(argc, argv,
        {"BM_ReadStatisticsFiles", "reading the files"},
        {{"BM_PlayerStatistics/1", "BM_PlayerStatistics on one thread"},
            {"BM_PlayerStatistics/0", "BM_PlayerStatistics on every core"},
            {"BM_CommandLineReport", "BM_CommandLineReport"}});
}
