#include "core/teams/TeamSetup.h"

#include "core/state/AppState.h"
#include "core/store/TeamList.h"
#include "core/text/Blanks.h"

namespace scorvane {
namespace {

void StoreNames(AppState& state, const QString& longName, const QString& shortName)
{
    const int slot = state.TeamSlot;
    state.TeamNames[slot] = FitWidth(longName, 25);
    state.TeamShortNames[slot] = FitWidth(shortName, 10);
    if (!state.Files.IsOpen(FileTeamList))
        state.Files.OpenDataFile(FileTeamList);
    WriteTeamNames(state.Files, slot, state.TeamNames[slot], state.TeamShortNames[slot]);
}

} // namespace

void NameTeam(AppState& state, const QString& longName, const QString& shortName)
{
    const QString fallback = DefaultTeamName(state.TeamSlot);
    QString longText = TrimBlanks(longName);
    QString shortText = TrimBlanks(shortName);
    if (longText.isEmpty()) {
        longText = fallback;
    } else if (shortText.isEmpty()) {
        shortText = longText;
    }
    if (shortText.isEmpty())
        shortText = fallback;
    StoreNames(state, longText, shortText.left(10));
    state.CurrentTeamName = RightTrimBlanks(state.TeamNames[state.TeamSlot]);
}

void DeleteTeamFiles(AppState& state)
{
    DataFiles& files = state.Files;
    files.OpenDataFile(FilePlayerInfo); // so that the file exists to be deleted
    for (int number : {FileRoster, FileGames, FileStats, FilePlayerInfo})
        files.CloseDataFile(number);
    for (int number : {FileRoster, FileGames, FileStats, FilePlayerInfo})
        files.KillDataFile(number);
    const QString name = DefaultTeamName(state.TeamSlot);
    StoreNames(state, name, name);
}

} // namespace scorvane
