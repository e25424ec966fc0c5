#pragma once

#include "core/state/ReportSelection.h"
#include "core/store/GameRecord.h"

#include <QString>

#include <vector>

namespace scorvane {

// The figures of a counted game that the won-lost reports sum.
struct GameResult
{
    qint16 gameNumber = 0;
    char gameType = '1';
    qint16 goalsFor = 0;
    qint16 goalsAgainst = 0;
};

// Which way a game went for the team whose file holds it.
enum class GameOutcome { Won, Lost, Tied };

inline GameOutcome outcomeOf(qint16 goalsFor, qint16 goalsAgainst)
{
    if (goalsFor > goalsAgainst)
        return GameOutcome::Won;
    return goalsFor < goalsAgainst ? GameOutcome::Lost : GameOutcome::Tied;
}

// The counted games of one team's game file, in record order. The file is read whole in one
// go; the walk starts at the record numbered like the from game (a game never stands before its
// own number) and ends at the first record numbered beyond the to game. A file that does not
// exist holds no games, as the program creates it empty on opening.
struct CountedResults
{
    std::vector<GameResult> games;
    QString error; // names the file that could not be read
};
CountedResults readCountedResults(const QString& gameFile, const ReportSelection& selection);

struct CountedGames
{
    std::vector<GameRecord> games;
    QString error;
};
CountedGames readCountedGames(const QString& gameFile, const ReportSelection& selection);

// The game file of team slot `slot` in the data folder (any letter case).
QString teamGameFile(const QString& dataFolder, int slot);

} // namespace scorvane
