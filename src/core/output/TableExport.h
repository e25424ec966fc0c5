#pragma once

#include "core/output/ExportTable.h"

#include <QByteArray>

namespace scorvane {

// The file formats a report table exports to, beside the printed text.
enum class ExportFormat { Csv, Html };

// UTF-8 comma-separated values: a header row of the column headings, then one row per report
// row. The first column, "Row", says "Totals" on the totals row and is empty elsewhere, so a
// spreadsheet can filter the totals out. Fields holding a comma, a quote or a line break are
// quoted, quotes doubled; lines end with CR LF.
QByteArray tableAsCsv(const ExportTable& table);

// One self-contained UTF-8 HTML page: the title, the team, a styled table that prints cleanly,
// and nothing fetched from anywhere.
QByteArray tableAsHtml(const ExportTable& table);

QByteArray exportTable(const ExportTable& table, ExportFormat format);

// Writes the table to `path` whole or not at all: the bytes go to a file beside it that is
// renamed over the old one only once complete, so a failure leaves any earlier file as it was.
// The error text, empty when written.
QString writeExportFile(const QString& path, const ExportTable& table, ExportFormat format);

} // namespace scorvane
