#include "core/teams/TeamSetup.h"

#include "core/state/AppState.h"
#include "core/store/TeamList.h"
#include "core/text/Blanks.h"

#include <functional>

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

// Runs `work` as one change and puts the slot's names back when it was cancelled.
bool changeNames(AppState& state, const QString& operation, const std::function<void()>& work)
{
    const int slot = state.TeamSlot;
    const QString longBefore = state.TeamNames[slot];
    const QString shortBefore = state.TeamShortNames[slot];
    if (state.Files.change(operation, work))
        return true;
    state.TeamNames[slot] = longBefore;
    state.TeamShortNames[slot] = shortBefore;
    return false;
}

} // namespace

bool nameTeam(AppState& state, const QString& longName, const QString& shortName)
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
    if (!changeNames(state, QStringLiteral("Saving the team name"),
            [&] { storeNames(state, longText, shortText.left(10)); }))
        return false;
    state.CurrentTeamName = rightTrimBlanks(state.TeamNames[state.TeamSlot]);
    return true;
}

bool deleteTeamFiles(AppState& state)
{
    DataFiles& files = state.Files;
    // The four files go and the slot's names return to the default together.
    return changeNames(state, QStringLiteral("Deleting the team's files"), [&] {
        for (int number : {FileRoster, FileGames, FileStats, FilePlayerInfo})
            files.killDataFile(number);
        const QString name = defaultTeamName(state.TeamSlot);
        storeNames(state, name, name);
    });
}

} // namespace scorvane
