#include "core/teams/TeamSelection.h"

#include "core/state/AppState.h"
#include "core/store/PlayerNameRecord.h"
#include "core/text/Blanks.h"

namespace scorvane {

void loadRosterTables(AppState& state)
{
    for (int n = 1; n <= 99; ++n) {
        state.RosterFree[n] = QStringLiteral("Y");
        state.RosterNames[n] = fitWidth(QStringLiteral("Player ") + QString::number(n), 17);
    }
    DataFiles& files = state.Files;
    const qint32 count = files.recordCount(FileRoster);
    for (qint32 r = 1; r <= count; ++r) {
        const auto record = files.Get<PlayerNameRecord>(FileRoster, r);
        if (record.PlayerNumber == 0)
            break;
        if (record.PlayerNumber < 1 || record.PlayerNumber > 99)
            continue;
        state.RosterFree[record.PlayerNumber] = QStringLiteral("N");
        state.RosterNames[record.PlayerNumber] = record.PlayerName;
    }
}

void takeTeamSelection(AppState& state, const TeamLines& selected)
{
    DataFiles& files = state.Files;
    files.closeDataFile(FileRoster);
    files.closeDataFile(FileGames);
    files.closeDataFile(FileStats);
    state.CurrentTeamName.clear();
    state.TeamCount = 0;
    int first = 0;
    for (int i = 0; i < 100; ++i) {
        if (selected[static_cast<std::size_t>(i)]) {
            state.TeamSelected[i + 1] = QStringLiteral("Y");
            ++state.TeamCount;
            if (first == 0) {
                first = i + 1;
                state.CurrentTeamName = rightTrimBlanks(state.TeamNames[first]);
            }
        } else {
            state.TeamSelected[i + 1] = QStringLiteral("N");
        }
    }
    if (state.TeamCount == 0)
        return;
    if (state.TeamSlot != first) {
        // The game last worked on belongs to the other team: the game list starts on its last
        // game again.
        state.CurrentGame = 0;
        state.ReselectGame = 0;
    }
    state.TeamSlot = first;
    state.TeamNo = QString::number(first);
    state.ReportTeamTitle
        = state.TeamCount == 1 ? state.CurrentTeamName : QStringLiteral("Multiple Teams");
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
