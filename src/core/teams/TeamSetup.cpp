#include "core/teams/TeamSetup.h"

#include "core/state/AppState.h"
#include "core/store/TeamList.h"
#include "core/text/Blanks.h"

namespace scorvane {
namespace {

void storeNames(AppState& state, const QString& longName, const QString& shortName)
{
    const int slot = state.teamChoice.currentSlot;
    state.teamChoice.names[slot] = fitWidth(longName, 25);
    state.teamChoice.shortNames[slot] = fitWidth(shortName, 10);
    if (!state.files.isOpen(FileTeamList))
        state.files.openDataFile(FileTeamList);
    writeTeamNames(
        state.files, slot, state.teamChoice.names[slot], state.teamChoice.shortNames[slot]);
}

} // namespace

void nameTeam(AppState& state, const QString& longName, const QString& shortName)
{
    const QString fallback = defaultTeamName(state.teamChoice.currentSlot);
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
    state.teamChoice.currentName
        = rightTrimBlanks(state.teamChoice.names[state.teamChoice.currentSlot]);
}

void deleteTeamFiles(AppState& state)
{
    DataFiles& files = state.files;
    files.openDataFile(FilePlayerInfo); // so that the file exists to be deleted
    for (int number : {FileRoster, FileGames, FileStats, FilePlayerInfo})
        files.closeDataFile(number);
    for (int number : {FileRoster, FileGames, FileStats, FilePlayerInfo})
        files.killDataFile(number);
    const QString name = defaultTeamName(state.teamChoice.currentSlot);
    storeNames(state, name, name);
}

} // namespace scorvane
