// Career statistics over 10 seasons (9 archived and the current one) of 100 teams, measured
// against reading those seasons' team lists, rosters and results once. The career checks each
// archive (record, sizes, the checksum of every file it reads, read again only when a file
// changed since it was last found right) and then computes every season; the goal is at most 2
// times the read. The first career of a run, which reads every checksum, is measured too.
#include "core/seasons/CareerStats.h"
#include "core/seasons/SeasonArchive.h"
#include "core/store/ChangeSet.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/TeamRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace scorvane;

namespace {

constexpr int Seasons = 10;
constexpr int TeamCount = 100;
constexpr int GamesPerSeason = 30;
constexpr int PlayersPerGame = 20; // 600 results per team and season

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

// One season's team list, rosters and results in `folder`; players keep their names from
// season to season while their numbers move on by one.
void writeSeason(const QString& folder, int season)
{
    QDir().mkpath(folder);
    QByteArray teamList;
    for (int slot = 1; slot <= TeamCount; ++slot) {
        TeamRecord team;
        team.teamName = QStringLiteral("Team %1").arg(slot);
        team.teamShortName = QStringLiteral("T%1").arg(slot);
        teamList += team.encode();
        QByteArray roster;
        QByteArray results;
        for (int n = 1; n <= PlayersPerGame; ++n) {
            PlayerNameRecord name;
            name.playerNumber = static_cast<qint16>((n + season) % 99 + 1);
            name.playerName = QStringLiteral("Player %1-%2").arg(slot).arg(n);
            roster += name.encode();
        }
        for (int g = 1; g <= GamesPerSeason; ++g) {
            for (int n = 1; n <= PlayersPerGame; ++n) {
                PlayerStatRecord result;
                result.gameNumber = static_cast<qint16>(g);
                result.playerNumber = static_cast<qint16>((n + season) % 99 + 1);
                result.statGameType = static_cast<char>('1' + g % 7);
                for (std::size_t k = 0; k < result.statValues.size(); ++k)
                    result.statValues[k] = static_cast<qint16>((g + n + k) % 5);
                results += result.encode();
            }
        }
        writeFile(folder + QStringLiteral("KVPN%1.DAT").arg(slot), roster);
        writeFile(folder + QStringLiteral("KVPS%1.DAT").arg(slot), results);
    }
    writeFile(folder + QStringLiteral("KVTEAMS.DAT"), teamList);
}

struct BenchSeasons
{
    QTemporaryDir dir;
    QString data = dir.path() + QStringLiteral("/");
    QList<int> teams;
    QStringList files; // every file the career reads, in every season

    BenchSeasons()
    {
        for (int slot = 1; slot <= TeamCount; ++slot)
            teams << slot;
        const QString installation = ensureInstallationId(data);
        for (int season = 1; season < Seasons; ++season) {
            const QString name = QStringLiteral("%1").arg(2000 + season);
            const QString folder = seasonsFolder(data) + name + u'/';
            writeSeason(folder, season);
            writeFile(
                folder + seasonRecordName(), describeFolder(folder, name, installation).encode());
            addFiles(folder);
        }
        writeSeason(data, Seasons);
        addFiles(data);
    }

    void addFiles(const QString& folder)
    {
        files << folder + QStringLiteral("KVTEAMS.DAT");
        for (int slot : teams)
            files << folder + QStringLiteral("KVPN%1.DAT").arg(slot)
                  << folder + QStringLiteral("KVPS%1.DAT").arg(slot);
    }
};

BenchSeasons& sharedSeasons()
{
    static BenchSeasons seasons;
    return seasons;
}

void BM_ReadSeasonFiles(benchmark::State& bench)
{
    const BenchSeasons& seasons = sharedSeasons();
    for (auto _ : bench)
        benchmark::DoNotOptimize(bench::readEachFileOnce(seasons.files));
}
BENCHMARK(BM_ReadSeasonFiles)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_CareerStatistics(benchmark::State& bench)
{
    const BenchSeasons& seasons = sharedSeasons();
    PlayerStatsInput input;
    input.dataFolder = seasons.data;
    input.teams = seasons.teams;
    input.threads = static_cast<int>(bench.range(0));
    for (auto _ : bench) {
        const CareerStatsResult career = computeCareerStats(input, {QStringLiteral("all")});
        if (career.seasonNames.size() != Seasons || !career.leftOut.empty()
            || career.table.rowCount() != TeamCount * PlayersPerGame + 1)
            bench.SkipWithError("wrong career");
        benchmark::DoNotOptimize(career.table.rows.data());
    }
}
BENCHMARK(BM_CareerStatistics)->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);

// The first career of a run, when every archived file read is checked against its checksum
// (later ones check files unchanged since by their inode, size and change time).
void BM_FirstCareerOfARun(benchmark::State& bench)
{
    const BenchSeasons& seasons = sharedSeasons();
    PlayerStatsInput input;
    input.dataFolder = seasons.data;
    input.teams = seasons.teams;
    for (auto _ : bench) {
        forgetCheckedSeasonFiles();
        const CareerStatsResult career = computeCareerStats(input, {QStringLiteral("all")});
        benchmark::DoNotOptimize(career.table.rows.data());
    }
}
BENCHMARK(BM_FirstCareerOfARun)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return scorvane::bench::runWithRatios(argc, argv, {"BM_ReadSeasonFiles", "reading the files"},
        {{"BM_CareerStatistics/1", "BM_CareerStatistics on one thread"},
            {"BM_CareerStatistics/0", "BM_CareerStatistics on every core"},
            {"BM_FirstCareerOfARun", "BM_FirstCareerOfARun (every checksum read)"}});
}
