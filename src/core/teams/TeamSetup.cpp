#include "core/teams/TeamSetup.h"

#include "core/state/AppState.h"
#include "core/store/TeamList.h"
#include "core/text/Blanks.h"

namespace scorvane {
namespace {

void storeNames(AppState& state, const QString& longName, const QString& shortName)
{
    const int slot = state.TeamSlot;
    state.TeamNames[slot] = fitWidth(longName, 25);
    state.TeamShortNames[slot] = fitWidth(shortName, 10);
    if (!state.Files.isOpen(FileTeamList))
        state.Files.openDataFile(FileTeamList);
    writeTeamNames(state.Files, slot, state.TeamNames[slot], state.TeamShortNames[slot]);
}

} // namespace

void nameTeam(AppState& state, const QString& longName, const QString& shortName)
{
    const QString fallback = defaultTeamName(state.TeamSlot);
    QString longText = trimBlanks(longName);
    QString shortText = trimBlanks(shortName);
    if (longText.isEmpty()) {
        longText = fallback;
    } else if (shortText.isEmpty()) {
        shortText = longText;
    }
    if (shortText.isEmpty())
        shortText = fallback;
    storeNames(state, longText, shortText.left(10));
    state.CurrentTeamName = rightTrimBlanks(state.TeamNames[state.TeamSlot]);
}

void deleteTeamFiles(AppState& state)
{
    DataFiles& files = state.Files;
    files.openDataFile(FilePlayerInfo); // so that the file exists to be deleted
    for (int number : {FileRoster, FileGames, FileStats, FilePlayerInfo})
        files.closeDataFile(number);
    for (int number : {FileRoster, FileGames, FileStats, FilePlayerInfo})
        files.killDataFile(number);
    const QString name = defaultTeamName(state.TeamSlot);
    storeNames(state, name, name);
}

} // namespace scorvane
