#pragma once

#include <QString>

#include <array>
#include <vector>

namespace scorvane {

// The six derived percentages, in report order.
enum PercentageIndex : int { PctQS = 0, PctTS, PctPK, PctCK, PctSv, PctPS };

// One row of the player statistics: a player of a team, or in individual mode one game of the
// chosen player. Row 1 holds the totals of every counted record.
struct PlayerStatsRow
{
    int team = 0;  // team slot the row's records came from
    QString name;  // roster name without trailing blanks
    int games = 0; // games played; for row 1 the number of distinct games counted
    std::array<qint32, 29> totals{};
    qint32 totalShots = 0;              // SOG + SAG
    std::array<float, 6> percentages{}; // 0 where the denominator is 0
    int game = 0;                       // individual mode: the game of the row
    int gameType = 0;                   // individual mode: numeric value of its type byte
    int seasons = 0; // career: the seasons the row's games come from (row 1: seasons read)
    int season = 0;  // career, individual mode: the game's season, an index from 0
};

// The computed table and the order its rows are shown in. Rows and positions count from 1 as
// the reports name them; position 1 is always the totals row.
struct PlayerStatsTable
{
    std::vector<PlayerStatsRow> rows{PlayerStatsRow{}};
    std::vector<int> displayOrder{1}; // row shown at each position; 0 for a row without games
    std::vector<int> sortedOrder{1};  // the order the last sort produced
    int maxNameLength = 0;

    int rowCount() const { return static_cast<int>(rows.size()); }
    const PlayerStatsRow& row(int number) const { return rows.at(number - 1); }
    PlayerStatsRow& row(int number) { return rows.at(number - 1); }
    const PlayerStatsRow& totals() const { return rows.front(); }
    int rowAt(int position) const { return displayOrder.at(position - 1); }
    // Whether position 2 shows a player (or game) row, i.e. anything was counted.
    bool hasPlayerRows() const { return rowCount() >= 2 && rowAt(2) != 0; }
};

} // namespace scorvane
