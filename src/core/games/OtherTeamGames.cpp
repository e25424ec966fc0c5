#include "core/games/OtherTeamGames.h"

#include "core/state/AppState.h"

#include <QFileInfo>

namespace scorvane {

OtherTeamGames::OtherTeamGames(AppState& state, int teamSlot)
    : state_(state)
{
    const QString ownTeamNo = state_.TeamNo;
    state_.TeamNo = QString::number(teamSlot);
    if (QFileInfo::exists(state_.Files.FileName(FileOtherGames))) {
        state_.Files.OpenDataFile(FileOtherGames);
        open_ = true;
    }
    state_.TeamNo = ownTeamNo;
}

OtherTeamGames::~OtherTeamGames()
{
    if (open_)
        state_.Files.CloseDataFile(FileOtherGames);
}

std::vector<ListedGame> OtherTeamGames::ActiveGames()
{
    if (!open_)
        return {};
    return ReadActiveGames(state_.Files, FileOtherGames);
}

GameRecord OtherTeamGames::Game(qint32 recordNumber)
{
    if (!open_)
        return {};
    return state_.Files.Get<GameRecord>(FileOtherGames, recordNumber);
}

} // namespace scorvane
