#include "ui/WindowFactory.h"

#include "entry/gui/FrmPScreen.h"
#include "games/gui/FrmGameMenu.h"
#include "games/gui/FrmGameScreen.h"
#include "games/gui/FrmNameYourOwn.h"
#include "roster/gui/FrmRoster.h"
#include "shell/gui/FrmBackup.h"
#include "shell/gui/FrmBegScreen.h"
#include "shell/gui/FrmDatapath.h"
#include "shell/gui/FrmDeleteFiles.h"
#include "shell/gui/FrmPlayerNumber.h"
#include "shell/gui/FrmSelectTeam.h"
#include "shell/gui/FrmTeamName.h"

namespace scorvane {

// One line per window: the kind, its name, and how to make it.
void RegisterWindows(WindowFactory& factory)
{
    (void)factory;
    factory.add(
        WindowRoster, QStringLiteral("frmRoster"), [](WindowHost& h) { return new FrmRoster(h); });
    factory.add(WindowPlayerNumber, QStringLiteral("frmPlayerNumber"),
        [](WindowHost& h) { return new FrmPlayerNumber(h); });
    factory.add(WindowSelectTeam, QStringLiteral("frmSelectTeam"),
        [](WindowHost& h) { return new FrmSelectTeam(h); });
    factory.add(WindowTeamName, QStringLiteral("frmTeamName"),
        [](WindowHost& h) { return new FrmTeamName(h); });
    factory.add(WindowDeleteFiles, QStringLiteral("frmDeleteFiles"),
        [](WindowHost& h) { return new FrmDeleteFiles(h); });
    factory.add(WindowDatapath, QStringLiteral("frmDatapath"),
        [](WindowHost& h) { return new FrmDatapath(h); });
    factory.add(
        WindowBackup, QStringLiteral("frmBackup"), [](WindowHost& h) { return new FrmBackup(h); });
    factory.add(WindowBegScreen, QStringLiteral("frmBegScreen"),
        [](WindowHost& h) { return new FrmBegScreen(h); });
    factory.add(WindowGameMenu, QStringLiteral("frmGameMenu"),
        [](WindowHost& h) { return new FrmGameMenu(h); });
    factory.add(WindowGameScreen, QStringLiteral("frmGameScreen"),
        [](WindowHost& h) { return new FrmGameScreen(h); });
    factory.add(WindowNameYourOwn, QStringLiteral("frmNameYourOwn"),
        [](WindowHost& h) { return new FrmNameYourOwn(h); });
    factory.add(WindowPScreen, QStringLiteral("frmPScreen"),
        [](WindowHost& h) { return new FrmPScreen(h); });
}

} // namespace scorvane
