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

CountedGames currentTeamGames(AppState& state, const TeamReportInput& input)
{
    return readRetrying(state, [&input] {
        return GameFileReader(input.dataFolder).games(input.teams.front(), input.selection);
    });
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

GameChartData teamChartOf(AppState& state)
{
    const TeamReportInput input = teamReportInput(state);
    const CountedGames counted = currentTeamGames(state, input);
    return teamGoalsChart(counted.games, rightTrimBlanks(input.teamNames[input.teams.front()]));
}

} // namespace scorvane
