#include "core/import/ImportPlan.h"

#include "core/text/TextCodec.h"

#include <algorithm>

namespace scorvane {

bool ImportRow::hasProblem() const
{
    return std::any_of(issues.begin(), issues.end(),
        [](const ImportIssue& i) { return i.severity == ImportIssue::Severity::Problem; });
}

void ImportPlan::choose(std::size_t row, ConflictChoice choice)
{
    if (row >= rows_.size() || !rows_[row].conflict)
        return;
    rows_[row].choice = choice;
    refresh();
}

void ImportPlan::chooseForEveryConflict(ConflictChoice choice)
{
    for (ImportRow& row : rows_) {
        if (row.conflict)
            row.choice = choice;
    }
    refresh();
}

ImportSummary ImportPlan::summary() const
{
    ImportSummary s;
    for (const ImportRow& row : rows_) {
        if (row.conflict)
            ++s.conflicts;
        if (row.hasProblem())
            ++s.problems;
        else if (!row.isStored())
            ++s.skipped;
        else {
            ++s.stored;
            if (row.conflict && row.choice == ConflictChoice::Replace)
                ++s.replaced;
        }
    }
    return s;
}

std::vector<int> columnsOf(const QList<ImportField>& mapping, ImportField field)
{
    std::vector<int> columns;
    for (int c = 0; c < mapping.size(); ++c) {
        if (mapping[c] == field)
            columns.push_back(c);
    }
    return columns;
}

QStringView fieldView(const CsvSheet& sheet, const CsvSheet::Row& row,
    const std::vector<int>& columns, QString& joined)
{
    QStringView found;
    bool several = false;
    for (const int c : columns) {
        const QStringView text = sheet.cell(row, c).trimmed();
        if (text.isEmpty())
            continue;
        if (found.isEmpty()) {
            found = text; // the common case of one column: no text of its own
            continue;
        }
        if (!several)
            joined = found.toString();
        several = true;
        joined += QStringLiteral("; ");
        joined += text;
    }
    return several ? QStringView(joined) : found;
}

QString fieldText(const CsvSheet& sheet, const CsvSheet::Row& row,
    const QList<ImportField>& mapping, ImportField field)
{
    QString joined;
    const QStringView text = fieldView(sheet, row, columnsOf(mapping, field), joined);
    return text.data() == joined.constData() ? joined : text.toString();
}

bool isMapped(const QList<ImportField>& mapping, ImportField field)
{
    return mapping.contains(field);
}

QString storedText(
    const QString& text, int width, const QString& fieldName, QList<ImportIssue>& issues)
{
    QString changed;
    const QStringView stored = storedTextView(text, width, fieldName, issues, changed);
    return stored.data() == text.constData() && stored.size() == text.size() ? text : changed;
}

QStringView storedTextView(QStringView text, int width, const QString& fieldName,
    QList<ImportIssue>& issues, QString& changed)
{
    // Plain printable ASCII that fits is stored as it is, which is nearly every cell.
    const bool plain = text.size() <= width && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7F;
    });
    if (plain)
        return text;
    // A line break inside a quoted cell cannot be kept in a one-line field: it becomes a blank.
    QString flat = text.toString();
    flat.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    flat.replace(u'\n', u' ').replace(u'\r', u' ').replace(u'\t', u' ');
    if (QStringView(flat) != text)
        issues << ImportIssue{ImportIssue::Severity::Notice,
            QStringLiteral("%1: line breaks and tabs are stored as blanks").arg(fieldName)};
    QString lost;
    for (const QChar c : flat) {
        if (!TextCodec::canStore(c) && !lost.contains(c))
            lost += c;
    }
    QString stored = flat.left(width);
    if (!lost.isEmpty()) {
        for (QChar& c : stored) {
            if (!TextCodec::canStore(c))
                c = u'?';
        }
        issues << ImportIssue{ImportIssue::Severity::Notice,
            QStringLiteral("%1: \"%2\" cannot be stored and is saved as \"?\"")
                .arg(fieldName, lost)};
    }
    if (flat.size() > width) {
        issues << ImportIssue{ImportIssue::Severity::Notice,
            QStringLiteral("%1 is cut to %2 characters: \"%3\" is left out")
                .arg(fieldName)
                .arg(width)
                .arg(flat.mid(width))};
    }
    changed = std::move(stored);
    return changed;
}

void addProblem(ImportRow& row, const QString& text)
{
    row.issues << ImportIssue{ImportIssue::Severity::Problem, text};
}

QString missingColumns(ImportKind kind, const QList<ImportField>& mapping)
{
    const auto missing = [](ImportField field) {
        return QStringLiteral("No column is read as the %1.").arg(importFieldName(field).toLower());
    };
    if (kind == ImportKind::Games)
        return isMapped(mapping, ImportField::Date) ? QString() : missing(ImportField::Date);
    if (!isMapped(mapping, ImportField::Number))
        return missing(ImportField::Number);
    if (!isMapped(mapping, ImportField::Name) && !isMapped(mapping, ImportField::FirstName)
        && !isMapped(mapping, ImportField::LastName))
        return missing(ImportField::Name);
    return {};
}

bool nothingToImport(
    const CsvSheet& sheet, const CsvSheet::Row& row, const QList<ImportField>& mapping)
{
    for (int c = 0; c < mapping.size(); ++c) {
        if (mapping[c] != ImportField::None && !sheet.cell(row, c).trimmed().isEmpty())
            return false;
    }
    return true;
}

} // namespace scorvane
