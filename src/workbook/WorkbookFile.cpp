#include "workbook/WorkbookFile.h"

#include "workbook/SheetNames.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

#include <unistd.h>

namespace scorvane {

namespace {

// The widest column a sheet is given, in characters; longer text shows in part, whole in the cell.
constexpr int WidestColumn = 50;

struct WorkbookCloser
{
    void operator()(lxw_workbook* workbook) const
    {
        // Only reached when a sheet could not be made: the half-made workbook is dropped.
        workbook_close(workbook);
    }
};
using WorkbookHandle = std::unique_ptr<lxw_workbook, WorkbookCloser>;

struct Formats
{
    lxw_format* heading = nullptr;
    lxw_format* totals = nullptr;
    lxw_format* percent = nullptr;
    lxw_format* totalsPercent = nullptr;
    lxw_format* date = nullptr;
    lxw_format* totalsDate = nullptr;
    lxw_format* number = nullptr; // the default format
    lxw_format* totalsNumber = nullptr;
};

lxw_format* newFormat(lxw_workbook* workbook, bool bold, const char* numberFormat)
{
    lxw_format* format = workbook_add_format(workbook);
    if (bold)
        format_set_bold(format);
    if (numberFormat != nullptr)
        format_set_num_format(format, numberFormat);
    return format;
}

Formats makeFormats(lxw_workbook* workbook)
{
    Formats f;
    f.heading = newFormat(workbook, true, nullptr);
    format_set_bottom(f.heading, LXW_BORDER_THIN);
    f.totals = newFormat(workbook, true, nullptr);
    f.totalsNumber = f.totals;
    f.percent = newFormat(workbook, false, "0.0%");
    f.totalsPercent = newFormat(workbook, true, "0.0%");
    f.date = newFormat(workbook, false, "mm/dd/yyyy");
    f.totalsDate = newFormat(workbook, true, "mm/dd/yyyy");
    return f;
}

// A game date "MM/DD/YY" with the century the program gives two-digit years (below 30 is the
// 2000s); nothing for a date no calendar has.
std::optional<QDate> gameDate(const QString& text)
{
    const QStringList parts = text.split(u'/');
    if (parts.size() != 3 || parts[2].size() != 2)
        return std::nullopt;
    bool monthOk = false;
    bool dayOk = false;
    bool yearOk = false;
    const int month = parts[0].toInt(&monthOk);
    const int day = parts[1].toInt(&dayOk);
    const int year = parts[2].toInt(&yearOk);
    if (!monthOk || !dayOk || !yearOk)
        return std::nullopt;
    const QDate date(year < 30 ? 2000 + year : 1900 + year, month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// A percentage as the fraction a percent format shows: "8.2" out of 100 is 0.082, as typed,
// rather than the 0.08199999999999999 a bare division leaves.
double asFraction(double value, int whole)
{
    constexpr double Places = 1e12;
    return std::round(value / whole * Places) / Places;
}

void writeText(lxw_worksheet* sheet, int row, int column, const QString& text, lxw_format* format)
{
    if (text.isEmpty())
        return;
    worksheet_write_string(sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
        text.toUtf8().constData(), format);
}

// Writes one cell as the table's column says it is; text the column's kind cannot read (a
// "Totals" label, an impossible date) stays text.
void writeCell(lxw_worksheet* sheet, const ExportTable& table, const Formats& f, int row,
    int column, const QString& text, bool totals)
{
    const auto r = static_cast<lxw_row_t>(row);
    const auto c = static_cast<lxw_col_t>(column);
    if (table.dateColumns.contains(column)) {
        if (const auto date = gameDate(text)) {
            lxw_datetime when{date->year(), date->month(), date->day(), 0, 0, 0.0};
            worksheet_write_datetime(sheet, r, c, &when, totals ? f.totalsDate : f.date);
            return;
        }
    } else if (table.numericColumns.contains(column)) {
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (ok) {
            const auto whole = table.percentColumns.constFind(column);
            if (whole != table.percentColumns.cend() && *whole != 0)
                worksheet_write_number(
                    sheet, r, c, asFraction(value, *whole), totals ? f.totalsPercent : f.percent);
            else
                worksheet_write_number(sheet, r, c, value, totals ? f.totalsNumber : f.number);
            return;
        }
    }
    writeText(sheet, row, column, text, totals ? f.totals : nullptr);
}

// The printed page's header: "&" starts a code there, so a title's own "&" is doubled.
QString pageHeader(const ExportTable& table)
{
    QString text = table.title;
    if (!table.team.isEmpty())
        text += QStringLiteral(" - ") + table.team;
    text = text.left(120); // a header holds 255 characters, codes and doubled "&" included
    text.replace(QStringLiteral("&"), QStringLiteral("&&"));
    return QStringLiteral("&C") + text;
}

void fillSheet(lxw_worksheet* sheet, const ExportTable& table, const Formats& f)
{
    QList<qsizetype> widths;
    const auto widen = [&](qsizetype column, const QString& text) {
        while (widths.size() <= column)
            widths << 8;
        widths[column]
            = std::max(widths[column], std::min<qsizetype>(text.size() + 2, WidestColumn));
    };
    for (qsizetype c = 0; c < table.headings.size(); ++c) {
        writeText(sheet, 0, static_cast<int>(c), table.headings[c], f.heading);
        widen(c, table.headings[c]);
    }
    int row = 1;
    for (const ExportTable::Row& line : table.rows) {
        const bool totals = line.kind == ExportTable::RowKind::Totals;
        for (qsizetype c = 0; c < line.cells.size(); ++c) {
            writeCell(sheet, table, f, row, static_cast<int>(c), line.cells[c], totals);
            widen(c,
                table.dateColumns.contains(static_cast<int>(c)) ? QStringLiteral("00/00/0000")
                                                                : line.cells[c]);
        }
        ++row;
    }
    if (!table.caption.isEmpty())
        writeText(sheet, row + 1, 0, table.caption, nullptr);
    for (qsizetype c = 0; c < widths.size(); ++c)
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
            static_cast<double>(widths[c]), nullptr);
    worksheet_freeze_panes(sheet, 1, 1);
    const QByteArray header = pageHeader(table).toUtf8();
    worksheet_set_header(sheet, header.constData());
    worksheet_repeat_rows(sheet, 0, 0);
}

QString libraryError(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

// Writes the workbook at `path`, which is replaced; the error text, empty when written.
QString writeWorkbookAt(const QString& path, const QList<NamedTable>& sheets)
{
    const QByteArray name = QFile::encodeName(path);
    WorkbookHandle workbook(workbook_new(name.constData()));
    if (!workbook)
        return QStringLiteral("The workbook cannot be started");
    const Formats formats = makeFormats(workbook.get());
    QStringList taken;
    for (const NamedTable& sheet : sheets) {
        const QString sheetName = uniqueSheetName(sheet.name, taken);
        taken << sheetName;
        lxw_worksheet* worksheet
            = workbook_add_worksheet(workbook.get(), sheetName.toUtf8().constData());
        if (worksheet == nullptr)
            return QStringLiteral("The sheet \"%1\" cannot be made").arg(sheetName);
        fillSheet(worksheet, sheet.table, formats);
    }
    if (sheets.isEmpty()) {
        workbook_add_worksheet(workbook.get(), nullptr); // a workbook holds at least one sheet
    } else {
        lxw_doc_properties properties{};
        const QByteArray title = sheets.first().table.title.toUtf8();
        properties.title = const_cast<char*>(title.constData());
        workbook_set_properties(workbook.get(), &properties);
    }
    const lxw_error closed = workbook_close(workbook.release());
    return closed == LXW_NO_ERROR ? QString() : libraryError(closed);
}

} // namespace

QString writeWorkbook(const QString& path, const QList<NamedTable>& sheets)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("%1 is a folder").arg(path);
    // A name of our own beside the target: the rename over the old file is then one step.
    QTemporaryFile partial(target.absolutePath() + QStringLiteral("/.") + target.fileName()
        + QStringLiteral(".XXXXXX"));
    if (!partial.open())
        return partial.errorString();
    partial.close();
    const QString error = writeWorkbookAt(partial.fileName(), sheets);
    if (!error.isEmpty())
        return error;
    // The new file keeps the permissions of the one it replaces, else the usual ones.
    const QFileDevice::Permissions permissions = target.exists() ? QFile::permissions(path)
                                                                 : QFileDevice::ReadOwner
            | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(partial.fileName(), permissions);
    // On the disk before it takes the old file's name, so that a crash cannot leave an empty one.
    {
        QFile written(partial.fileName());
        if (!written.open(QIODevice::ReadOnly) || ::fsync(written.handle()) != 0)
            return QStringLiteral("The workbook cannot be written to the disk as %1").arg(path);
    }
    if (std::rename(
            QFile::encodeName(partial.fileName()).constData(), QFile::encodeName(path).constData())
        != 0)
        return QStringLiteral("The workbook cannot be put in place as %1").arg(path);
    partial.setAutoRemove(false); // renamed: nothing of ours is left to remove
    return {};
}

QString writeTableWorkbook(const QString& path, const ExportTable& table)
{
    return writeWorkbook(path, {NamedTable{table.title, table}});
}

} // namespace scorvane
