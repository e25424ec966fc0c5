#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace scorvane::testing {

// Reads comma-separated values as RFC 4180 lays them out, independently of the program's
// writer: records end with CR LF, a field in double quotes may hold commas, line breaks and
// doubled quotes. Anything else that breaks the rules (a bare quote inside a plain field, a lone
// LF as a record end, text after a closing quote) makes `ok` false.
struct CsvRead
{
    QList<QStringList> records;
    bool ok = true;
};

inline CsvRead readCsv(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    CsvRead read;
    QStringList record;
    QString field;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text[i] == u'"' && field.isEmpty()) {
            ++i;
            for (;;) {
                if (i >= n)
                    return {read.records, false}; // quote never closed
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
            if (i < n && text[i] != u',' && text[i] != u'\r')
                return {read.records, false};
            continue;
        }
        const QChar c = text[i];
        if (c == u',') {
            record << field;
            field.clear();
            ++i;
        } else if (c == u'\r') {
            if (i + 1 >= n || text[i + 1] != u'\n')
                return {read.records, false};
            record << field;
            field.clear();
            read.records << record;
            record.clear();
            i += 2;
        } else if (c == u'\n' || c == u'"') {
            return {read.records, false};
        } else {
            field += c;
            ++i;
        }
    }
    if (!field.isEmpty() || !record.isEmpty())
        read.ok = false; // the last record lacks its CR LF
    return read;
}

} // namespace scorvane::testing
