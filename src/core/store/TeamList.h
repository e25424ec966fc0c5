#pragma once

#include "core/store/DataFiles.h"
#include "core/text/OneBasedArray.h"

#include <QString>

namespace scorvane {

using TeamNameTable = OneBasedArray<QString, 100>;

// What the team list check did.
struct TeamListCheck
{
    bool rebuilt = false; // the file had the wrong length and was reset to the default names
    QString keptAs;       // where the wrong file was copied first; empty when it was empty
};

// The team list check, run each time the team list is loaded: a file of any length but 4,000
// bytes is first copied aside under a dated name ("KVTEAMS.DAT.20260314-093000") and then
// rebuilt as Team 1 ... Team 100; then the names of the 100 slots are read. File 2 stays open
// afterwards.
TeamListCheck checkAndLoadTeamList(
    DataFiles& files, TeamNameTable& TeamNames, TeamNameTable& TeamShortNames);

// Writes slot `slot` of the team list (file 2, open) with the two names and a blank reserved field.
void writeTeamNames(DataFiles& files, int slot, const QString& longName, const QString& shortName);

// "Team " followed by the slot number: the default name of an unnamed slot.
QString defaultTeamName(int slot);

// Deletes every file of the folder that matches "KV*.DAT" (any letter case) and is empty. Stops
// at the first error. Returns the number of files deleted.
int removeEmptyDataFiles(const QString& folder);

} // namespace scorvane
