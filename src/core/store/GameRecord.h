#pragma once

#include "core/store/RecordLayout.h"

#include <QByteArray>
#include <QString>

namespace scorvane {

// Files 4 and 8, "KVGS<team>.DAT": one 150-byte record per game, in playing order.
struct GameRecord
{
    static constexpr int Length = 150;

    qint16 GameNumber = 0;
    char GameStatus = 'A'; // "A" active, "D" deleted
    QString GameDate;      // "MMDDYY"
    QString GameLocation;
    QString Opponent;
    QByteArray Reserved54 = QByteArray(2, ' ');
    qint16 GoalsFor = 0;
    qint16 GoalsAgainst = 0;
    QString GameComment;
    char GameType = '1';      // "1" to "7"
    char HomeGame = '1';      // "1" home, "2" away
    char SpecialSelect = '1'; // "2" marked, "1" not
    QByteArray Reserved121 = QByteArray(29, ' ');

    static constexpr auto fields()
    {
        return std::tuple{integerField(&GameRecord::GameNumber), codeField(&GameRecord::GameStatus),
            textField(&GameRecord::GameDate, 6), textField(&GameRecord::GameLocation, 20),
            textField(&GameRecord::Opponent, 25), rawField(&GameRecord::Reserved54, 2),
            integerField(&GameRecord::GoalsFor), integerField(&GameRecord::GoalsAgainst),
            textField(&GameRecord::GameComment, 58), codeField(&GameRecord::GameType),
            codeField(&GameRecord::HomeGame), codeField(&GameRecord::SpecialSelect),
            rawField(&GameRecord::Reserved121, 29)};
    }

    QByteArray encode() const { return encodeRecord(*this); }
    static GameRecord decode(const QByteArray& bytes) { return decodeRecord<GameRecord>(bytes); }
};

static_assert(layoutLength<GameRecord>() == GameRecord::Length);

} // namespace scorvane
