#pragma once

#include "core/reports/StatsSort.h"
#include "core/state/ReportSelection.h"
#include "core/store/ReportFormatRecord.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace scorvane {

class ReportFormatFile;

// The letter a format carries for the report kind it belongs to.
char reportKindLetter(ReportKind kind);

// One line of the format list: the title and the record it came from.
struct FormatEntry
{
    QString title;
    int record = 0;
};

// What choosing a format sets: the report's 50 column slots and its sort.
struct ChosenFormat
{
    std::array<int, 50> columns{};
    int sortColumn = 0;
    SortOrder sortOrder = SortOrder::Descending;
};

// A message the format list shows instead of acting.
struct FormatRefusal
{
    QString title;
    QString text;
};

// The live formats of one report kind and the list's Add, Change, Delete and OK. Every change
// is saved at once.
class ReportFormatList
{
public:
    ReportFormatList(ReportFormatFile& file, ReportKind kind);

    const QList<FormatEntry>& entries() const { return entries_; }

    // The format Add hands to the editor: titled "Report" and the next list number.
    ReportFormatRecord prepareNew() const;
    // Appends the edited format as a new record and as the last entry.
    QString add(const ReportFormatRecord& edited);
    // The record behind an entry, for the editor.
    ReportFormatRecord formatAt(int position) const;
    // Writes the edited format back to the entry's record; the entry takes the new title.
    QString change(int position, const ReportFormatRecord& edited);
    // "Cannot Delete Only Report" when one entry is left; else nothing.
    std::optional<FormatRefusal> deleteRefusal() const;
    // Marks the entry's record deleted ("*") in place and drops the entry.
    QString remove(int position);
    // The entry's columns and sort; nothing when the position holds no entry.
    std::optional<ChosenFormat> choose(int position) const;

private:
    ReportFormatFile& file_;
    char kind_;
    QList<FormatEntry> entries_;
};

} // namespace scorvane
