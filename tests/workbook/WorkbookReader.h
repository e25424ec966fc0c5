#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <utility>

namespace scorvane::testing {

// One cell as a spreadsheet program reads it back.
struct CellRead
{
    char type = ' '; // 'n' number, 's' text, 'd' date
    QString text;    // text, or a date as YYYY-MM-DD
    double number = 0;
    QString format; // the number format
    bool bold = false;

    bool operator==(const CellRead&) const = default;
};

struct SheetRead
{
    QString name;
    QString freeze; // the first cell not frozen ("B2"), empty when nothing is
    QMap<std::pair<int, int>, CellRead> cells; // by row and column from 0; empty cells absent

    bool operator==(const SheetRead&) const = default;

    bool has(int row, int column) const { return cells.contains({row, column}); }
    CellRead at(int row, int column) const { return cells.value({row, column}); }
    int rowCount() const
    {
        int rows = 0;
        for (auto it = cells.keyBegin(); it != cells.keyEnd(); ++it)
            rows = std::max(rows, it->first + 1);
        return rows;
    }
    // The cells of a row as text, numbers in their shortest form, up to `columns`.
    QStringList rowTexts(int row, int columns) const
    {
        QStringList texts;
        for (int c = 0; c < columns; ++c) {
            const CellRead cell = at(row, c);
            texts << (cell.type == 'n' ? QString::number(cell.number) : cell.text);
        }
        return texts;
    }
};

struct WorkbookRead
{
    QString title;
    QList<SheetRead> sheets;
    QStringList names() const
    {
        QStringList list;
        for (const SheetRead& s : sheets)
            list << s.name;
        return list;
    }
};

// Reads an .xlsx file with openpyxl, as a spreadsheet user's program would see it.
inline WorkbookRead readWorkbook(const QString& path)
{
    QProcess python;
    python.start(QStringLiteral(SCORVANE_PYTHON), {QStringLiteral(SCORVANE_WORKBOOK_READER), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        throw std::runtime_error("openpyxl cannot read " + path.toStdString() + ": "
            + python.readAllStandardError().toStdString());
    const QJsonObject root = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    WorkbookRead book;
    book.title = root[QStringLiteral("title")].toString();
    for (const QJsonValue& s : root[QStringLiteral("sheets")].toArray()) {
        const QJsonObject sheet = s.toObject();
        SheetRead read;
        read.name = sheet[QStringLiteral("name")].toString();
        read.freeze = sheet[QStringLiteral("freeze")].toString();
        for (const QJsonValue& c : sheet[QStringLiteral("cells")].toArray()) {
            const QJsonObject cell = c.toObject();
            CellRead value;
            value.type = cell[QStringLiteral("type")].toString().toLatin1().at(0);
            if (value.type == 'n')
                value.number = cell[QStringLiteral("value")].toDouble();
            else
                value.text = cell[QStringLiteral("value")].toString();
            value.format = cell[QStringLiteral("format")].toString();
            value.bold = cell[QStringLiteral("bold")].toBool();
            read.cells.insert(
                {cell[QStringLiteral("row")].toInt(), cell[QStringLiteral("column")].toInt()},
                value);
        }
        book.sheets << read;
    }
    return book;
}

} // namespace scorvane::testing
