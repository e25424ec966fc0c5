#include "Shots.h"

#include "core/games/GameFile.h"
#include "core/teams/TeamSelection.h"
#include "gui/app/UndoHistory.h"
#include "gui/games/ImportGameDialog.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace scorvane::shots {

namespace {

QWidget* openGameScreen(ShotContext& context, GameEdit edit, qint16 game)
{
    context.state.currentGame.edit = edit;
    context.state.currentGame.number = game;
    context.state.currentGame.reselect = game;
    return context.open(WindowGameScreen);
}

} // namespace

// Pictures of the game list, the game screen in its three modes, the import window and the
// Name Your Own window, all for the first sample team.
void shotsGames(ShotContext& context)
{
    TeamLines first{};
    first[0] = true;
    takeTeamSelection(context.state, first);

    context.state.currentGame.reselect = 4;
    context.save(context.open(WindowGameMenu), QStringLiteral("games-list"));
    context.saveMain(QStringLiteral("games-list-in-main-window"));

    // The Edit menu naming a game deleted from the list; undone again for the other pictures.
    const qint32 lastGame = context.state.files.recordCount(FileGames);
    UndoHistory::recorded(
        context.mdi, [&] { return deleteGame(context.state.files, lastGame); },
        [&] { return QStringLiteral("Delete Game %1").arg(lastGame); });
    context.open(WindowGameMenu);
    if (auto* edit = context.mdi.findChild<QMenu*>(QStringLiteral("mnuEdit"))) {
        edit->popup(context.mdi.mapToGlobal(QPoint(40, context.mdi.menuBar()->height())));
        context.save(edit, QStringLiteral("edit-menu-undo"));
        edit->hide();
    }
    if (QAction* undo = context.mdi.menuAction(QStringLiteral("mnuUndo")))
        undo->trigger();

    context.save(openGameScreen(context, GameEdit::Add, 7), QStringLiteral("games-screen-add"));
    context.save(
        openGameScreen(context, GameEdit::Insert, 2), QStringLiteral("games-screen-insert"));
    QWidget* change = openGameScreen(context, GameEdit::Change, 1);
    context.save(change, QStringLiteral("games-screen-change"));

    if (change != nullptr) {
        context.state.currentGame.opponentSlot = 2;
        ImportGameDialog import(context.state, 2, change);
        import.show();
        context.save(&import, QStringLiteral("games-import"));
        import.reject();
    }

    context.save(context.open(WindowNameYourOwn), QStringLiteral("games-name-your-own"));
    context.mdi.closeChildWindows();
    context.mdi.showWindow(WindowSelectTeam);
}

} // namespace scorvane::shots
