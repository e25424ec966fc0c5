#include "core/output/ReportPrinting.h"

#include "core/reports/PlayerStatsReport.h"
#include "core/reports/TeamReportState.h"
#include "core/roster/PlayerContacts.h"
#include "core/roster/RosterPrintout.h"
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
    case ReportKind::Standings: {
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

} // namespace scorvane
