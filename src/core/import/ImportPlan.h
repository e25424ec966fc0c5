#pragma once

#include "core/import/CsvSheet.h"
#include "core/import/ImportColumns.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace scorvane {

struct AppState;

// What to do with a row that duplicates a player or game the team already has.
enum class ConflictChoice { Skip, Replace, Add };

struct ImportIssue
{
    enum class Severity {
        Problem, // the row cannot be stored: it is left out
        Notice,  // the row is stored, but not exactly as the file has it (text cut, "?")
    };
    Severity severity = Severity::Problem;
    QString text;
};

// One row of the file as it will be stored, beside its problems.
struct ImportRow
{
    int line = 0;
    QList<ImportIssue> issues;
    bool conflict = false; // duplicates a player or game of the team: `choice` decides
    QString conflictText;  // what it duplicates
    ConflictChoice choice = ConflictChoice::Skip;

    bool hasProblem() const;
    // Stored on OK: no problem, and a conflict only when not skipped.
    bool isStored() const { return !hasProblem() && !(conflict && choice == ConflictChoice::Skip); }
};

// Counts of what OK would do.
struct ImportSummary
{
    int stored = 0;    // rows written
    int replaced = 0;  // of them, rows that replace a player or game
    int problems = 0;  // rows left out for their problems
    int skipped = 0;   // conflicts skipped
    int conflicts = 0; // rows that duplicate a player or game
};

// A spreadsheet read into the current team's players or games: every row as it will be stored,
// with its problems and conflicts. Nothing is written until write(), which stores every stored
// row at once through one change.
class ImportPlan
{
public:
    virtual ~ImportPlan() = default;
    ImportPlan(const ImportPlan&) = delete;
    ImportPlan& operator=(const ImportPlan&) = delete;

    ImportKind kind() const { return kind_; }
    const QStringList& columns() const { return columns_; } // the preview's columns
    const std::vector<ImportRow>& rows() const { return rows_; }
    // The row as it will be stored, one text per preview column; made when asked for, since a
    // preview shows only some rows at a time and the command line prints them once.
    virtual QStringList cells(std::size_t row) const = 0;

    void choose(std::size_t row, ConflictChoice choice);
    void chooseForEveryConflict(ConflictChoice choice);
    ImportSummary summary() const;

    // Writes every stored row as one change; false when a write error was cancelled (nothing
    // changed then). The program state (roster) follows the files.
    virtual bool write(AppState& state) = 0;

protected:
    ImportPlan(ImportKind kind, QStringList columns)
        : kind_(kind)
        , columns_(std::move(columns))
    { }
    // Brings what depends on other rows' choices up to date (numbers given on adding).
    virtual void refresh() = 0;

    std::vector<ImportRow> rows_;

private:
    ImportKind kind_;
    QStringList columns_;
};

// The text of the cells of `row` read into the field, trimmed; several columns (other
// information) joined with "; " in `joined`, which the view then points into.
QStringView fieldView(const CsvSheet& sheet, const CsvSheet::Row& row,
    const std::vector<int>& columns, QString& joined);
// The columns the mapping reads into the field, in column order.
std::vector<int> columnsOf(const QList<ImportField>& mapping, ImportField field);
QString fieldText(const CsvSheet& sheet, const CsvSheet::Row& row,
    const QList<ImportField>& mapping, ImportField field);
bool isMapped(const QList<ImportField>& mapping, ImportField field);

// The text as stored in a field of `width` characters: cut to the width and every character
// the files cannot hold made "?". Each difference is added to `issues` as a notice naming the
// field.
QString storedText(
    const QString& text, int width, const QString& fieldName, QList<ImportIssue>& issues);
// The same as a view: the text itself when it is stored as it is (nearly every cell), else
// `changed` holding the stored text.
QStringView storedTextView(QStringView text, int width, const QString& fieldName,
    QList<ImportIssue>& issues, QString& changed);

void addProblem(ImportRow& row, const QString& text);

// Why the columns cannot be imported as they are matched: no column read as the player number
// or the name (roster), or as the date (games). Empty when they can.
QString missingColumns(ImportKind kind, const QList<ImportField>& mapping);

// True when every column the mapping reads is blank in the row.
bool nothingToImport(
    const CsvSheet& sheet, const CsvSheet::Row& row, const QList<ImportField>& mapping);

} // namespace scorvane
