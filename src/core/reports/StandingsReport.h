#pragma once

#include "core/output/ExportTable.h"
#include "core/reports/GameFileReader.h"
#include "core/reports/PagedOutput.h"
#include "core/reports/ReportGrid.h"
#include "core/store/TeamList.h"

#include <QList>
#include <QStringList>

#include <vector>

namespace scorvane {

class OutputEngine;

// One team's counted games, in record order, for the standings.
struct TeamGames
{
    int slot = 0;
    QString teamName; // as the team list holds it
    std::vector<GameResult> games;
};

// One team's place in the standings.
struct StandingsLine
{
    int slot = 0;
    QString teamName;
    int won = 0;
    int lost = 0;
    int ties = 0;
    int winsMinusLosses = 0;
    qint32 goalsFor = 0;
    qint32 goalsAgainst = 0;
    float pct = 0.0F;
    int streak = 0; // the run at the end: positive won in a row, negative lost, 0 none
    bool leader = false;
    int behind = 0; // the leader's wins minus losses less the team's: twice the games behind
};

// The chosen teams ranked by winning percentage, then by wins minus losses, with games behind
// the leader (the best wins minus losses of all chosen teams).
class StandingsReport
{
public:
    StandingsReport() = default;
    // `teams` in team-list order.
    explicit StandingsReport(const std::vector<TeamGames>& teams);

    const std::vector<StandingsLine>& standings() const { return lines_; }
    // The Ties column is shown when any counted game of any team is a tie.
    bool hasTies() const { return hasTies_; }

    ReportGrid grid() const;
    QString headingLine() const;
    QString dashLine() const;
    QString teamLine(const StandingsLine& line) const;

    // The standings with raw values, for a spreadsheet or a web page; a leader is 0 games
    // behind.
    ExportTable exportTable(const QString& title) const;

    // Prints every copy: a page heading of the title and the column headings, one line per
    // team, a new page with the heading again when one is full. False when the user gave up an
    // output error.
    bool print(OutputEngine& engine, const PageChoices& choices) const;

private:
    bool heading(PagedOutput& out, const PageChoices& choices) const;

    std::vector<StandingsLine> lines_;
    bool hasTies_ = false;
};

// Reads the game file of every chosen slot (ascending) once and ranks the teams. A file that
// could not be read leaves the standings empty.
struct StandingsResult
{
    StandingsReport report;
    std::optional<FileError> fault;
};
StandingsResult computeStandings(const QString& dataFolder, const QList<int>& slots,
    const TeamNameTable& teamNames, const ReportSelection& selection);

} // namespace scorvane
