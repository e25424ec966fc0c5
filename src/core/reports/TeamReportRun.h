#pragma once

#include "core/output/ExportTable.h"
#include "core/reports/GameScoresReport.h"
#include "core/reports/LeagueRules.h"
#include "core/reports/PagedOutput.h"
#include "core/state/ReportSelection.h"
#include "core/store/FileError.h"
#include "core/store/TeamList.h"
#include "core/text/Formatting.h"

#include <QList>
#include <QString>

#include <optional>

namespace scorvane {

class OutputEngine;

// What a team report is computed from.
struct TeamReportInput
{
    QString dataFolder; // ends with a separator
    QList<int> teams;   // chosen slots, ascending; record and scores report the first
    TeamNameTable teamNames;
    GameTypeNameTable gameTypeNames;
    ReportSelection selection; // its kind names the report: record, game scores or standings
    ScoresForm scoresForm = ScoresForm::Long;
    LeagueRules leagueRules; // the league table only
};

struct TeamReportOutcome
{
    std::optional<FileError> fault; // a file that could not be read; nothing was printed
    bool stopped = false;           // the user gave up an output error
};

// Computes the team report the selection names and prints it through the output engine, from
// opening the output to closing it: what printing from the report's window sends for the same
// choices.
TeamReportOutcome printTeamReport(
    const TeamReportInput& input, const PageChoices& choices, OutputEngine& engine);

struct TeamReportTable
{
    ExportTable table;
    std::optional<FileError> fault; // a file that could not be read; the table is empty
};

// The same team report computed the same way, as a table to export under `title`.
TeamReportTable teamReportTable(const TeamReportInput& input, const QString& title);

} // namespace scorvane
