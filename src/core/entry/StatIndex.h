#pragma once

#include "core/text/OneBasedArray.h"

#include <QtGlobal>

namespace scorvane {

class DataFiles;

// The player-result index of the current game: where each player's active result stands in the
// statistics file (file 5) and where a new result of the game goes.
struct StatIndex
{
    OneBasedArray<qint32, 99> StatRecordOf{}; // record number of player n's active result; 0 none
    qint32 playersRecorded = 0;
    qint32 FirstStatRecord = 0;
    qint32 StatInsertPos = 0;
    qint32 StatRecordCount = 0;
};

// Scans file 5 (open) for the active results of `gameNumber`, fills the index, and rewrites every
// one of them whose copied game type or special-selection mark differs from the game's. Results
// with a player number outside 1-99 are skipped rather than indexed.
StatIndex buildStatIndex(DataFiles& files, qint16 gameNumber, char gameType, char specialSelect);

} // namespace scorvane
