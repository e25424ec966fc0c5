#pragma once

#include "core/output/ExportTable.h"
#include "core/reports/PagedOutput.h"
#include "core/reports/ReportGrid.h"
#include "core/store/GameRecord.h"
#include "core/text/Formatting.h"

#include <QStringList>

#include <vector>

namespace scorvane {

class OutputEngine;

// Long: five lines per game with both teams, the place and the comment. Short: one line.
enum class ScoresForm { Long, Short };

// The team's counted games with their scores and results, on screen and printed.
class GameScoresReport
{
public:
    // `games` are the counted games in record order; `teamName` is the team's long name.
    GameScoresReport(
        std::vector<GameRecord> games, QString teamName, GameTypeNameTable gameTypeNames);

    bool isEmpty() const { return games_.empty(); }
    const std::vector<GameRecord>& games() const { return games_; }

    // The report's lines as printed below the page heading (each long-form game ends with a
    // line holding one blank).
    QStringList lines(ScoresForm form) const;
    ReportGrid grid(ScoresForm form) const;
    ReportButtons buttons(ScoresForm shown, bool onOpening) const;

    // One row per game with raw values, for a spreadsheet or a web page. The short form leaves
    // out what its printed line leaves out: home or away, the place and the comment.
    ExportTable exportTable(const QString& title, ScoresForm form = ScoresForm::Long) const;

    // Prints every copy below a page heading of the title and the team's name. A long-form game
    // is never split across pages; the short form starts a new page when one is full. False
    // when the user gave up an output error.
    bool print(ScoresForm form, OutputEngine& engine, const PageChoices& choices) const;

private:
    // The team first when it played away, the opponent first when it played at home.
    struct Sides
    {
        QString firstName;
        qint16 firstGoals = 0;
        QString secondName;
        qint16 secondGoals = 0;
    };
    Sides sides(const GameRecord& game) const;
    QString typeName(const GameRecord& game) const;
    QStringList longLines(const GameRecord& game) const;
    QString shortLine(const GameRecord& game) const;
    bool printCopy(ScoresForm form, PagedOutput& out, const PageChoices& choices) const;
    bool heading(PagedOutput& out, const PageChoices& choices) const;

    std::vector<GameRecord> games_;
    QString teamName_;
    GameTypeNameTable gameTypeNames_;
};

} // namespace scorvane
