#include "core/teams/TeamSelection.h"

#include "core/state/AppState.h"
#include "core/store/PlayerNameRecord.h"
#include "core/text/Blanks.h"

namespace scorvane {

void loadRosterTables(AppState& state)
{
    for (int n = 1; n <= 99; ++n) {
        state.roster.free[n] = true;
        state.roster.names[n] = fitWidth(QStringLiteral("Player ") + QString::number(n), 17);
    }
    DataFiles& files = state.files;
    const qint32 count = files.recordCount(FileRoster);
    for (qint32 r = 1; r <= count; ++r) {
        const auto record = files.get<PlayerNameRecord>(FileRoster, r);
        if (record.playerNumber == 0)
            break;
        if (record.playerNumber < 1 || record.playerNumber > 99)
            continue;
        state.roster.free[record.playerNumber] = false;
        state.roster.names[record.playerNumber] = record.playerName;
    }
}

void takeTeamSelection(AppState& state, const TeamLines& selected)
{
    DataFiles& files = state.files;
    files.closeDataFile(FileRoster);
    files.closeDataFile(FileGames);
    files.closeDataFile(FileStats);
    TeamChoice& teams = state.teamChoice;
    teams.currentName.clear();
    teams.count = 0;
    int first = 0;
    for (int slot = 1; slot <= 100; ++slot) {
        teams.selected[slot] = selected[static_cast<std::size_t>(slot - 1)];
        if (!teams.selected[slot])
            continue;
        ++teams.count;
        if (first == 0) {
            first = slot;
            teams.currentName = rightTrimBlanks(teams.names[first]);
        }
    }
    if (teams.count == 0)
        return;
    if (teams.currentSlot != first) {
        // The game last worked on belongs to the other team: the game list starts on its last
        // game again.
        state.currentGame.number = 0;
        state.currentGame.reselect = 0;
    }
    teams.currentSlot = first;
    teams.reportTitle = teams.count == 1 ? teams.currentName : QStringLiteral("Multiple Teams");
    files.openDataFile(FileRoster);
    loadRosterTables(state);
    files.openDataFile(FileGames);
    files.openDataFile(FileStats);
}

MenuEnabling menuEnablingFor(int teamCount)
{
    MenuEnabling e;
    e.oneOrMore = teamCount >= 1;
    e.exactlyOne = teamCount == 1;
    e.twoOrMore = teamCount >= 2;
    return e;
}

} // namespace scorvane
