#include "core/reports/PlayerStatsReport.h"

#include "core/seasons/CareerStats.h"
#include "core/seasons/SeasonViewing.h"

#include "core/output/OutputEngine.h"
#include "core/reports/PlayerStatsExport.h"
#include "core/state/AppState.h"
#include "core/text/Blanks.h"

namespace scorvane {

PreparedPlayerReport preparePlayerReport(const PlayerReportRequest& request)
{
    PreparedPlayerReport report;
    const ReportSelection& selection = request.stats.selection;
    PlayerReportLayout& layout = report.layout;
    if (selection.career) {
        CareerStatsResult career = computeCareerStats(request.stats, selection.careerSeasons);
        report.table = std::move(career.table);
        report.error = career.error;
        layout.career = true;
        layout.seasonNames = career.seasonNames;
        for (const ArchivedSeason& season : career.leftOut)
            layout.leftOutSeasons << season.name + QStringLiteral(": ") + season.problem;
    } else {
        PlayerStatsResult computed = computePlayerStats(request.stats);
        report.table = std::move(computed.table);
        report.error = computed.error;
    }

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
    r.stats.dataFolder = state.settings.dataFolder;
    for (int slot = 1; slot <= 100; ++slot) {
        if (state.teamChoice.selected[slot])
            r.stats.teams << slot;
    }
    r.stats.selection = state.reportSelection;
    r.stats.currentTeamNames = state.roster.names;
    for (int slot = 1; slot <= 50; ++slot)
        r.columns << state.settings.reportColumns[slot];
    r.sortColumn = state.settings.sortColumn;
    r.sortOrder = state.settings.sortOrder;
    r.teamNames = state.teamChoice.names;
    r.teamShortNames = state.teamChoice.shortNames;
    r.gameTypeNames = state.settings.gameTypeNames;
    r.userStatCodes = state.settings.userStatCodes;
    r.print.title = withSeasonName(state, state.printJob.title);
    r.print.copies = state.printJob.copies;
    r.print.linesPerPage = state.settings.linesPerPage;
    r.print.top = state.printJob.top;
    return r;
}

namespace {

// Prepares the report; a file that cannot be read goes to the error reporter, whose Retry reads
// again.
PreparedPlayerReport preparedFromState(const AppState& state, const PlayerReportRequest& request)
{
    PreparedPlayerReport report = preparePlayerReport(request);
    while (report.error) {
        if (state.reporter.reportFileError(*report.error) != ErrorReporter::Choice::Retry)
            state.reporter.endProgram();
        report = preparePlayerReport(request);
    }
    return report;
}

} // namespace

void printPlayerStatistics(const AppState& state, OutputEngine& engine)
{
    const PlayerReportRequest request = playerReportRequest(state);
    const PreparedPlayerReport report = preparedFromState(state, request);
    printPlayerReport(report.table, report.layout, request.print, engine);
}

ExportTable playerStatisticsTable(const AppState& state)
{
    const PlayerReportRequest request = playerReportRequest(state);
    const PreparedPlayerReport report = preparedFromState(state, request);
    return playerStatsExportTable(report.table, report.layout, request.print);
}

} // namespace scorvane
