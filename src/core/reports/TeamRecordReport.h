#pragma once

#include "core/output/ExportTable.h"
#include "core/reports/GameFileReader.h"
#include "core/reports/PagedOutput.h"
#include "core/reports/ReportGrid.h"
#include "core/text/Formatting.h"

#include <QStringList>

#include <array>
#include <vector>

namespace scorvane {

class OutputEngine;

// Won, lost and tied games with their goals, for one game type or for all.
struct RecordLine
{
    int won = 0;
    int lost = 0;
    int ties = 0;
    qint32 goalsFor = 0;
    qint32 goalsAgainst = 0;

    int games() const { return won + lost + ties; }
    // (won + half the ties) / games, in single precision; 0 without games.
    float pct() const;
    void add(const GameResult& game);
};

// The team's won-lost record by game type over the counted games, on screen and printed.
class TeamRecordReport
{
public:
    TeamRecordReport() = default;
    explicit TeamRecordReport(const std::vector<GameResult>& games);

    // Game types 1 to 7. A game whose type byte is no type counts in the totals only.
    const RecordLine& typeLine(int gameType) const;
    const RecordLine& totals() const { return totals_; }
    // The Ties column is shown when any counted game is a tie.
    bool hasTies() const { return totals_.ties > 0; }
    int gamesCounted() const { return totals_.games(); }

    // The heading row's columns; one row per game type with games, an empty row and "Totals";
    // no rows at all without games.
    ReportGrid grid(const GameTypeNameTable& gameTypeNames) const;
    ReportButtons buttons(bool onOpening) const;

    // The printed table below the page heading: headings, dashes, the type lines, dashes again
    // and the totals line.
    QStringList tableLines(const GameTypeNameTable& gameTypeNames) const;

    // The rows of the printout with raw values, for a spreadsheet or a web page.
    ExportTable exportTable(const QString& title, const QString& teamName,
        const GameTypeNameTable& gameTypeNames) const;

    // Prints every copy as one page headed by the title and the team's name. False when the
    // user gave up an output error.
    bool print(OutputEngine& engine, const PageChoices& choices, const QString& teamName,
        const GameTypeNameTable& gameTypeNames) const;

private:
    std::array<RecordLine, 7> types_{};
    RecordLine totals_;
};

} // namespace scorvane
