#include "core/reports/PlayerStatsComputation.h"

#include "core/reports/TeamQueue.h"
#include "core/store/ContentChecksum.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/WholeFile.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"
#include "core/text/TextCodec.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace scorvane {

namespace {

// "Player n" for every number, made once: every team's table starts as a copy of it.
const RosterNameTable& defaultRosterNames()
{
    static const RosterNameTable names = [] {
        RosterNameTable all;
        for (int n = 1; n <= 99; ++n)
            all[n] = fitWidth(QStringLiteral("Player") + numberText(n), 17);
        return all;
    }();
    return names;
}

// Joins the teams' rows in team order, up to the first team that could not be read.
PlayerStatsResult joinParts(std::vector<TeamStatsPart>& parts)
{
    PlayerStatsResult result;
    PlayerStatsTable& table = result.table;
    int games = 0; // row 1 counts changes of game number across the teams
    int lastGame = 0;
    for (TeamStatsPart& part : parts) {
        if (part.error) {
            result.error = part.error;
            break;
        }
        if (!part.damagedFile.isEmpty()) {
            result.damagedFile = part.damagedFile;
            break;
        }
        games += part.gameChanges - (part.firstGame != 0 && part.firstGame == lastGame ? 1 : 0);
        if (part.lastGame != 0)
            lastGame = part.lastGame;
        table.maxNameLength = std::max(table.maxNameLength, part.maxNameLength);
        std::move(part.rows.begin(), part.rows.end(), std::back_inserter(table.rows));
    }
    table.rows.front().games = games;
    return result;
}

void percentage(float& target, qint32 numerator, qint32 denominator)
{
    if (denominator > 0)
        target = static_cast<float>(
            static_cast<double>(qint64{numerator} * 100) / static_cast<double>(denominator));
}

} // namespace

void finishPlayerStats(PlayerStatsTable& table)
{
    const int rows = table.rowCount();
    auto& sums = table.rows.front().totals;
    for (int r = 2; r <= rows; ++r) {
        const auto& t = table.row(r).totals;
        for (std::size_t k = 0; k < sums.size(); ++k)
            sums[k] += t[k];
    }
    table.displayOrder.assign(static_cast<std::size_t>(rows), 0);
    table.displayOrder[0] = 1;
    for (int r = rows; r >= 1; --r) {
        PlayerStatsRow& row = table.row(r);
        if (row.games <= 0)
            continue;
        table.displayOrder[static_cast<std::size_t>(r - 1)] = r;
        const auto& t = row.totals;
        row.totalShots = t[3] + t[4];
        percentage(row.percentages[PctQS], t[2], t[3]);
        percentage(row.percentages[PctTS], t[2], row.totalShots);
        percentage(row.percentages[PctPK], t[5], t[6]);
        percentage(row.percentages[PctCK], t[7], t[8]);
        percentage(row.percentages[PctSv], t[20], t[21]);
        percentage(row.percentages[PctPS], t[22], t[23]);
    }
    table.sortedOrder = table.displayOrder;
}

PlayerStatsResult computePlayerStats(const PlayerStatsInput& input)
{
    // Individual mode reports one player of the first team.
    const QList<int> slots = input.selection.individual && !input.teams.isEmpty()
        ? QList<int>{input.teams.front()}
        : input.teams;
    std::vector<TeamStatsPart> parts = readTeamParts(input, slots);
    PlayerStatsResult result = joinParts(parts);
    finishPlayerStats(result.table);
    return result;
}

RosterNameTable readRosterNames(
    const QString& rosterPath, std::optional<FileError>* error, quint64* checksum)
{
    RosterNameTable names = defaultRosterNames();
    WholeFile file;
    const std::optional<FileError> problem = file.read(rosterPath);
    if (error != nullptr)
        *error = problem;
    if (checksum != nullptr)
        *checksum = ContentChecksum::of(reinterpret_cast<const char*>(file.data()), file.size());
    const qint64 count = file.size() / PlayerNameRecord::Length;
    for (qint64 r = 0; r < count; ++r) {
        const uchar* record = file.data() + r * PlayerNameRecord::Length;
        const int number = integerAt(record, offsetOf(&PlayerNameRecord::playerNumber));
        if (number >= 1 && number <= 99)
            names[number] = TextCodec::decode(reinterpret_cast<const char*>(record) + 2, 17);
    }
    return names;
}

} // namespace scorvane
