#include "core/reports/TeamReportRun.h"

#include "core/reports/GameFileReader.h"
#include "core/reports/StandingsReport.h"
#include "core/reports/TeamRecordReport.h"

namespace scorvane {

TeamReportOutcome printTeamReport(
    const TeamReportInput& input, const PageChoices& choices, OutputEngine& engine)
{
    if (input.teams.isEmpty())
        return {};
    const int slot = input.teams.front();
    switch (input.selection.kind) {
    case ReportKind::Record: {
        const CountedResults counted
            = GameFileReader(input.dataFolder).results(slot, input.selection);
        if (counted.fault)
            return {counted.fault, false};
        const TeamRecordReport report(counted.games);
        return {std::nullopt,
            !report.print(engine, choices, input.teamNames[slot], input.gameTypeNames)};
    }
    case ReportKind::GameScores: {
        CountedGames counted = GameFileReader(input.dataFolder).games(slot, input.selection);
        if (counted.fault)
            return {counted.fault, false};
        const GameScoresReport report(
            std::move(counted.games), input.teamNames[slot], input.gameTypeNames);
        return {std::nullopt, !report.print(input.scoresForm, engine, choices)};
    }
    case ReportKind::Standings: {
        const StandingsResult standings
            = computeStandings(input.dataFolder, input.teams, input.teamNames, input.selection);
        if (standings.fault)
            return {standings.fault, false};
        return {std::nullopt, !standings.report.print(engine, choices)};
    }
    case ReportKind::PlayerStatistics:
    case ReportKind::Roster:
        break;
    }
    return {};
}

TeamReportTable teamReportTable(const TeamReportInput& input, const QString& title)
{
    if (input.teams.isEmpty())
        return {};
    const int slot = input.teams.front();
    switch (input.selection.kind) {
    case ReportKind::Record: {
        const CountedResults counted
            = GameFileReader(input.dataFolder).results(slot, input.selection);
        if (counted.fault)
            return {{}, counted.fault};
        return {TeamRecordReport(counted.games)
                    .exportTable(title, input.teamNames[slot], input.gameTypeNames),
            std::nullopt};
    }
    case ReportKind::GameScores: {
        CountedGames counted = GameFileReader(input.dataFolder).games(slot, input.selection);
        if (counted.fault)
            return {{}, counted.fault};
        const GameScoresReport report(
            std::move(counted.games), input.teamNames[slot], input.gameTypeNames);
        return {report.exportTable(title, input.scoresForm), std::nullopt};
    }
    case ReportKind::Standings: {
        const StandingsResult standings
            = computeStandings(input.dataFolder, input.teams, input.teamNames, input.selection);
        if (standings.fault)
            return {{}, standings.fault};
        return {standings.report.exportTable(title), std::nullopt};
    }
    case ReportKind::PlayerStatistics:
    case ReportKind::Roster:
        break;
    }
    return {};
}

} // namespace scorvane
