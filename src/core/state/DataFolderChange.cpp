#include "core/state/DataFolderChange.h"

#include "core/state/AppState.h"
#include "core/state/Settings.h"
#include "core/state/StartUp.h"

#include <utility>

namespace scorvane {

FolderChange changeDataFolder(AppState& state, StartNotes& notes, const QString& folder)
{
    bool readOnly = false;
    if (!notes.lock.holds(folder)) {
        DataFolderLock newLock;
        switch (newLock.lock(folder)) {
        case DataFolderLock::Result::Locked:
            break;
        case DataFolderLock::Result::HeldByOther:
            notes.lock.setHolder(newLock.holder());
            return FolderChange::InUse;
        case DataFolderLock::Result::Unavailable:
            readOnly = true;
            break;
        }
        state.files.closeDataFile(AllFiles);
        removeEmptyDataFiles(state.settings.dataFolder);
        notes.lock = std::move(newLock); // the old folder's lock goes with the old value
    } else {
        state.files.closeDataFile(AllFiles);
    }

    state.settings.dataFolder = folder;
    Settings::save(state); // kept at once, so a crash does not lose the choice
    notes.readOnlyFolder = readOnly;
    notes.settingsChange = {};
    notes.dataChange = readOnly ? PendingChange{} : recoverPendingChange(folder);
    notes.teamList
        = checkAndLoadTeamList(state.files, state.teamChoice.names, state.teamChoice.shortNames);
    state.teamChoice.listMissing = false;
    return FolderChange::Changed;
}

} // namespace scorvane
