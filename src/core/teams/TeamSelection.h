#pragma once

#include <array>

namespace scorvane {

struct AppState;

using TeamLines = std::array<bool, 100>; // line i selected = slot i + 1 chosen

// Makes the team window's selection current: closes files 3, 4 and 5, sets the team choice, and,
// when a team is chosen, opens its roster (loading the roster part), games and statistics files.
void takeTeamSelection(AppState& state, const TeamLines& selected);

// Reads the roster file (file 3, open) into the roster part: every number free and
// named "Player n", then each record's number used with its name. A record numbered 0 ends the
// reading; numbers outside 1-99 are skipped.
void loadRosterTables(AppState& state);

// Which menu items a number of chosen teams enables.
struct MenuEnabling
{
    bool always = true;     // Data Directory, Back Up, Restore, Name Your Own
    bool oneOrMore = false; // Players, Games, Roster, Team Name, Change Player Number, Delete Files
    bool exactlyOne = false; // Game Scores, Record
    bool twoOrMore = false;  // Standings
};
MenuEnabling menuEnablingFor(int teamCount);

} // namespace scorvane
