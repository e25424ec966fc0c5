#pragma once

#include "core/output/ExportTable.h"

#include <QList>
#include <QString>

namespace scorvane {

// Writes the tables to `path` as an .xlsx workbook, one sheet each in the order given, under
// their names made valid and unique (see uniqueSheetName). Each sheet starts with a header row
// of the column headings, frozen with the first column so both stay in view; numeric cells are
// stored as numbers, percentages as fractions with a percent format, game dates as dates, and
// the totals row is bold. A caption goes two rows under the table; the title and team head each
// printed page.
//
// The workbook is written whole or not at all: it is made beside `path` under another name and
// renamed over any earlier file only once complete. The error text, empty when written.
QString writeWorkbook(const QString& path, const QList<NamedTable>& sheets);

// One report's table as a workbook of one sheet, named for the report's title.
QString writeTableWorkbook(const QString& path, const ExportTable& table);

} // namespace scorvane
