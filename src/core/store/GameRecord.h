#pragma once

#include "core/store/RecordLayout.h"

#include <QByteArray>
#include <QString>

namespace scorvane {

// Files 4 and 8, "KVGS<team>.DAT": one 150-byte record per game, in playing order.
struct GameRecord
{
    static constexpr int Length = 150;

    qint16 gameNumber = 0;
    char gameStatus = 'A'; // "A" active, "D" deleted
    QString gameDate;      // "MMDDYY"
    QString gameLocation;
    QString opponent;
    QByteArray reserved54 = QByteArray(2, ' ');
    qint16 goalsFor = 0;
    qint16 goalsAgainst = 0;
    QString gameComment;
    char gameType = '1';      // "1" to "7"
    char homeGame = '1';      // "1" home, "2" away
    char specialSelect = '1'; // "2" marked, "1" not
    QByteArray reserved121 = QByteArray(29, ' ');

    static constexpr auto fields()
    {
        return std::tuple{integerField(&GameRecord::gameNumber), codeField(&GameRecord::gameStatus),
            textField(&GameRecord::gameDate, 6), textField(&GameRecord::gameLocation, 20),
            textField(&GameRecord::opponent, 25), rawField(&GameRecord::reserved54, 2),
            integerField(&GameRecord::goalsFor), integerField(&GameRecord::goalsAgainst),
            textField(&GameRecord::gameComment, 58), codeField(&GameRecord::gameType),
            codeField(&GameRecord::homeGame), codeField(&GameRecord::specialSelect),
            rawField(&GameRecord::reserved121, 29)};
    }

    QByteArray encode() const { return encodeRecord(*this); }
    static GameRecord decode(const QByteArray& bytes) { return decodeRecord<GameRecord>(bytes); }
};

static_assert(layoutLength<GameRecord>() == GameRecord::Length);

} // namespace scorvane
