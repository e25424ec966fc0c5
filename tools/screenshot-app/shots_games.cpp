#include "Shots.h"

#include "core/teams/TeamSelection.h"
#include "gui/games/ImportGameDialog.h"

namespace scorvane::shots {

namespace {

QWidget* openGameScreen(ShotContext& context, const char* mode, qint16 game)
{
    context.state.GameEditMode = QString::fromLatin1(mode);
    context.state.CurrentGame = game;
    context.state.ReselectGame = game;
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

    context.state.ReselectGame = 4;
    context.save(context.open(WindowGameMenu), QStringLiteral("games-list"));
    context.saveMain(QStringLiteral("games-list-in-main-window"));

    context.save(openGameScreen(context, "A", 7), QStringLiteral("games-screen-add"));
    context.save(openGameScreen(context, "I", 2), QStringLiteral("games-screen-insert"));
    QWidget* change = openGameScreen(context, "C", 1);
    context.save(change, QStringLiteral("games-screen-change"));

    if (change != nullptr) {
        context.state.OpponentTeamNo = 2;
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
