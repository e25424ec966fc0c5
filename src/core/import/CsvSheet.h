#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace scorvane {

// How the bytes of a spreadsheet file were read.
enum class CsvEncoding { Utf8, Utf8WithBom, Utf16, Windows1252 };

// A spreadsheet saved as text: a heading row, then the rows below it. The cells are kept as
// slices of the file's text rather than as texts of their own: a schedule of thousands of rows
// is read without a string per cell.
struct CsvSheet
{
    struct Row
    {
        int line = 0;              // the line of the file the row starts on, from 1
        int cellCount = 0;         // as many as the row holds: short rows are not padded
        std::size_t firstCell = 0; // its first cell in `cellSlices`
        QString fault;             // a quote never closed; empty when the row read cleanly
    };

    // Where a cell's text lies: in the file's text, or (a quoted cell whose text is not one
    // slice of the file, as with doubled quotes) in `unquotedText`. Files are refused beyond
    // MaxCharacters, so that a cell fits in eight bytes.
    struct CellSlice
    {
        quint32 start = 0;
        quint32 length : 31 = 0;
        quint32 unquoted : 1 = 0;
    };
    static constexpr qsizetype MaxCharacters = 0x7FFFFFFF;

    CsvEncoding encoding = CsvEncoding::Utf8;
    QChar separator = u',';
    QStringList headings;
    QList<Row> rows; // rows whose cells are all blank are left out
    QString refusal; // why the file cannot be read as a sheet; empty when it was read

    QString text;         // the file decoded
    QString unquotedText; // the quoted cells that needed a text of their own
    std::vector<CellSlice> cellSlices;

    // The cell of `column`, empty beyond the end of a short row.
    QStringView cell(const Row& row, int column) const
    {
        if (column < 0 || column >= row.cellCount)
            return {};
        const CellSlice& slice = cellSlices[row.firstCell + static_cast<std::size_t>(column)];
        return QStringView(slice.unquoted ? unquotedText : text).mid(slice.start, slice.length);
    }
    QStringList cells(const Row& row) const;
};

// Reads a comma-, semicolon- or tab-separated file. The encoding is taken from a byte-order mark,
// else UTF-8 when the bytes are valid UTF-8, else Windows-1252. The separator is the one of the
// three the heading row holds most of. Quoted cells may hold separators, doubled quotes and line
// breaks; lines may end in CR LF, LF or CR. An empty file, a file without headings and a file
// that holds binary bytes are refused with a reason.
CsvSheet readCsvSheet(const QByteArray& bytes);

QString encodingName(CsvEncoding encoding);
QString separatorName(QChar separator);

} // namespace scorvane
