#pragma once

#include "core/games/GameEdit.h"
#include "core/store/GameRecord.h"

#include <QString>

#include <vector>

namespace scorvane {

class DataFiles;

// One line of a game list: the active game and where it stands in its file.
struct ListedGame
{
    qint32 recordNumber = 0;
    GameRecord game;
};

// The active games of an open game file (file 4, or file 8 for another team) in record order.
// Only whole records are read; deleted records are skipped.
std::vector<ListedGame> readActiveGames(DataFiles& files, int fileNumber);

// The line a game list selects on opening: the last line when no game is current (0) or the
// current game is not below the number of lines, otherwise the current game's line. -1 for an
// empty list.
int lineToSelect(int lineCount, qint16 currentGame);

// The record of active game `gameNumber` in file 4: the first record from record number
// `gameNumber` upward that carries that number with status "A" (a game never stands before its
// own number). 0 when there is none.
qint32 findGameRecord(DataFiles& files, qint16 gameNumber);

// Deletes the active game at `recordNumber` of file 4 (file 5 open as well): the record is marked
// "D" and takes the number of the record before it (0 for the first record), every later record
// closes up by one, the game's results are marked "D" and the results of later games follow
// their games' new numbers. Nothing is removed from either file. Both files change together or
// not at all; false when a write error was cancelled.
bool deleteGame(DataFiles& files, qint32 recordNumber);
// The same steps inside a change the caller holds.
void deleteGameRecords(DataFiles& files, qint32 recordNumber);

// Writes `game` as a new record after the last whole record of file 4. Returns its record number.
qint32 appendGame(DataFiles& files, const GameRecord& game);

// Inserts `game` at `recordNumber` of file 4: every record from the last one down to
// `recordNumber` moves up one place, last first, with its number raised by one, and every result
// in file 5 numbered at or above the new game's number is raised by one.
void insertGame(DataFiles& files, qint32 recordNumber, const GameRecord& game);

// Saves a game as the game screen does: added at the end, inserted at `recordNumber` or written
// over `recordNumber` (an insert or change without a record adds), then brings the copied game type
// and special-selection mark of the game's results into line, all as one change. Returns the record
// written, or 0 when a write error was cancelled and nothing changed.
qint32 saveGame(DataFiles& files, GameEdit edit, qint32 recordNumber, const GameRecord& game);

// True when the active games of file 4 are numbered 1, 2, 3 ... in record order.
bool gameNumbersInOrder(DataFiles& files);

// Numbers the active games 1, 2, 3 ... in record order (a deleted record takes the number of the
// active game before it), moves every result to its game's new number and puts the results back
// in game order, as one change of both files. False when a write error was cancelled.
bool renumberGamesInRecordOrder(DataFiles& files);

} // namespace scorvane
