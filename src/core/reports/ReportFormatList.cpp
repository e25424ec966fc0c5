#include "core/reports/ReportFormatList.h"

#include "core/reports/ReportFormatFile.h"
#include "core/text/Formatting.h"

namespace scorvane {

char reportKindLetter(ReportKind kind)
{
    switch (kind) {
    case ReportKind::PlayerStatistics:
        return 'P';
    case ReportKind::GameScores:
        return 'G';
    case ReportKind::Record:
        return 'R';
    case ReportKind::Standings:
        return 'S';
    case ReportKind::Roster:
        return 'X';
    }
    return 'P';
}

ReportFormatList::ReportFormatList(ReportFormatFile& file, ReportKind kind)
    : file_(file)
    , kind_(reportKindLetter(kind))
{
    for (int r = 1; r <= file_.recordCount(); ++r) {
        const ReportFormatRecord& format = file_.record(r);
        if (format.FormatDeleted != '*' && format.FormatKind == kind_)
            entries_ << FormatEntry{format.FormatTitle, r};
    }
}

ReportFormatRecord ReportFormatList::prepareNew() const
{
    ReportFormatRecord format;
    format.FormatKind = kind_;
    format.FormatDeleted = ' ';
    format.FormatTitle = QStringLiteral("Report") + numberText(entries_.size() + 1);
    format.FormatSortColumn = 1;
    format.FormatSortOrder = 'D';
    format.FormatColumns.fill(0);
    return format;
}

QString ReportFormatList::add(const ReportFormatRecord& edited)
{
    const int record = file_.append(edited);
    entries_ << FormatEntry{edited.FormatTitle, record};
    return file_.save();
}

ReportFormatRecord ReportFormatList::formatAt(int position) const
{
    return file_.record(entries_.at(position).record);
}

QString ReportFormatList::change(int position, const ReportFormatRecord& edited)
{
    FormatEntry& entry = entries_[position];
    file_.setRecord(entry.record, edited);
    entry.title = edited.FormatTitle;
    return file_.save();
}

std::optional<FormatRefusal> ReportFormatList::deleteRefusal() const
{
    if (entries_.size() == 1)
        return FormatRefusal{
            QStringLiteral("Only Report!"), QStringLiteral("Cannot Delete Only Report")};
    return std::nullopt;
}

QString ReportFormatList::remove(int position)
{
    if (deleteRefusal() || position < 0 || position >= entries_.size())
        return {};
    const int record = entries_.at(position).record;
    ReportFormatRecord format = file_.record(record);
    format.FormatDeleted = '*';
    file_.setRecord(record, format);
    entries_.removeAt(position);
    return file_.save();
}

std::optional<ChosenFormat> ReportFormatList::choose(int position) const
{
    if (position < 0 || position >= entries_.size())
        return std::nullopt;
    const ReportFormatRecord& format = file_.record(entries_.at(position).record);
    ChosenFormat chosen;
    for (std::size_t slot = 1; slot <= 50; ++slot)
        chosen.columns[slot - 1] = format.FormatColumns[slot];
    chosen.sortColumn = format.FormatSortColumn;
    chosen.sortOrder = format.FormatSortOrder == 'D' ? SortOrder::Descending : SortOrder::Ascending;
    return chosen;
}

} // namespace scorvane
