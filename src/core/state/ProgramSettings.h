#pragma once

#include "core/entry/Categories.h"
#include "core/state/SortOrder.h"
#include "core/store/DataFolders.h"
#include "core/text/Formatting.h"
#include "core/text/OneBasedArray.h"

#include <QtGlobal>

namespace scorvane {

// What the settings file holds, as the program uses it: the folders, the names the user gave,
// the report columns and their sort, and the print settings. Read at start-up and written back
// at shut-down (Settings); only the settings codec knows the file's own codes.
struct ProgramSettings : DataFolders
{
    GameTypeNameTable gameTypeNames; // 10 characters each
    UserStatCodeTable userStatCodes; // 3 characters each
    CategoryCodeTable categoryCodes; // the report category codes, built from the two above
    OneBasedArray<qint16, 50> reportColumns;
    int sortColumn = 1;
    SortOrder sortOrder = SortOrder::Descending;
    int linesPerPage = 60;
    int titleFontSize = 12;
    bool titleBold = false;
    int reportFontSize = 12;
    bool reportBold = false;
};

} // namespace scorvane
