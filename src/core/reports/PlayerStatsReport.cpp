#include "core/reports/PlayerStatsReport.h"

#include "core/output/OutputEngine.h"
#include "core/state/AppState.h"
#include "core/text/Blanks.h"

namespace scorvane {

PreparedPlayerReport preparePlayerReport(const PlayerReportRequest& request)
{
    PreparedPlayerReport report;
    PlayerStatsResult computed = computePlayerStats(request.stats);
    report.table = std::move(computed.table);
    report.error = computed.error;

    const ReportSelection& selection = request.stats.selection;
    PlayerReportLayout& layout = report.layout;
    layout.columns = request.columns;
    layout.individual = selection.individual;
    layout.severalTeams = request.stats.teams.size() >= 2;
    layout.teamShortNames = request.teamShortNames;
    layout.gameTypeNames = request.gameTypeNames;
    layout.userStatCodes = request.userStatCodes;
    if (!request.stats.teams.isEmpty())
        layout.teamName = request.teamNames[request.stats.teams.front()];
    if (selection.individual) {
        const int player = selection.individualPlayer;
        if (player >= 1 && player <= 99 && request.stats.currentTeamNames)
            layout.playerName = (*request.stats.currentTeamNames)[player];
        else if (player >= 1 && player <= 99 && report.table.rowCount() >= 2)
            layout.playerName = report.table.row(2).name;
        return report;
    }
    sortPlayerRows(report.table, request.sortColumn, request.sortOrder);
    layout.minimum = splitByMinimum(report.table, selection.minimumKind, selection.minimumValue);
    return report;
}

PlayerReportRequest playerReportRequest(const AppState& state)
{
    PlayerReportRequest r;
    r.stats.dataFolder = state.DataPath;
    for (int slot = 1; slot <= 100; ++slot) {
        if (state.TeamSelected[slot] == u"Y")
            r.stats.teams << slot;
    }
    ReportSelection& s = r.stats.selection;
    s.fromGame = state.FromGame;
    s.toGame = state.ToGame;
    for (int type = 1; type <= 7; ++type)
        s.typeCounted[static_cast<std::size_t>(type - 1)] = state.GameTypeOn[type];
    s.allTypesCounted = state.AllGameTypes;
    s.onlySelectedGames = state.UseSpecialSelect;
    s.playerNumber = state.SelectPlayerNumber;
    s.playerName = state.SelectPlayerName;
    s.individual = state.IndividualMode;
    s.individualPlayer = state.IndividualPlayer;
    s.minimumKind = state.MinimumKind == u"G" ? MinimumKind::GamesPlayed : MinimumKind::ShotsOnGoal;
    s.minimumValue = state.MinimumValue;
    r.stats.currentTeamNames = state.RosterNames;
    for (int slot = 1; slot <= 50; ++slot)
        r.columns << state.ReportColumns[slot];
    r.sortColumn = state.SortColumn;
    r.sortOrder = state.SortOrder == u"D" ? SortOrder::Descending : SortOrder::Ascending;
    r.teamNames = state.TeamNames;
    r.teamShortNames = state.TeamShortNames;
    r.gameTypeNames = state.GameTypeNames;
    r.userStatCodes = state.UserStatCodes;
    r.print.title = state.ReportTitle;
    r.print.copies = state.CopiesLeft;
    r.print.linesPerPage = state.LinesPerPage;
    r.print.top = state.PrintTop;
    return r;
}

void printPlayerStatistics(const AppState& state, OutputEngine& engine)
{
    const PlayerReportRequest request = playerReportRequest(state);
    PreparedPlayerReport report = preparePlayerReport(request);
    while (report.error) {
        if (state.Reporter.reportFileError(*report.error) != ErrorReporter::Choice::Retry)
            state.Reporter.endProgram();
        report = preparePlayerReport(request);
    }
    printPlayerReport(report.table, report.layout, request.print, engine);
}

} // namespace scorvane
