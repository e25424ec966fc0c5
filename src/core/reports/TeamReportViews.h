#pragma once

#include "core/reports/GameChartData.h"
#include "core/reports/GameScoresReport.h"
#include "core/reports/LeagueTableReport.h"
#include "core/reports/PlayerChart.h"
#include "core/reports/StandingsReport.h"
#include "core/reports/TeamRecordReport.h"

namespace scorvane {

struct AppState;

// The team reports and the charts as their windows show them, computed from the program state's
// data folder, chosen teams and report selection. A game file that cannot be read goes to the
// state's error reporter: Retry reads it again, anything else ends the program. None of them
// changes the current team: the standings read every chosen team's file without making it current.

// The current team's record by game type.
TeamRecordReport teamRecordOf(AppState& state);
// The current team's counted games with their scores.
GameScoresReport gameScoresOf(AppState& state);
// The chosen teams ranked.
StandingsReport standingsOf(AppState& state);
// The chosen teams in a league table by the state's league rules.
LeagueTableReport leagueTableOf(AppState& state);
// The current team's goals in each counted game with the running record after it.
GameChartData teamChartOf(AppState& state);
// The individual player statistics report's player: `category` in each game its rows count,
// labelled with the games of the team file the rows came from.
GameChartData playerChartOf(
    AppState& state, const PlayerStatsTable& individualRows, const ChartCategory& category);

} // namespace scorvane
