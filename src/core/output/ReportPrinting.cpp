#include "core/output/ReportPrinting.h"

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

bool printReport(ReportKind kind, AppState& state, OutputEngine& engine)
{
    switch (kind) {
    case ReportKind::Roster:
        printRoster(state, readPlayerContacts(state.files), engine);
        return true;
    case ReportKind::PlayerStatistics:
    case ReportKind::GameScores:
    case ReportKind::Record:
    case ReportKind::Standings:
        break;
    }
    return false;
}

} // namespace scorvane
