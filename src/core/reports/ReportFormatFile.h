#pragma once

#include "core/store/ReportFormatRecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace scorvane {

// The report format file "KVRPTFMT.DAT" of the report folder, held whole in memory. Records
// count from 1; deleted formats keep their place.
class ReportFormatFile
{
public:
    explicit ReportFormatFile(QString path);

    // The file in `reportFolder` (which ends with a separator), found in any letter case.
    static QString pathIn(const QString& reportFolder);

    // Reads every record. A file that does not exist yet gives the starting formats, which
    // reach the disk with the first save; an existing empty file stays empty.
    QString load();
    // Writes every record as one whole file, or leaves the old file as it was on failure.
    // Nothing is written when the bytes have not changed.
    QString save();

    int recordCount() const { return static_cast<int>(records_.size()); }
    const ReportFormatRecord& record(int number) const { return records_.at(number - 1); }
    void setRecord(int number, const ReportFormatRecord& format);
    int append(const ReportFormatRecord& format); // the new record's number

private:
    QByteArray bytes() const;

    QString path_;
    std::vector<ReportFormatRecord> records_;
    QByteArray tail_;  // a partial record at the end, kept as found
    QByteArray saved_; // the bytes on disk as last read or written
    bool onDisk_ = false;
};

// The formats a report folder starts with: the default columns and three narrower sets.
std::vector<ReportFormatRecord> startingFormats();

// The default format's columns: G, GS, SOG, SAG, PKG, PKA, DK, IK, CY, CR, Ast, Stl, BS, T, PKB,
// PKF, SF, Sv, sorted by GS descending.
const std::vector<int>& defaultFormatColumns();
inline constexpr int DefaultFormatSortColumn = 7;

} // namespace scorvane
