#pragma once

#include "core/games/GameFile.h"

#include <vector>

namespace scorvane {

struct AppState;

// Another team's game file, open as file 8 for as long as this object lives. The file is named
// from that team's slot, and the current team's slot is put back as soon as it is open, so the
// current team's own files are what every other open finds. A team without a game file is read
// as having no games, and no file is created for it.
class OtherTeamGames
{
public:
    OtherTeamGames(AppState& state, int teamSlot);
    ~OtherTeamGames();
    OtherTeamGames(const OtherTeamGames&) = delete;
    OtherTeamGames& operator=(const OtherTeamGames&) = delete;

    std::vector<ListedGame> activeGames();
    GameRecord game(qint32 recordNumber);

private:
    AppState& state_;
    bool open_ = false;
};

} // namespace scorvane
