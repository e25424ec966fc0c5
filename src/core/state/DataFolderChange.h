#pragma once

#include <QString>

namespace scorvane {

struct AppState;
struct StartNotes;

// What came of moving the program to another data folder.
enum class FolderChange {
    Changed, // the program works in the new folder; `notes` says what to tell the user
    InUse,   // another program holds the new folder; nothing changed
};

// Moves the program to `folder` (with a trailing "/") as if it had started there: the new folder
// is locked before the old one is let go, so a refusal leaves the program where it was; the old
// folder is left as an exit leaves it; the choice is written to the settings at once; a change a
// crash interrupted in the new folder is finished or thrown away; the team list is read.
// The folder must already have passed Settings::folderRefusal.
FolderChange changeDataFolder(AppState& state, StartNotes& notes, const QString& folder);

} // namespace scorvane
