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
    case ReportKind::LeagueTable:
        return 'L';
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
        if (format.formatDeleted != '*' && format.formatKind == kind_)
            entries_ << FormatEntry{format.formatTitle, r};
    }
}

ReportFormatRecord ReportFormatList::prepareNew() const
{
    ReportFormatRecord format;
    format.formatKind = kind_;
    format.formatDeleted = ' ';
    format.formatTitle = QStringLiteral("Report") + numberText(entries_.size() + 1);
    format.formatSortColumn = 1;
    format.formatSortOrder = 'D';
    format.formatColumns.fill(0);
    return format;
}

QString ReportFormatList::add(const ReportFormatRecord& edited)
{
    const int record = file_.append(edited);
    entries_ << FormatEntry{edited.formatTitle, record};
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
    entry.title = edited.formatTitle;
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
    format.formatDeleted = '*';
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
        chosen.columns[slot - 1] = format.formatColumns[slot];
    chosen.sortColumn = format.formatSortColumn;
    chosen.sortOrder = format.formatSortOrder == 'D' ? SortOrder::Descending : SortOrder::Ascending;
    return chosen;
}

} // namespace scorvane
