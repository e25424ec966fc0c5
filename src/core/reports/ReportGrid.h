#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace scorvane {

enum class CellAlignment { Left, Right };

struct GridColumn
{
    QString heading; // empty for every column of a grid without a heading row
    CellAlignment alignment = CellAlignment::Left;
    bool widest = false;      // the column sized first, to its longest text
    bool fitsContent = false; // widened to the longest text of the column
};

// What a report window shows in its grid: the columns and the rows below the heading, cell by
// cell, ready to be drawn as they stand. An empty row separates blocks.
struct ReportGrid
{
    std::vector<GridColumn> columns;
    std::vector<QStringList> rows; // every row holds one text per column

    bool hasHeadings() const
    {
        for (const GridColumn& column : columns) {
            if (!column.heading.isEmpty())
                return true;
        }
        return false;
    }
};

// Which buttons a team report window shows after building its report.
struct ReportButtons
{
    bool compute = true;
    bool print = true;
    bool longForm = false;  // game scores only
    bool shortForm = false; // game scores only
};

} // namespace scorvane
