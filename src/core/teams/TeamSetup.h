#pragma once

#include <QString>

namespace scorvane {

struct AppState;

// Names the current team (its current slot) from the two texts typed: an empty long name gives
// "Team n"; an empty short name takes the long name; names are cut to 25 and 10 characters.
// Writes the slot's team list record and sets CurrentTeamName. False when a write error was
// cancelled: names and file are as before.
bool nameTeam(AppState& state, const QString& longName, const QString& shortName);

// Deletes the current team's roster, games, statistics and player-information files and gives
// the slot its default names again, as one change. Other teams' files and slots are not touched.
// False when a write error was cancelled: nothing was deleted.
bool deleteTeamFiles(AppState& state);

} // namespace scorvane
