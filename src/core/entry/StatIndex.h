#pragma once

#include "core/text/OneBasedArray.h"

#include <QtGlobal>

namespace scorvane {

class DataFiles;
struct GameRecord;

// The player-result index of one game: where each player's active result stands in the
// statistics file (file 5) and where a new result of the game goes.
struct StatIndex
{
    qint16 gameNumber = 0;
    OneBasedArray<qint32, 99> recordOf{}; // record number of player n's active result; 0 none
    qint32 playersRecorded = 0;
    qint32 firstRecord = 0;
    qint32 insertPosition = 0;
    qint32 recordCount = 0;
};

// Scans file 5 (open) for the active results of `gameNumber` and indexes them; the file is only
// read. Results with a player number outside 1-99 are skipped rather than indexed.
StatIndex buildStatIndex(DataFiles& files, qint16 gameNumber);

// Every statistics record carries copies of its game's type and special-selection mark. Rewrites
// each active result of the indexed game (whatever its player number) whose copies differ from
// `game`'s own fields; the other records keep their bytes.
void updateCopiedGameFields(DataFiles& files, const StatIndex& index, const GameRecord& game);

} // namespace scorvane
