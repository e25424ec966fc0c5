#pragma once

#include "core/output/ExportTable.h"

#include <QList>

namespace scorvane {

struct AppState;

// The sheets of a season workbook for the teams the team choice holds, team after team in slot
// order: the roster, the games, the player statistics, the record and the game scores, each
// over every game the team has. With one team the sheets are named "Roster", "Games", "Player
// Statistics", "Record" and "Game Scores"; with several, each name starts with the team's short
// name ("Lions Roster"), else its name. The team choice, the report selection, the print job and
// the current game are as they were afterwards; files that cannot be read go to the error
// reporter as for a report.
QList<NamedTable> seasonWorkbookTables(AppState& state);

// The active games of the current team (its game file open) in file order, as a table.
ExportTable gameListTable(AppState& state);

} // namespace scorvane
