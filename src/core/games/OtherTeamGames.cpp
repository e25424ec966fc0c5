#include "core/games/OtherTeamGames.h"

#include "core/state/AppState.h"

#include <QFileInfo>

namespace scorvane {

OtherTeamGames::OtherTeamGames(AppState& state, int teamSlot)
    : state_(state)
{
    const QString ownTeamNo = state_.TeamNo;
    state_.TeamNo = QString::number(teamSlot);
    if (QFileInfo::exists(state_.Files.fileName(FileOtherGames))) {
        state_.Files.openDataFile(FileOtherGames);
        open_ = true;
    }
    state_.TeamNo = ownTeamNo;
}

OtherTeamGames::~OtherTeamGames()
{
    if (open_)
        state_.Files.closeDataFile(FileOtherGames);
}

std::vector<ListedGame> OtherTeamGames::activeGames()
{
    if (!open_)
        return {};
    return readActiveGames(state_.Files, FileOtherGames);
}

GameRecord OtherTeamGames::game(qint32 recordNumber)
{
    if (!open_)
        return {};
    return state_.Files.Get<GameRecord>(FileOtherGames, recordNumber);
}

} // namespace scorvane
