#include "core/seasons/CareerStats.h"

#include "core/text/Blanks.h"
#include "core/text/Paths.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

namespace scorvane {
namespace {

// The files a player statistics report reads of one team.
QStringList filesRead(const QList<int>& teams)
{
    QStringList names;
    for (int slot : teams) {
        names << QStringLiteral("KVPN%1.DAT").arg(slot) << QStringLiteral("KVPS%1.DAT").arg(slot);
    }
    return names;
}

QString identity(const QString& name)
{
    return trimBlanks(name).toLower();
}

// The chosen player's number in a season, found by the name in the current season; 0 when the
// season's roster has no such player.
int numberIn(const QString& folder, int slot, const QString& name)
{
    const RosterNameTable names
        = readRosterNames(resolveInFolder(folder, QStringLiteral("KVPN%1.DAT").arg(slot)));
    for (int n = 1; n <= 99; ++n) {
        if (identity(names[n]) == identity(name))
            return n;
    }
    return 0;
}

class CareerJoin
{
public:
    explicit CareerJoin(bool individual)
        : individual_(individual)
    { }

    void add(PlayerStatsTable& season, int seasonIndex)
    {
        PlayerStatsRow& totals = table_.rows.front();
        totals.games += season.totals().games;
        ++totals.seasons;
        table_.maxNameLength = std::max(table_.maxNameLength, season.maxNameLength);
        for (int r = 2; r <= season.rowCount(); ++r) {
            PlayerStatsRow& row = season.row(r);
            if (row.games <= 0)
                continue;
            if (individual_) {
                row.season = seasonIndex;
                row.seasons = 1;
                table_.rows.push_back(std::move(row));
                continue;
            }
            auto& ofTeam = rowOf_[std::clamp(row.team, 0, 100)];
            const auto [found, isNew]
                = ofTeam.try_emplace(identity(row.name), table_.rowCount() + 1);
            if (isNew) {
                row.seasons = 1;
                lastSeason_.push_back(seasonIndex);
                table_.rows.push_back(std::move(row));
                continue;
            }
            PlayerStatsRow& joined = table_.row(found->second);
            joined.name = row.name; // the latest season's spelling
            joined.games += row.games;
            for (std::size_t k = 0; k < joined.totals.size(); ++k)
                joined.totals[k] += row.totals[k];
            int& last = lastSeason_[static_cast<std::size_t>(found->second - 2)];
            if (last != seasonIndex) {
                ++joined.seasons;
                last = seasonIndex;
            }
        }
    }

    PlayerStatsTable finish()
    {
        table_.rows.front().totals.fill(0); // summed again from the rows
        finishPlayerStats(table_);
        return std::move(table_);
    }

private:
    bool individual_;
    PlayerStatsTable table_;
    std::array<std::unordered_map<QString, int>, 101> rowOf_; // by slot: name -> row number
    std::vector<int> lastSeason_; // by row number - 2: last season that added to it
};

} // namespace

QString currentSeasonName()
{
    return QStringLiteral("Current");
}

namespace {

// The archives asked for, checked as careerSeasons says; the checksums only when `contents`.
std::vector<ArchivedSeason> chosenSeasons(const QString& dataFolder, const QStringList& names,
    const QList<int>& teams, std::vector<ArchivedSeason>* leftOut, bool contents)
{
    const bool all = names.size() == 1 && names.front().compare(u"all", Qt::CaseInsensitive) == 0;
    std::vector<ArchivedSeason> chosen;
    QStringList found;
    for (ArchivedSeason& season :
        listSeasons(dataFolder, SeasonCheck::Sizes, contents ? filesRead(teams) : QStringList())) {
        if (!all && !names.contains(season.name))
            continue;
        found << season.name;
        if (season.usable())
            chosen.push_back(season);
        else if (leftOut)
            leftOut->push_back(season);
    }
    for (const QString& name : names) {
        if (!all && !found.contains(name) && leftOut)
            leftOut->push_back({name, {}, QStringLiteral("no archived season has this name"), {}});
    }
    return chosen;
}

} // namespace

std::vector<ArchivedSeason> careerSeasons(const QString& dataFolder, const QStringList& names,
    const QList<int>& teams, std::vector<ArchivedSeason>* leftOut)
{
    return chosenSeasons(dataFolder, names, teams, leftOut, true);
}

CareerStatsResult computeCareerStats(const PlayerStatsInput& input, const QStringList& names)
{
    CareerStatsResult result;
    // The files' checksums are checked as they are read for the figures, not before: a season
    // with a damaged file is dropped whole once it is found, before any of it is joined.
    const std::vector<ArchivedSeason> archives
        = chosenSeasons(input.dataFolder, names, input.teams, &result.leftOut, false);
    const bool individual = input.selection.individual && !input.teams.isEmpty();
    QString player;
    if (individual) {
        const int number = input.selection.individualPlayer;
        if (number >= 1 && number <= 99)
            player = input.currentTeamNames
                ? (*input.currentTeamNames)[number]
                : readRosterNames(resolveInFolder(input.dataFolder,
                    QStringLiteral("KVPN%1.DAT").arg(input.teams.front())))[number];
    }
    // Only the files this report reads are checked: one player's games read the first team's.
    const QStringList checkedFiles
        = filesRead(individual ? QList<int>{input.teams.front()} : input.teams);
    CareerJoin join(individual);
    for (const ArchivedSeason& archive : archives) {
        PlayerStatsInput season = input;
        season.dataFolder = archive.folder;
        season.currentTeamNames.reset(); // each season's names come from its own roster
        if (individual) {
            season.selection.individualPlayer
                = numberIn(archive.folder, input.teams.front(), player);
            if (season.selection.individualPlayer == 0)
                continue;
        }
        std::vector<SeasonFileCheck> checks;
        for (const QString& name : checkedFiles) {
            const auto checksum = archive.checksums.constFind(name.toUpper());
            if (checksum == archive.checksums.cend())
                continue;
            SeasonFileCheck check(resolveInFolder(archive.folder, name), *checksum);
            if (check.knownRight())
                continue;
            season.checksums.insert(name.toUpper(), *checksum);
            checks.push_back(std::move(check));
        }
        PlayerStatsResult computed = computePlayerStats(season);
        if (!computed.damagedFile.isEmpty()) {
            ArchivedSeason failed = archive;
            failed.problem
                = QStringLiteral("%1 is damaged (its contents changed)").arg(computed.damagedFile);
            result.leftOut.push_back(failed);
            continue;
        }
        if (computed.error) {
            // A file that cannot be read leaves the season out whole: it is never half-read.
            ArchivedSeason failed = archive;
            failed.problem = QStringLiteral("%1 cannot be read").arg(computed.error->path);
            result.leftOut.push_back(failed);
            continue;
        }
        for (const SeasonFileCheck& check : checks)
            check.foundRight();
        join.add(computed.table, static_cast<int>(result.seasonNames.size()));
        result.seasonNames << archive.name;
    }
    PlayerStatsResult current = computePlayerStats(input);
    result.error = current.error;
    join.add(current.table, static_cast<int>(result.seasonNames.size()));
    result.seasonNames << currentSeasonName();
    result.table = join.finish();
    return result;
}

} // namespace scorvane
