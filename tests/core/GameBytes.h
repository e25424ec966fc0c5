#pragma once

#include "TestSupport.h"

#include <initializer_list>

namespace scorvane::testing {

// A 150-byte game record written out field by field.
struct GameBytes
{
    int number = 1;
    char status = 'A';
    const char* date = "091502";
    const char* location = "Field";
    const char* opponent = "Rovers";
    int goalsFor = 0;
    int goalsAgainst = 0;
    const char* comment = "";
    char type = '1';
    char home = '1';
    char special = '1';

    QByteArray bytes() const
    {
        return le16(number) + QByteArray(1, status) + pad(date, 6) + pad(location, 20)
            + pad(opponent, 25) + QByteArray(2, ' ') + le16(goalsFor) + le16(goalsAgainst)
            + pad(comment, 58) + QByteArray(1, type) + QByteArray(1, home) + QByteArray(1, special)
            + QByteArray(29, ' ');
    }
};

// A 115-byte player result: game, player, status and copied type/special mark; every value is
// the player number so that records can be told apart.
inline QByteArray StatBytes(
    int game, int player, char status = 'A', char type = '1', char special = '1')
{
    QByteArray b = le16(game) + le16(player) + QByteArray(1, 'P') + QByteArray(1, status)
        + QByteArray(1, type) + QByteArray(1, special);
    for (int k = 0; k < 29; ++k)
        b += le16(player);
    return b + QByteArray(49, ' ');
}

inline QByteArray Join(std::initializer_list<QByteArray> records)
{
    QByteArray all;
    for (const QByteArray& r : records)
        all += r;
    return all;
}

} // namespace scorvane::testing
