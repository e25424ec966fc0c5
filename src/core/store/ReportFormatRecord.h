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

    char FormatKind = 'P';
    char FormatDeleted = ' '; // "*" deleted, blank in use
    QString FormatTitle;
    qint16 FormatSortColumn = 1;
    char FormatSortOrder = 'D';
    std::array<qint16, ColumnCount> FormatColumns{}; // index 0 to 70, starting at odd offset 25

    static constexpr auto fields()
    {
        using R = ReportFormatRecord;
        return std::tuple{codeField(&R::FormatKind), codeField(&R::FormatDeleted),
            textField(&R::FormatTitle, 20), integerField(&R::FormatSortColumn),
            codeField(&R::FormatSortOrder), integersField(&R::FormatColumns)};
    }

    QByteArray encode() const { return encodeRecord(*this); }
    static ReportFormatRecord decode(const QByteArray& bytes)
    {
        return decodeRecord<ReportFormatRecord>(bytes);
    }
};

static_assert(layoutLength<ReportFormatRecord>() == ReportFormatRecord::Length);

} // namespace scorvane
