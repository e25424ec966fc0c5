#pragma once

#include "core/store/RecordLayout.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace scorvane {

// File 6, "KVRPTFMT.DAT" in the report folder: one 167-byte record per saved report format.
struct ReportFormatRecord
{
    static constexpr int Length = 167;
    static constexpr int ColumnCount = 71;

    char formatKind = 'P';
    char formatDeleted = ' '; // "*" deleted, blank in use
    QString formatTitle;
    qint16 formatSortColumn = 1;
    char formatSortOrder = 'D';
    std::array<qint16, ColumnCount> formatColumns{}; // index 0 to 70, starting at odd offset 25

    static constexpr auto fields()
    {
        using R = ReportFormatRecord;
        return std::tuple{codeField(&R::formatKind), codeField(&R::formatDeleted),
            textField(&R::formatTitle, 20), integerField(&R::formatSortColumn),
            codeField(&R::formatSortOrder), integersField(&R::formatColumns)};
    }

    QByteArray encode() const { return encodeRecord(*this); }
    static ReportFormatRecord decode(const QByteArray& bytes)
    {
        return decodeRecord<ReportFormatRecord>(bytes);
    }
};

static_assert(layoutLength<ReportFormatRecord>() == ReportFormatRecord::Length);

} // namespace scorvane
