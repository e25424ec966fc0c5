#include "gui/app/WindowFactory.h"

#include "gui/entry/PlayerFiguresWindow.h"
#include "gui/games/GameListWindow.h"
#include "gui/games/GameWindow.h"
#include "gui/games/OwnNamesWindow.h"
#include "gui/roster/RosterWindow.h"
#include "gui/shell/AboutWindow.h"
#include "gui/shell/DataFolderWindow.h"
#include "gui/shell/DeleteFilesWindow.h"
#include "gui/shell/PlayerNumberWindow.h"
#include "gui/shell/TeamNameWindow.h"
#include "gui/shell/TeamWindow.h"

namespace scorvane {

// One line per window: the kind, its name, and how to make it. The back-up window is made by the
// two menu commands that know its direction.
void registerWindows(WindowFactory& factory)
{
    (void)factory;
    factory.add(WindowRoster, QStringLiteral("frmRoster"),
        [](WindowHost& h) { return new RosterWindow(h); });
    factory.add(WindowPlayerNumber, QStringLiteral("frmPlayerNumber"),
        [](WindowHost& h) { return new PlayerNumberWindow(h); });
    factory.add(WindowSelectTeam, QStringLiteral("frmSelectTeam"),
        [](WindowHost& h) { return new TeamWindow(h); });
    factory.add(WindowTeamName, QStringLiteral("frmTeamName"),
        [](WindowHost& h) { return new TeamNameWindow(h); });
    factory.add(WindowDeleteFiles, QStringLiteral("frmDeleteFiles"),
        [](WindowHost& h) { return new DeleteFilesWindow(h); });
    factory.add(WindowDatapath, QStringLiteral("frmDatapath"),
        [](WindowHost& h) { return new DataFolderWindow(h); });
    factory.add(WindowBegScreen, QStringLiteral("frmBegScreen"),
        [](WindowHost& h) { return new AboutWindow(h); });
    factory.add(WindowGameMenu, QStringLiteral("frmGameMenu"),
        [](WindowHost& h) { return new GameListWindow(h); });
    factory.add(WindowGameScreen, QStringLiteral("frmGameScreen"),
        [](WindowHost& h) { return new GameWindow(h); });
    factory.add(WindowNameYourOwn, QStringLiteral("frmNameYourOwn"),
        [](WindowHost& h) { return new OwnNamesWindow(h); });
    factory.add(WindowPScreen, QStringLiteral("frmPScreen"),
        [](WindowHost& h) { return new PlayerFiguresWindow(h); });
}

} // namespace scorvane
