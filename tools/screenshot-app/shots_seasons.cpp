#include "Shots.h"

#include "core/seasons/NewSeason.h"
#include "core/seasons/SeasonViewing.h"
#include "gui/app/DesktopPrompter.h"
#include "gui/seasons/SeasonCommands.h"

#include <QPushButton>

namespace scorvane::shots {

// Pictures of the season commands: the New Season name, the Open Season list, the Compute
// window's Career box, and the main window on an archived season. Runs last: it ends the
// sample season.
void shotsSeasons(ShotContext& context)
{
    MainWindow& mdi = context.mdi;
    AppState& state = context.state;
    mdi.closeChildWindows();
    DesktopPrompter desktop;
    context.saveNextModal(QStringLiteral("new-season-name"));
    desktop.askText(&mdi,
        {QStringLiteral("New Season"), QStringLiteral("Name of the season that ended:"),
            defaultSeasonName(state.settings.dataFolder)});
    startNewSeason(state, QStringLiteral("2024"));
    startNewSeason(state, QStringLiteral("2025"));

    // The Compute window of the player statistics offers the archived seasons.
    if (ChildWindow* report = context.openReport("mnuPlayer", {1})) {
        context.saveNextModal(QStringLiteral("compute-career"));
        if (auto* compute = report->findChild<QPushButton*>(QStringLiteral("cmdCompute")))
            compute->click();
    }

    mdi.closeChildWindows();
    mdi.showWindow(WindowSelectTeam);
    context.saveNextModal(QStringLiteral("open-season"));
    mdi.runMenuCommand(QStringLiteral("mnuOpenSeason"));
    ShotContext::settle();

    const std::vector<ArchivedSeason> seasons = listSeasons(state.settings.dataFolder);
    if (!seasons.empty() && openArchivedSeason(state, seasons.front())) {
        mdi.closeChildWindows();
        mdi.showWindow(WindowSelectTeam);
        mdi.selectionChanged(1);
        context.saveMain(QStringLiteral("season-read-only"));
        returnToCurrentSeason(state);
        applySeasonMode(mdi);
    }
    mdi.closeChildWindows();
    mdi.showWindow(WindowSelectTeam);
}

} // namespace scorvane::shots
