#include "core/teams/TeamSetup.h"

#include "core/state/AppState.h"
#include "core/store/TeamList.h"
#include "core/text/Blanks.h"

#include <functional>

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

// Runs `work` as one change and puts the slot's names back when it was cancelled.
bool changeNames(AppState& state, const QString& operation, const std::function<void()>& work)
{
    const int slot = state.teamChoice.currentSlot;
    const QString longBefore = state.teamChoice.names[slot];
    const QString shortBefore = state.teamChoice.shortNames[slot];
    if (state.files.change(operation, work))
        return true;
    state.teamChoice.names[slot] = longBefore;
    state.teamChoice.shortNames[slot] = shortBefore;
    return false;
}

} // namespace

bool nameTeam(AppState& state, const QString& longName, const QString& shortName)
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
    if (!changeNames(state, QStringLiteral("Saving the team name"),
            [&] { storeNames(state, longText, shortText.left(10)); }))
        return false;
    state.teamChoice.currentName
        = rightTrimBlanks(state.teamChoice.names[state.teamChoice.currentSlot]);
    return true;
}

bool deleteTeamFiles(AppState& state)
{
    DataFiles& files = state.files;
    // The four files go and the slot's names return to the default together.
    return changeNames(state, QStringLiteral("Deleting the team's files"), [&] {
        for (int number : {FileRoster, FileGames, FileStats, FilePlayerInfo})
            files.killDataFile(number);
        const QString name = defaultTeamName(state.teamChoice.currentSlot);
        storeNames(state, name, name);
    });
}

} // namespace scorvane
