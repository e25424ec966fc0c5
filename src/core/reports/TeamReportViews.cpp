#include "core/reports/TeamReportViews.h"

#include "core/reports/TeamReportState.h"
#include "core/state/AppState.h"
#include "core/text/Blanks.h"

namespace scorvane {

namespace {

// Runs `read` until it succeeds or the user gives up the fault it returns.
template <typename Read> auto readRetrying(AppState& state, Read read)
{
    for (;;) {
        auto result = read();
        if (!result.fault)
            return result;
        if (state.reporter.reportFileError(*result.fault) != ErrorReporter::Choice::Retry)
            state.reporter.endProgram();
    }
}

CountedGames countedGames(AppState& state, const TeamReportInput& input, int slot)
{
    return readRetrying(state,
        [&input, slot] { return GameFileReader(input.dataFolder).games(slot, input.selection); });
}

CountedGames currentTeamGames(AppState& state, const TeamReportInput& input)
{
    return countedGames(state, input, input.teams.front());
}

} // namespace

TeamRecordReport teamRecordOf(AppState& state)
{
    const TeamReportInput input = teamReportInput(state);
    const CountedResults counted = readRetrying(state, [&input] {
        return GameFileReader(input.dataFolder).results(input.teams.front(), input.selection);
    });
    return TeamRecordReport(counted.games);
}

GameScoresReport gameScoresOf(AppState& state)
{
    const TeamReportInput input = teamReportInput(state);
    CountedGames counted = currentTeamGames(state, input);
    return GameScoresReport(
        std::move(counted.games), input.teamNames[input.teams.front()], input.gameTypeNames);
}

StandingsReport standingsOf(AppState& state)
{
    const TeamReportInput input = teamReportInput(state);
    return readRetrying(state, [&input] {
        return computeStandings(input.dataFolder, input.teams, input.teamNames, input.selection);
    }).report;
}

LeagueTableReport leagueTableOf(AppState& state)
{
    const TeamReportInput input = teamReportInput(state);
    return readRetrying(state, [&input] {
        return computeLeagueTable(
            input.dataFolder, input.teams, input.teamNames, input.selection, input.leagueRules);
    }).report;
}

GameChartData teamChartOf(AppState& state)
{
    const TeamReportInput input = teamReportInput(state);
    const CountedGames counted = currentTeamGames(state, input);
    return teamGoalsChart(counted.games, rightTrimBlanks(input.teamNames[input.teams.front()]));
}

GameChartData playerChartOf(
    AppState& state, const PlayerStatsTable& individualRows, const ChartCategory& category)
{
    TeamReportInput input = teamReportInput(state);
    // The rows hold only the counted records; any game of the file may label them.
    input.selection = ReportSelection{};
    // The individual report reads one team; its rows name it.
    const int slot = individualRows.hasPlayerRows()
        ? individualRows.row(individualRows.rowAt(2)).team
        : input.teams.front();
    const CountedGames counted = countedGames(state, input, slot);
    return individualPlayerChart(
        counted.games, individualRows, state.reportSelection.individualPlayer, category);
}

} // namespace scorvane
