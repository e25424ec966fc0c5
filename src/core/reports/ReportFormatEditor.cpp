#include "core/reports/ReportFormatEditor.h"

#include "core/reports/CategoryValues.h"
#include "core/reports/ReportFormatFile.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

#include <array>

namespace scorvane {

namespace {

const QString End = QStringLiteral("end");

QString entryText(const CategoryCodeTable& codes, int category, int blanks)
{
    return fitWidth(codes[category], 3) + QString(blanks, u' ') + numberText(category);
}

} // namespace

ReportFormatEditor::ReportFormatEditor(
    const ReportFormatRecord& format, const CategoryCodeTable& categoryCodes)
    : format_(format)
    , codes_(categoryCodes)
{
    std::array<bool, ReportCategoryCount + 1> onReport{};
    for (std::size_t i = 1; i <= 50 && format.formatColumns[i] > 0; ++i) {
        const int category = format.formatColumns[i];
        reportLine_ << entryText(codes_, std::min(category, 50), 7);
        columns_ << category;
        if (category <= ReportCategoryCount)
            onReport[static_cast<std::size_t>(category)] = true;
    }
    for (int category = 1; category <= ReportCategoryCount; ++category) {
        if (!onReport[static_cast<std::size_t>(category)])
            notOnReport_ << entryText(codes_, category, 8);
    }
    reportLine_ << End;
    notOnReport_ << End;
    if (isShownCategory(format.formatSortColumn))
        sortAt_ = format.formatSortColumn - 1;
    descending_ = format.formatSortOrder == 'D';
    title_ = rightTrimBlanks(format.formatTitle);
}

int ReportFormatEditor::categoryOfEntry(const QString& entry)
{
    return static_cast<int>(numericValue(entry.mid(3)));
}

void ReportFormatEditor::putOnReport()
{
    if (allAt_ < 0 || allAt_ >= notOnReport_.size() - 1 || lineAt_ < 0
        || lineAt_ >= reportLine_.size())
        return; // "end" (or nothing) selected
    const QString moved = notOnReport_.takeAt(allAt_);
    reportLine_.insert(lineAt_, moved);
    columns_.insert(lineAt_, categoryOfEntry(moved));
    ++lineAt_; // the entry that was selected before stays selected
}

void ReportFormatEditor::takeOffReport()
{
    if (lineAt_ < 0 || lineAt_ >= reportLine_.size() - 1 || allAt_ < 0
        || allAt_ >= notOnReport_.size())
        return;
    const QString moved = reportLine_.takeAt(lineAt_);
    columns_.removeAt(lineAt_);
    notOnReport_.insert(allAt_, moved); // before the selected entry, not at its sorted place
}

QStringList ReportFormatEditor::sortCategories() const
{
    QStringList codes;
    for (int category = 1; category <= ReportCategoryCount; ++category)
        codes << codes_[category];
    return codes;
}

ReportFormatRecord ReportFormatEditor::titled() const
{
    ReportFormatRecord format = format_;
    const QString title = trimBlanks(title_);
    format.formatTitle = title.isEmpty() ? QStringLiteral("Unnamed Report") : title;
    return format;
}

ReportFormatRecord ReportFormatEditor::accepted() const
{
    if (columns_.isEmpty())
        return withDefault();
    ReportFormatRecord format = titled();
    for (std::size_t slot = 1; slot <= 50; ++slot) {
        const auto at = static_cast<qsizetype>(slot - 1);
        format.formatColumns[slot] = at < columns_.size() ? static_cast<qint16>(columns_[at]) : 0;
    }
    format.formatSortOrder = descending_ ? 'D' : 'A';
    format.formatSortColumn = static_cast<qint16>(sortAt_ + 1);
    return format;
}

ReportFormatRecord ReportFormatEditor::withDefault() const
{
    ReportFormatRecord format = titled();
    const std::vector<int>& columns = defaultFormatColumns();
    for (std::size_t slot = 1; slot <= 50; ++slot)
        format.formatColumns[slot]
            = slot <= columns.size() ? static_cast<qint16>(columns[slot - 1]) : 0;
    format.formatSortColumn = DefaultFormatSortColumn;
    format.formatSortOrder = 'D';
    return format;
}

ReportFormatRecord ReportFormatEditor::cancelled() const
{
    return titled();
}

} // namespace scorvane
