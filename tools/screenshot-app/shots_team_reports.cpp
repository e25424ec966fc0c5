#include "Shots.h"

#include "core/store/TeamList.h"
#include "core/teams/SampleLeague.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

namespace scorvane::shots {

namespace {

// Points the program at `folder` and reads its team list, as choosing a data folder does.
void useDataFolder(ShotContext& context, const QString& folder)
{
    AppState& state = context.state;
    context.mdi.closeChildWindows();
    state.files.closeDataFile(AllFiles);
    state.settings.dataFolder = folder;
    checkAndLoadTeamList(state.files, state.teamChoice.names, state.teamChoice.shortNames);
}

} // namespace

void shotsTeamReports(ShotContext& context)
{
    // The sample league: four teams of twenty games each, enough to fill the grids.
    QTemporaryDir league;
    QString error;
    if (!SampleLeague::write(league.path(), &error)) {
        QTextStream(stderr) << "  skipped the team reports: " << error << '\n';
        return;
    }
    const QString ownFolder = context.state.settings.dataFolder;
    useDataFolder(context, league.path() + u'/');

    context.openReport("mnuRecord", {1});
    context.saveMain(QStringLiteral("team-record"));

    if (ChildWindow* scores = context.openReport("mnuGames", {1})) {
        context.saveMain(QStringLiteral("game-scores-long"));
        scores->findChild<QPushButton*>(QStringLiteral("cmdShort"))->click();
        context.saveMain(QStringLiteral("game-scores-short"));
    }

    context.openReport("mnuStandings", {1, 2, 3, 4});
    context.saveMain(QStringLiteral("standings"));

    useDataFolder(context, ownFolder);
    for (int slot = 2; slot <= 100; ++slot)
        context.state.teamChoice.selected[slot] = false;
}

} // namespace scorvane::shots
