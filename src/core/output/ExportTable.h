#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace scorvane {

// A report as a table for a spreadsheet or a web page: the same rows in the same order as the
// printout, with raw values (no padding, a decimal point in percentages).
struct ExportTable
{
    enum class RowKind { Body, Totals };
    struct Row
    {
        RowKind kind = RowKind::Body;
        QStringList cells;
    };

    QString title;   // the report title
    QString team;    // the team (or teams) the report is about
    QString caption; // a line under the title: the games counted, the player, ...
    QStringList headings;
    QList<Row> rows;
    QList<int> numericColumns; // columns whose cells are numbers (right-aligned on a page)
    // Numeric columns that are percentages, each with the number its cells are out of: 100 for
    // a statistic's "45.5" (45.5 %), 1 for a winning percentage's "0.667". A workbook stores
    // them as fractions with a percent format; text files show the cells as they are.
    QMap<int, int> percentColumns;
    QList<int> dateColumns; // cells are "MM/DD/YY" game dates (stored as dates in a workbook)
};

// A table with the name of the sheet it goes on in a workbook.
struct NamedTable
{
    QString name;
    ExportTable table;
};

} // namespace scorvane
