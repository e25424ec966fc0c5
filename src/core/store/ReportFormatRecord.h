#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace scorvane {

// File 6, "KVRPTFMT.DAT" in the report folder: one 167-byte record per saved report format.
struct ReportFormatRecord
{
    static constexpr int Length = 167;
    static constexpr int ColumnCount = 71;

    char FormatKind = 'P';
    char FormatDeleted = ' '; // "*" deleted, blank in use
    QString FormatTitle;      // 20
    qint16 FormatSortColumn = 1;
    char FormatSortOrder = 'D';
    std::array<qint16, ColumnCount> FormatColumns{}; // index 0 to 70, starting at odd offset 25

    QByteArray encode() const;
    static ReportFormatRecord decode(const QByteArray& bytes);
};

} // namespace scorvane
