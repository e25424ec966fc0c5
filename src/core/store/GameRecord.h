#pragma once

#include <QByteArray>
#include <QString>

namespace scorvane {

// Files 4 and 8, "KVGS<team>.DAT": one 150-byte record per game, in playing order.
struct GameRecord
{
    static constexpr int Length = 150;

    qint16 GameNumber = 0;
    char GameStatus = 'A'; // "A" active, "D" deleted
    QString GameDate;      // 6, "MMDDYY"
    QString GameLocation;  // 20
    QString Opponent;      // 25
    QByteArray Reserved54 = QByteArray(2, ' ');
    qint16 GoalsFor = 0;
    qint16 GoalsAgainst = 0;
    QString GameComment;      // 58
    char GameType = '1';      // "1" to "7"
    char HomeGame = '1';      // "1" home, "2" away
    char SpecialSelect = '1'; // "2" marked, "1" not
    QByteArray Reserved121 = QByteArray(29, ' ');

    QByteArray encode() const;
    static GameRecord decode(const QByteArray& bytes);
};

} // namespace scorvane
