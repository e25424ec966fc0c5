#include "core/output/ReportPrinting.h"

#include "core/reports/PlayerStatsReport.h"
#include "core/reports/TeamReportState.h"
#include "core/roster/PlayerContacts.h"
#include "core/roster/RosterPrintout.h"
#include "core/state/AppState.h"

#include <map>

namespace scorvane {

QString defaultReportTitle(const QString& reportKind)
{
    static const std::map<QString, QString> titles = {
        {QStringLiteral("P"), QStringLiteral("Player Statistics")},
        {QStringLiteral("R"), QStringLiteral("Team Record")},
        {QStringLiteral("G"), QStringLiteral("Game Scores")},
        {QStringLiteral("S"), QStringLiteral("Team Standings")},
        {QStringLiteral("X"), QStringLiteral("Roster")},
    };
    const auto it = titles.find(reportKind);
    return it == titles.end() ? QString() : it->second;
}

bool printReport(ReportKind kind, AppState& state, OutputEngine& engine, ScoresForm scoresForm)
{
    switch (kind) {
    case ReportKind::Roster:
        printRoster(state, readPlayerContacts(state.Files), engine);
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
            state.Reporter.reportFileError(*outcome.fault);
            state.Reporter.endProgram();
        }
        return true;
    }
    }
    return false;
}

} // namespace scorvane
