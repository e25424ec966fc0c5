#pragma once

#include <QList>
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
};

} // namespace scorvane
