#pragma once

#include "core/reports/PrintedPlayerReport.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace scorvane {

struct PlayerStatsTable;

// One column of the report window's grid: its heading, its width in 1/1440 inch, and whether it
// holds figures (drawn right-aligned under a right-aligned heading).
struct StatsGridColumn
{
    QString heading;
    int width = 0;
    bool figures = false;
};

// The report window's grid, cell by cell: the heading row lives in the columns, then the totals
// row and one row per display position (the minimum marker among them). With nothing counted the
// grid holds the one row "No Players" (or "No Games" for one player's games) instead.
struct PlayerStatsGrid
{
    std::vector<StatsGridColumn> columns;
    int fixedColumns = 1;          // the name column, and the team or game type column
    std::vector<QStringList> rows; // each holds one text per column
    int totalsRow = 0;             // -1 when nothing was counted
    int markerRow = -1;            // the row of the minimum marker, -1 for none
};

PlayerStatsGrid playerStatsGrid(const PlayerStatsTable& table, const PlayerReportLayout& layout);

// Which of the report window's buttons show after drawing.
struct PlayerReportButtons
{
    bool print = false;
    bool format = false;
    bool sort = false;
    bool minimum = false;
    bool player = false;
    bool team = false;
};

PlayerReportButtons playerReportButtons(bool anythingCounted, bool individual, bool severalTeams);

} // namespace scorvane
