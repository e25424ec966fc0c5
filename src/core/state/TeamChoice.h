#pragma once

#include "core/store/TeamList.h"
#include "core/text/OneBasedArray.h"

#include <QString>

namespace scorvane {

// The teams of the team list and which of them the user chose. The current team's files are
// named from `currentSlot` ("KVGS7.DAT" for slot 7) whenever one is opened.
struct TeamChoice
{
    TeamNameTable names;      // 25 characters each
    TeamNameTable shortNames; // 10 characters each
    OneBasedArray<bool, 100> selected;
    int count = 0;       // how many teams are chosen
    int currentSlot = 1; // the first team chosen
    QString currentName;
    QString reportTitle;      // the current team's name, or "Multiple Teams"
    bool listMissing = false; // the team list could not be opened: a data folder must be chosen
};

} // namespace scorvane
