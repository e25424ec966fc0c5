#pragma once

#include "core/games/GameEdit.h"
#include "core/store/GameRecord.h"
#include "core/store/TeamList.h"

#include <QString>

namespace scorvane {

// The outcome of checking a typed game date.
struct GameDateCheck
{
    bool valid = false;
    QString stored; // the six characters to store: "000000" when no date was typed
    QString words;  // the date in words; empty for no date or an invalid one
};

// A typed date is valid when it is empty (stored as "000000") or six digits naming a real day
// (29 February passes in every year).
GameDateCheck checkGameDate(const QString& typed);

// A game as the game screen's fields hold it.
struct GameFields
{
    QString date;
    QString location;
    QString opponent;
    QString goalsFor;
    QString goalsAgainst;
    QString comment;
    int typeLine = 0; // 0..6, the game type minus one
    bool homeTeam = false;
    bool specialSelect = false;
};

// The fields of a stored game, trailing blanks removed (the game screen's change mode).
GameFields fieldsOfGame(const GameRecord& game);

// The active record the fields describe, numbered `gameNumber`, texts cut to their widths and
// blank spare fields. The date must have passed checkGameDate.
GameRecord recordOfFields(const GameFields& fields, qint16 gameNumber);

// The fields after importing the opponent's record of the same game: date, location and game
// type as the opponent keeps them, goals and home mark seen from this side, and the comment only
// when asked for. The opponent text and the special-selection mark stay as they were.
GameFields importedFields(GameFields fields, const GameRecord& opponentGame, bool withComment);

// The slot (1..100) of the first team whose name, trailing blanks removed, equals `opponent`;
// 0 when none does.
int opponentSlot(const TeamNameTable& TeamNames, const QString& opponent);

// The game screen's "Add Game 6" style label.
QString gameNumberLabel(GameEdit edit, qint16 gameNumber);

} // namespace scorvane
