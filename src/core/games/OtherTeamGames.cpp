#include "core/games/OtherTeamGames.h"

#include "core/state/AppState.h"

#include <QFileInfo>

namespace scorvane {

OtherTeamGames::OtherTeamGames(AppState& state, int teamSlot)
    : state_(state)
{
    const int ownSlot = state_.teamChoice.currentSlot;
    state_.teamChoice.currentSlot = teamSlot;
    if (QFileInfo::exists(state_.files.fileName(FileOtherGames))) {
        state_.files.openDataFile(FileOtherGames);
        open_ = true;
    }
    state_.teamChoice.currentSlot = ownSlot;
}

OtherTeamGames::~OtherTeamGames()
{
    if (open_)
        state_.files.closeDataFile(FileOtherGames);
}

std::vector<ListedGame> OtherTeamGames::activeGames()
{
    if (!open_)
        return {};
    return readActiveGames(state_.files, FileOtherGames);
}

GameRecord OtherTeamGames::game(qint32 recordNumber)
{
    if (!open_)
        return {};
    return state_.files.get<GameRecord>(FileOtherGames, recordNumber);
}

} // namespace scorvane
