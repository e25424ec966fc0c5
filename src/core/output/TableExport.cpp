#include "core/output/TableExport.h"

#include <QSaveFile>

namespace scorvane {

namespace {

QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n')
        && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString csvLine(const QStringList& fields)
{
    QStringList out;
    out.reserve(fields.size());
    for (const QString& f : fields)
        out << csvField(f);
    return out.join(u',') + QStringLiteral("\r\n");
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

constexpr const char* PageStyle = R"(
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; margin: 2em; color: #1b1b1b; }
h1 { font-size: 1.5em; margin: 0 0 0.2em 0; }
p.team { font-size: 1.1em; margin: 0 0 0.2em 0; font-weight: bold; color: #2c4a2c; }
p.caption { margin: 0 0 1em 0; color: #555; }
table { border-collapse: collapse; font-variant-numeric: tabular-nums; }
th, td { padding: 0.25em 0.6em; border-bottom: 1px solid #d0d7d0; text-align: left; white-space: nowrap; }
th { background: #2c4a2c; color: #fff; font-weight: 600; }
td.n, th.n { text-align: right; }
tbody tr:nth-child(even) td { background: #f3f6f3; }
tr.totals td { font-weight: bold; border-top: 2px solid #2c4a2c; background: #e4ece4; }
@media print {
  body { margin: 0; }
  th { background: #fff; color: #000; border-bottom: 2px solid #000; }
  tbody tr:nth-child(even) td { background: none; }
  tr { page-break-inside: avoid; }
  thead { display: table-header-group; }
}
)";

} // namespace

QByteArray tableAsCsv(const ExportTable& table)
{
    QString out = csvLine(QStringList{QStringLiteral("Row")} + table.headings);
    for (const ExportTable::Row& row : table.rows) {
        const QString kind
            = row.kind == ExportTable::RowKind::Totals ? QStringLiteral("Totals") : QString();
        out += csvLine(QStringList{kind} + row.cells);
    }
    return out.toUtf8();
}

QByteArray tableAsHtml(const ExportTable& table)
{
    auto numeric
        = [&](qsizetype column) { return table.numericColumns.contains(static_cast<int>(column)); };
    QString out
        = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n")
        + QStringLiteral("<title>") + escaped(table.title) + QStringLiteral("</title>\n<style>")
        + QString::fromLatin1(PageStyle) + QStringLiteral("</style>\n</head>\n<body>\n");
    out += QStringLiteral("<h1>") + escaped(table.title) + QStringLiteral("</h1>\n");
    if (!table.team.isEmpty())
        out += QStringLiteral("<p class=\"team\">") + escaped(table.team)
            + QStringLiteral("</p>\n");
    if (!table.caption.isEmpty())
        out += QStringLiteral("<p class=\"caption\">") + escaped(table.caption)
            + QStringLiteral("</p>\n");
    out += QStringLiteral("<table>\n<thead>\n<tr>");
    for (qsizetype c = 0; c < table.headings.size(); ++c)
        out += (numeric(c) ? QStringLiteral("<th class=\"n\">") : QStringLiteral("<th>"))
            + escaped(table.headings[c]) + QStringLiteral("</th>");
    out += QStringLiteral("</tr>\n</thead>\n<tbody>\n");
    for (const ExportTable::Row& row : table.rows) {
        out += row.kind == ExportTable::RowKind::Totals ? QStringLiteral("<tr class=\"totals\">")
                                                        : QStringLiteral("<tr>");
        for (qsizetype c = 0; c < row.cells.size(); ++c)
            out += (numeric(c) ? QStringLiteral("<td class=\"n\">") : QStringLiteral("<td>"))
                + escaped(row.cells[c]) + QStringLiteral("</td>");
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</tbody>\n</table>\n</body>\n</html>\n");
    return out.toUtf8();
}

QByteArray exportTable(const ExportTable& table, ExportFormat format)
{
    return format == ExportFormat::Csv ? tableAsCsv(table) : tableAsHtml(table);
}

QString writeExportFile(const QString& path, const ExportTable& table, ExportFormat format)
{
    const QByteArray bytes = exportTable(table, format);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace scorvane
