#pragma once

#include "core/output/ExportTable.h"
#include "core/reports/LeagueTable.h"
#include "core/reports/PagedOutput.h"
#include "core/reports/ReportGrid.h"
#include "core/state/ReportSelection.h"
#include "core/store/FileError.h"
#include "core/store/TeamList.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace scorvane {

class OutputEngine;

// The league table as the window shows it, the printout and the exported table: the ranked
// lines, then notes on the rules, the deductions and any game whose two records disagree.
class LeagueTableReport
{
public:
    LeagueTableReport() = default;
    explicit LeagueTableReport(LeagueTable table)
        : table_(std::move(table))
    { }

    const LeagueTable& table() const { return table_; }

    ReportGrid grid() const;
    // The notes in full, one paragraph each; the window shows them under the grid.
    QStringList notes() const;

    QString headingLine() const;
    QString dashLine() const;
    QString teamLine(const LeagueRow& row) const;
    // The notes as printed: a blank line, then each note wrapped to 80 characters.
    QStringList noteLines() const;

    ExportTable exportTable(const QString& title) const;

    // Prints every copy: the page heading of the title and the column headings, one line per
    // team and the notes, a new page with the heading again when one is full. False when the
    // user gave up an output error.
    bool print(OutputEngine& engine, const PageChoices& choices) const;

private:
    bool heading(PagedOutput& out, const PageChoices& choices) const;
    QString teamNameOf(int slot) const;

    LeagueTable table_;
};

struct LeagueTableResult
{
    LeagueTableReport report;
    std::optional<FileError> fault; // a game file that could not be read; the table is empty
};

// Reads the game file of every chosen slot (ascending) once and ranks the teams by `rules`.
LeagueTableResult computeLeagueTable(const QString& dataFolder, const QList<int>& slots,
    const TeamNameTable& teamNames, const ReportSelection& selection, const LeagueRules& rules);

} // namespace scorvane
