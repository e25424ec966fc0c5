#pragma once

#include "core/entry/Categories.h"
#include "core/reports/StatsSort.h"
#include "core/store/TeamList.h"
#include "core/text/Formatting.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace scorvane {

class OutputEngine;
struct PlayerStatsTable;

// What the printed player statistics show besides the table.
struct PlayerReportLayout
{
    QList<int> columns; // the report's column slots in order; codes 1..37 print
    bool individual = false;
    bool severalTeams = false;
    QString playerName; // individual mode: the chosen player's roster name
    QString teamName;   // one team: its long name, printed above the title
    TeamNameTable teamShortNames;
    GameTypeNameTable gameTypeNames;
    UserStatCodeTable userStatCodes;
    MinimumSplit minimum; // position 0: no marker
    // Career: a Seasons column after the name (team mode: how many seasons; one player's games:
    // the game's season, from these names).
    bool career = false;
    QStringList seasonNames;
    QStringList leftOutSeasons; // "name: problem" of each archive asked for but not read
};

// The print dialog's choices that shape the pages.
struct PrintChoices
{
    QString title;
    int copies = 1;
    int linesPerPage = 60;
    int top = 999; // players printed; the rest are counted in " Player(s) not listed"
};

// Prints the report through the output engine, from "O" to "C": per copy a page header, the
// rows in display order, the totals and a form feed; a full page (every printed line counts,
// the form-feed line too) starts a new page with the header again. Stops at once when the user
// gives up an output error; returns false then.
bool printPlayerReport(const PlayerStatsTable& table, const PlayerReportLayout& layout,
    const PrintChoices& choices, OutputEngine& engine);

// The two totals lines with wide totals staggered between them.
struct TotalsLines
{
    QString a;
    QString b;
};
TotalsLines totalsLines(const PlayerStatsTable& table, const PlayerReportLayout& layout);

} // namespace scorvane
