#pragma once

#include "core/reports/ReportGrid.h"

class QTableWidget;
class QWidget;

namespace scorvane {

// What every report grid shares: read-only cells chosen by whole rows, fixed row heights, no
// wrapping and no row numbers.
void setUpReportTable(QTableWidget* table);

// Lets the table grow to show `columnsWidth` pixels of columns (and the vertical scroll bar when
// `scrolls`), within the room the main window `main` leaves and never below `minimumWidth`, and
// lets the frame of the child window `window` grow with it once shown.
void showColumnsWidth(QTableWidget* table, int columnsWidth, const QWidget* main, int minimumWidth,
    bool scrolls, QWidget* window);

// Fills the table with the grid's headings (the heading row is hidden when it has none) and
// cells, figures right-aligned, and makes every column as wide as its longest text, the widest
// column at least as wide as any other; under a heading row the figure columns are all as wide
// as the widest of them. Returns the width of all columns.
int showReportGrid(QTableWidget* table, const ReportGrid& grid);

} // namespace scorvane
