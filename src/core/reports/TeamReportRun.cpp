#include "core/reports/TeamReportRun.h"

#include "core/reports/GameFileReader.h"
#include "core/reports/LeagueTableReport.h"
#include "core/reports/StandingsReport.h"
#include "core/reports/TeamRecordReport.h"

#include <variant>

namespace scorvane {

namespace {

// The report the selection names, computed once whether it is then printed or exported.
struct ComputedTeamReport
{
    std::variant<std::monostate, TeamRecordReport, GameScoresReport, StandingsReport,
        LeagueTableReport>
        report;
    std::optional<FileError> fault; // a file that could not be read; no report then
};

ComputedTeamReport computeTeamReport(const TeamReportInput& input)
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
        return {TeamRecordReport(counted.games), std::nullopt};
    }
    case ReportKind::GameScores: {
        CountedGames counted = GameFileReader(input.dataFolder).games(slot, input.selection);
        if (counted.fault)
            return {{}, counted.fault};
        return {
            GameScoresReport(std::move(counted.games), input.teamNames[slot], input.gameTypeNames),
            std::nullopt};
    }
    case ReportKind::Standings: {
        StandingsResult standings
            = computeStandings(input.dataFolder, input.teams, input.teamNames, input.selection);
        if (standings.fault)
            return {{}, standings.fault};
        return {std::move(standings.report), std::nullopt};
    }
    case ReportKind::LeagueTable: {
        LeagueTableResult league = computeLeagueTable(
            input.dataFolder, input.teams, input.teamNames, input.selection, input.leagueRules);
        if (league.fault)
            return {{}, league.fault};
        return {std::move(league.report), std::nullopt};
    }
    case ReportKind::PlayerStatistics:
    case ReportKind::Roster:
        break;
    }
    return {};
}

template <typename... Visits> struct Visitor : Visits...
{
    using Visits::operator()...;
};
template <typename... Visits> Visitor(Visits...) -> Visitor<Visits...>; // for clang before 17

} // namespace

TeamReportOutcome printTeamReport(
    const TeamReportInput& input, const PageChoices& choices, OutputEngine& engine)
{
    const ComputedTeamReport computed = computeTeamReport(input);
    if (computed.fault)
        return {computed.fault, false};
    const int slot = input.teams.isEmpty() ? 0 : input.teams.front();
    const bool printed = std::visit(
        Visitor{[](std::monostate) { return true; },
            [&](const TeamRecordReport& report) {
                return report.print(engine, choices, input.teamNames[slot], input.gameTypeNames);
            },
            [&](const GameScoresReport& report) {
                return report.print(input.scoresForm, engine, choices);
            },
            [&](const StandingsReport& report) { return report.print(engine, choices); },
            [&](const LeagueTableReport& report) { return report.print(engine, choices); }},
        computed.report);
    return {std::nullopt, !printed};
}

TeamReportTable teamReportTable(const TeamReportInput& input, const QString& title)
{
    const ComputedTeamReport computed = computeTeamReport(input);
    if (computed.fault)
        return {{}, computed.fault};
    const int slot = input.teams.isEmpty() ? 0 : input.teams.front();
    return {
        std::visit(Visitor{[](std::monostate) { return ExportTable{}; },
                       [&](const TeamRecordReport& report) {
                           return report.exportTable(
                               title, input.teamNames[slot], input.gameTypeNames);
                       },
                       [&](const GameScoresReport& report) {
                           return report.exportTable(title, input.scoresForm);
                       },
                       [&](const StandingsReport& report) { return report.exportTable(title); },
                       [&](const LeagueTableReport& report) { return report.exportTable(title); }},
            computed.report),
        std::nullopt};
}

} // namespace scorvane
