#pragma once

#include "core/store/ChangeSet.h"
#include "core/store/DataFolderLock.h"
#include "core/store/TeamList.h"

#include <QString>

#include <functional>

namespace scorvane {

struct AppState;

// The folders start-up works with. On Linux the program-files folder is /opt/ and the common
// application-data folder /var/lib/; tests pass temporary folders.
struct ProgramFolders
{
    QString programFolder;      // the folder the program runs from, with "/"
    QString programFilesFolder; // with "/"
    QString commonDataFolder;   // with "/"
    QString tempFolder;         // with "/"
    QString executableName;     // the program file's own name, never moved
};

// The folders of the running program on this machine.
ProgramFolders systemProgramFolders();

// What the main window does once start-up has run.
enum class StartOutcome {
    TeamWindow,       // show the team window
    DataFolderWindow, // the team list could not be opened: choose a data folder first
    SettingsCorrupt,  // "Reinstall Scorvane for Soccer", then the program ends
    FolderInUse,      // another program holds the data folder: say so, then the program ends
};

// What start-up found that the user is to be told, and the data folder's lock, which lasts as
// long as the program.
struct StartNotes
{
    DataFolderLock lock;
    bool readOnlyFolder = false;  // no lock could be made: the folder opens for viewing
    PendingChange dataChange;     // a change a crash interrupted in the data folder
    PendingChange settingsChange; // the same for the settings folder
    TeamListCheck teamList;
    bool newDataFolder = false; // the data folder held no team list yet: nothing was ever kept
};

// The message for a change start-up finished or threw away; empty when there was none.
QString pendingChangeText(const PendingChange& change);

// Runs start-up from the program folder to the team list: the help location, the shared
// tables, the settings file, the first-start move, the team list. `yield` runs between the
// steps of the first-start move so the window system can process events.
// With `notes`, the data folder is locked first (FolderInUse when another program holds it),
// then a change a crash interrupted is finished or thrown away before anything is read.
StartOutcome startUp(AppState& state, const ProgramFolders& folders,
    const std::function<void()>& yield = {}, StartNotes* notes = nullptr);

// The folder the installation shares its data in: for a program installed in the program-files
// folder under "Quillmere Software/Scorvane for Soccer/", the same two levels under the common
// data folder (created when missing); otherwise the program folder itself.
bool installedInStandardPlace(const ProgramFolders& folders);
QString sharedDataFolder(const ProgramFolders& folders);

// The one-time move after an installation: when the program is installed in the standard place
// and "movefile.txt" is in the shared data folder, deletes the marker and moves every file and
// folder of the program folder there, except the program itself, files ending in "log" and the
// "help" folder. Returns the number of entries moved.
int moveProgramFilesOnFirstStart(
    const ProgramFolders& folders, const std::function<void()>& yield = {});

// Shut-down: closes every file, writes the settings back and deletes every empty "KV*.DAT" of
// the data folder.
void shutDown(AppState& state);

} // namespace scorvane
