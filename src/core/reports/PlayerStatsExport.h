#pragma once

#include "core/output/ExportTable.h"

namespace scorvane {

struct PlayerStatsTable;
struct PlayerReportLayout;
struct PrintChoices;

// The player statistics as a table for a spreadsheet or a web page: the rows the printout lists,
// in its order (the sort, the minimum split, only the top players asked for), then the totals.
// One team: "Player" and the report's columns. Several teams: a "Team" column after the player.
// One player's games: "Game" and "Game Type" in place of the player. Whole numbers as they are,
// percentages with one decimal after a point. The caption names the player of an individual
// report, where the minimum splits the list and how many players were left out.
ExportTable playerStatsExportTable(
    const PlayerStatsTable& table, const PlayerReportLayout& layout, const PrintChoices& choices);

} // namespace scorvane
