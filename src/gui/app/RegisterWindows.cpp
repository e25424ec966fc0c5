#include "gui/app/WindowFactory.h"

#include "gui/entry/PlayerFiguresWindow.h"
#include "gui/games/GameListWindow.h"
#include "gui/games/GameWindow.h"
#include "gui/games/OwnNamesWindow.h"
#include "gui/reports/GameScoresWindow.h"
#include "gui/reports/LeagueTableWindow.h"
#include "gui/reports/PlayerStatsWindow.h"
#include "gui/reports/StandingsWindow.h"
#include "gui/reports/TeamRecordWindow.h"
#include "gui/roster/RosterWindow.h"
#include "gui/shell/AboutWindow.h"
#include "gui/shell/DataFolderWindow.h"
#include "gui/shell/DeleteFilesWindow.h"
#include "gui/shell/PlayerNumberWindow.h"
#include "gui/shell/TeamNameWindow.h"
#include "gui/shell/TeamWindow.h"

namespace scorvane {

// One line per window: the kind and how to make it. The back-up window is made by the two menu
// commands that know its direction.
void registerWindows(WindowFactory& factory)
{
    factory.add(WindowRoster, [](WindowHost& h) { return new RosterWindow(h); });
    factory.add(WindowPlayerNumber, [](WindowHost& h) { return new PlayerNumberWindow(h); });
    factory.add(WindowSelectTeam, [](WindowHost& h) { return new TeamWindow(h); });
    factory.add(WindowTeamName, [](WindowHost& h) { return new TeamNameWindow(h); });
    factory.add(WindowDeleteFiles, [](WindowHost& h) { return new DeleteFilesWindow(h); });
    factory.add(WindowDatapath, [](WindowHost& h) { return new DataFolderWindow(h); });
    factory.add(WindowBegScreen, [](WindowHost& h) { return new AboutWindow(h); });
    factory.add(WindowGameMenu, [](WindowHost& h) { return new GameListWindow(h); });
    factory.add(WindowGameScreen, [](WindowHost& h) { return new GameWindow(h); });
    factory.add(WindowNameYourOwn, [](WindowHost& h) { return new OwnNamesWindow(h); });
    factory.add(WindowPScreen, [](WindowHost& h) { return new PlayerFiguresWindow(h); });
    factory.add(WindowStats, [](WindowHost& h) { return new PlayerStatsWindow(h); });
    factory.add(WindowRecord, [](WindowHost& h) { return new TeamRecordWindow(h); });
    factory.add(WindowScores, [](WindowHost& h) { return new GameScoresWindow(h); });
    factory.add(WindowStandings, [](WindowHost& h) { return new StandingsWindow(h); });
    factory.add(WindowLeagueTable, [](WindowHost& h) { return new LeagueTableWindow(h); });
}

} // namespace scorvane
