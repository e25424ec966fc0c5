#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace scorvane {

// How the bytes of a spreadsheet file were read.
enum class CsvEncoding { Utf8, Utf8WithBom, Utf16, Windows1252 };

// A spreadsheet saved as text: a heading row, then the rows below it.
struct CsvSheet
{
    struct Row
    {
        int line = 0;      // the line of the file the row starts on, from 1
        QStringList cells; // as many as the row holds: short rows are not padded
        QString fault;     // a quote never closed; empty when the row read cleanly
    };

    CsvEncoding encoding = CsvEncoding::Utf8;
    QChar separator = u',';
    QStringList headings;
    QList<Row> rows; // rows whose cells are all blank are left out
    QString refusal; // why the file cannot be read as a sheet; empty when it was read

    // The cell of `column`, empty beyond the end of a short row.
    static QString cell(const Row& row, int column)
    {
        return column >= 0 && column < row.cells.size() ? row.cells[column] : QString();
    }
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
