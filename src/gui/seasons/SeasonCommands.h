#pragma once

class QMenu;

namespace scorvane {

class MainWindow;

// The File menu's season items, "&New Season..." and "Open &Season", added to `file`.
void addSeasonItems(MainWindow& main, QMenu* file);

// While an archived season is viewed, the items that would write to it are disabled and the
// title bar names the season; back on the current season both are as they were. Run after every
// change of the menus' enabling.
void applySeasonMode(MainWindow& main);

// File > New Season: names the season that ended (its game dates' year span first), asks to go
// ahead, archives it and starts the next one, then shows the team window.
void newSeasonCommand(MainWindow& main);

// File > Open Season: the current season or one archive, opened read-only, then the team window.
void openSeasonCommand(MainWindow& main);

} // namespace scorvane
