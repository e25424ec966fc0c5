#pragma once

#include "TestSupport.h"

#include <initializer_list>
#include <utility>

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

// A 115-byte player result with chosen figures: `values` gives k -> value, every other value 0.
inline QByteArray resultBytes(int game, int player,
    std::initializer_list<std::pair<int, int>> values, char status = 'A', char type = '1',
    char special = '1')
{
    QByteArray b = le16(game) + le16(player) + QByteArray(1, 'P') + QByteArray(1, status)
        + QByteArray(1, type) + QByteArray(1, special);
    for (int k = 0; k < 29; ++k) {
        int v = 0;
        for (const auto& [key, value] : values)
            v = key == k ? value : v;
        b += le16(v);
    }
    return b + QByteArray(49, ' ');
}

// A player result whose every value is the player number, so that records can be told apart.
inline QByteArray statBytes(
    int game, int player, char status = 'A', char type = '1', char special = '1')
{
    QByteArray b = resultBytes(game, player, {}, status, type, special);
    for (int k = 0; k < 29; ++k)
        b.replace(8 + 2 * k, 2, le16(player));
    return b;
}

inline QByteArray join(std::initializer_list<QByteArray> records)
{
    QByteArray all;
    for (const QByteArray& r : records)
        all += r;
    return all;
}

// Games 1..count with the default fields.
inline QByteArray numberedGames(int count)
{
    QByteArray all;
    for (int g = 1; g <= count; ++g)
        all += GameBytes{.number = g}.bytes();
    return all;
}

// Two players' results (statBytes) in each of the games 1..count, in game order.
inline QByteArray resultsOfGames(int count, int first, int second)
{
    QByteArray all;
    for (int g = 1; g <= count; ++g)
        all += statBytes(g, first) + statBytes(g, second);
    return all;
}

// Team 1's game and result files holding the given bytes, opened as the program opens them.
struct GameFiles : TempState
{
    GameFiles(const QByteArray& games, const QByteArray& results)
    {
        writeWholeFile(path("KVGS1.DAT"), games);
        writeWholeFile(path("KVPS1.DAT"), results);
        state.files.openDataFile(FileGames);
        state.files.openDataFile(FileStats);
    }
    QString path(const char* name) const
    {
        return state.settings.dataFolder + QString::fromLatin1(name);
    }
    QByteArray games() const { return readWholeFile(path("KVGS1.DAT")); }
    QByteArray results() const { return readWholeFile(path("KVPS1.DAT")); }
};

} // namespace scorvane::testing
