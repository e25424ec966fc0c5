#pragma once

#include "core/entry/Categories.h"
#include "core/reports/GameChartData.h"
#include "core/reports/PlayerStatsTable.h"

#include <QList>
#include <QString>

#include <vector>

namespace scorvane {

// A report column a player's chart can show, with the name the chart gives it.
struct ChartCategory
{
    int code = 0; // report category 1..37
    QString name;
};

// The report's columns (category codes, 0 for an empty slot) that a chart can show, in column
// order, each once. Only the entered statistics qualify: the games count, total shots and the
// percentages are not figures of a single game record.
QList<ChartCategory> chartCategories(
    const QList<int>& columns, const UserStatCodeTable& userStatCodes);

// One player's `category` game by game, from the rows the individual report counted (one row
// per counted record of player `playerNumber`) over the team's counted `games`.
GameChartData individualPlayerChart(const std::vector<GameRecord>& games,
    const PlayerStatsTable& individualRows, int playerNumber, const ChartCategory& category);

} // namespace scorvane
