#pragma once

#include "core/output/ExportTable.h"
#include "core/reports/PlayerStatsComputation.h"
#include "core/reports/PrintedPlayerReport.h"
#include "core/reports/StatsSort.h"

namespace scorvane {

struct AppState;

// Everything one player statistics report is made from, as plain values.
struct PlayerReportRequest
{
    PlayerStatsInput stats;
    QList<int> columns; // report column slots, codes 1..37 shown
    int sortColumn = 7;
    SortOrder sortOrder = SortOrder::Descending;
    TeamNameTable teamNames;
    TeamNameTable teamShortNames;
    GameTypeNameTable gameTypeNames;
    UserStatCodeTable userStatCodes;
    PrintChoices print;
};

// The report as the window shows it and the printout prints it.
struct PreparedPlayerReport
{
    PlayerStatsTable table;
    PlayerReportLayout layout;
    std::optional<FileError> error; // a file that could not be read
};

// Computes, sorts (team mode), splits by the minimum (team mode, minimum of at least 1) and
// fills the layout. The window does the same steps one button at a time.
PreparedPlayerReport preparePlayerReport(const PlayerReportRequest& request);

// The report's inputs as the program holds them now: the chosen teams, the report selection,
// the current report columns and sort, the names and the print dialog's choices.
PlayerReportRequest playerReportRequest(const AppState& state);

// The print path of the player statistics: prepares the report from the program's state and
// prints it through the engine (file, printer or stream, as the engine is set up). A file that
// cannot be read goes to the program's error reporter, whose Retry reads again.
void printPlayerStatistics(const AppState& state, OutputEngine& engine);

// The same report prepared the same way, as a table to export (see playerStatsExportTable).
ExportTable playerStatisticsTable(const AppState& state);

} // namespace scorvane
