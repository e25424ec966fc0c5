#pragma once

#include "core/state/ReportSelection.h"
#include "core/state/SortOrder.h"

#include <QString>

namespace scorvane {

struct PlayerStatsTable;

// Orders positions 2 onwards by the value of `sortColumn` (1..37; any other code leaves every
// key 0), ties going to the row with more games, or more periods played when sorting by games.
// Rows equal in both keys keep their places relative to each other only as the shell sort
// leaves them. Position 1, the totals, never moves. Sets the sorted order too.
void sortPlayerRows(PlayerStatsTable& table, int sortColumn, SortOrder order);

// Where the report marks the players below the minimum, and the marker's two texts.
struct MinimumSplit
{
    int position = 0; // display position of the marker; 0: no split
    QString marker;   // in the grid: "*  3 Games *"
    QString line;     // in the printout, between "*** " and " ***": "Less than 3 Games"
};

// Moves the rows whose games (or shots on goal) are below `value` behind the others, each group
// in sorted order. A value below 1 changes nothing and gives no split.
MinimumSplit splitByMinimum(PlayerStatsTable& table, MinimumKind kind, int value);

} // namespace scorvane
