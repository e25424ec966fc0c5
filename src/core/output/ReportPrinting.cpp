#include "core/output/ReportPrinting.h"

#include "core/reports/PlayerStatsReport.h"
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

bool printReport(ReportKind kind, AppState& state, OutputEngine& engine)
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
    case ReportKind::Standings:
        break;
    }
    return false;
}

} // namespace scorvane
