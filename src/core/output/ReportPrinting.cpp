#include "core/output/ReportPrinting.h"

#include "core/reports/PlayerStatsReport.h"
#include "core/reports/TeamReportRun.h"
#include "core/reports/TeamReportState.h"
#include "core/roster/PlayerContacts.h"
#include "core/roster/RosterPrintout.h"
#include "core/seasons/SeasonViewing.h"
#include "core/state/AppState.h"

namespace scorvane {

QString defaultReportTitle(ReportKind kind)
{
    switch (kind) {
    case ReportKind::PlayerStatistics:
        return QStringLiteral("Player Statistics");
    case ReportKind::Record:
        return QStringLiteral("Team Record");
    case ReportKind::GameScores:
        return QStringLiteral("Game Scores");
    case ReportKind::Standings:
        return QStringLiteral("Team Standings");
    case ReportKind::LeagueTable:
        return QStringLiteral("League Table");
    case ReportKind::Roster:
        break;
    }
    return QStringLiteral("Roster");
}

bool printReport(ReportKind kind, AppState& state, OutputEngine& engine, ScoresForm scoresForm)
{
    switch (kind) {
    case ReportKind::Roster:
        printRoster(state, readPlayerContacts(state.files), engine);
        return true;
    case ReportKind::PlayerStatistics:
        printPlayerStatistics(state, engine);
        return true;
    case ReportKind::GameScores:
    case ReportKind::Record:
    case ReportKind::Standings:
    case ReportKind::LeagueTable: {
        TeamReportInput input = teamReportInput(state, scoresForm);
        input.selection.kind = kind;
        const TeamReportOutcome outcome = printTeamReport(input, pageChoices(state), engine);
        if (outcome.fault) {
            state.reporter.reportFileError(*outcome.fault);
            state.reporter.endProgram();
        }
        return true;
    }
    }
    return false;
}

ExportTable reportExportTable(ReportKind kind, AppState& state, ScoresForm scoresForm)
{
    switch (kind) {
    case ReportKind::Roster:
        return rosterExportTable(state, readPlayerContacts(state.files));
    case ReportKind::PlayerStatistics:
        return playerStatisticsTable(state);
    case ReportKind::GameScores:
    case ReportKind::Record:
    case ReportKind::Standings:
    case ReportKind::LeagueTable:
        break;
    }
    TeamReportInput input = teamReportInput(state, scoresForm);
    input.selection.kind = kind;
    TeamReportTable result = teamReportTable(input, withSeasonName(state, state.printJob.title));
    if (result.fault) {
        state.reporter.reportFileError(*result.fault);
        state.reporter.endProgram();
    }
    return result.table;
}

} // namespace scorvane
