#include "core/reports/TeamReportRun.h"

#include "core/reports/CountedGames.h"
#include "core/reports/StandingsReport.h"
#include "core/reports/TeamRecordReport.h"

namespace scorvane {

TeamReportOutcome printTeamReport(
    const TeamReportInput& input, const PageChoices& choices, OutputEngine& engine)
{
    if (input.teams.isEmpty())
        return {QStringLiteral("no team chosen"), false};
    const int slot = input.teams.front();
    const QString gameFile = teamGameFile(input.dataFolder, slot);
    switch (input.selection.kind) {
    case ReportKind::Record: {
        const CountedResults counted = readCountedResults(gameFile, input.selection);
        if (!counted.error.isEmpty())
            return {counted.error, false};
        const TeamRecordReport report(counted.games);
        return {
            QString(), !report.print(engine, choices, input.teamNames[slot], input.gameTypeNames)};
    }
    case ReportKind::GameScores: {
        CountedGames counted = readCountedGames(gameFile, input.selection);
        if (!counted.error.isEmpty())
            return {counted.error, false};
        const GameScoresReport report(
            std::move(counted.games), input.teamNames[slot], input.gameTypeNames);
        return {QString(), !report.print(input.scoresForm, engine, choices)};
    }
    case ReportKind::Standings: {
        const StandingsResult standings
            = computeStandings(input.dataFolder, input.teams, input.teamNames, input.selection);
        if (!standings.error.isEmpty())
            return {standings.error, false};
        return {QString(), !standings.report.print(engine, choices)};
    }
    case ReportKind::PlayerStatistics:
    case ReportKind::Roster:
        break;
    }
    return {QStringLiteral("not a team report"), false};
}

} // namespace scorvane
