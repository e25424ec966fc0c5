#pragma once

#include "core/reports/PlayerStatsTable.h"
#include "core/state/ReportSelection.h"
#include "core/store/FileError.h"
#include "core/text/OneBasedArray.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace scorvane {

using RosterNameTable = OneBasedArray<QString, 99>; // 17 characters each, by player number

// What the player statistics are computed from.
struct PlayerStatsInput
{
    QString dataFolder; // ends with a separator
    QList<int> teams;   // the chosen team slots, ascending; the first is the current team
    ReportSelection selection;
    // The current team's names as the program holds them; used when one team is reported.
    // With several teams (or when absent) each team's names come from its roster file.
    std::optional<RosterNameTable> currentTeamNames;
    // How many threads read teams at once; 0 lets the machine's processor count decide. The
    // result does not depend on it.
    int threads = 0;
    // The checksums the files must have, by file name in capitals (an archived season's files,
    // checked as they are read); a file not named here is not checked.
    QHash<QString, quint64> checksums;
};

struct PlayerStatsResult
{
    PlayerStatsTable table;
    std::optional<FileError> error; // the file that could not be read
    QString damagedFile;            // the file whose checksum differed (its name); then no table
};

// Sums every counted statistics record into one row per player (per team and player with
// several teams; per game of the chosen player in individual mode) and row 1, then derives
// total shots and the percentages. Reads each statistics file once, front to back, stopping at
// the first record beyond the to game. Writes nothing.
PlayerStatsResult computePlayerStats(const PlayerStatsInput& input);

// Row 1's sums from the other rows, total shots, the percentages and the first display order of
// rows already summed (the last step of computePlayerStats, also used when seasons are joined).
void finishPlayerStats(PlayerStatsTable& table);

// The names a team's roster file gives: "Player n" (with the number's sign blank) for every
// number, then each record's name at its number. `checksum`, when given, receives the checksum
// of the file's bytes.
RosterNameTable readRosterNames(const QString& rosterPath,
    std::optional<FileError>* error = nullptr, quint64* checksum = nullptr);

} // namespace scorvane
