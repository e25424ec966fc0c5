// Record layouts checked against bytes built by hand, field by field. The report format record is
// checked so by the format file tests, the team record by the team naming test, the settings
// record by the settings file test.
#include "TestSupport.h"

#include "core/store/GameRecord.h"
#include "core/store/PlayerInfoRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace scorvane;
using namespace scorvane::testing;

TEST(Records, GameRecordMatchesHandBuiltBytes)
{
    GameRecord g;
    g.gameNumber = 258; // 0x0102
    g.gameStatus = 'A';
    g.gameDate = QStringLiteral("091502");
    g.gameLocation = QStringLiteral("North Field");
    g.opponent = QStringLiteral("An opponent whose name is far too long");
    g.goalsFor = 3;
    g.goalsAgainst = -2;
    g.gameComment = QStringLiteral("Rain");
    g.gameType = '4';
    g.homeGame = '2';
    g.specialSelect = '2';

    const QByteArray expected = le16(258) + "A091502" + pad("North Field", 20)
        + QByteArray("An opponent whose name is far too long").left(25) + "  " + le16(3) + le16(-2)
        + pad("Rain", 58) + "422" + QByteArray(29, ' ');
    ASSERT_EQ(expected.size(), 150);
    EXPECT_EQ(g.encode(), expected);
    EXPECT_EQ(GameRecord::decode(expected).goalsAgainst, -2);

    // Every byte value in the text fields comes back as it was read.
    QByteArray bytes(150, '\0');
    for (int i = 0; i < 150; ++i)
        bytes[i] = static_cast<char>((i * 97 + 13) & 0xFF);
    EXPECT_EQ(GameRecord::decode(bytes).encode(), bytes);
}

TEST(Records, PlayerStatRecordValuesStartAtOffsetEight)
{
    PlayerStatRecord s;
    s.gameNumber = 7;
    s.playerNumber = 99;
    s.statStatus = 'I';
    s.statGameType = '3';
    s.statSpecialSelect = '1';
    for (int k = 0; k < 29; ++k)
        s.statValues[static_cast<std::size_t>(k)] = static_cast<qint16>(k * 300);

    QByteArray expected = le16(7) + le16(99) + "PI31";
    for (int k = 0; k < 29; ++k)
        expected += le16(k * 300);
    expected += QByteArray(49, ' ');
    ASSERT_EQ(expected.size(), 115);
    EXPECT_EQ(s.encode(), expected);
    EXPECT_EQ(PlayerStatRecord::decode(expected).statValues[28], 28 * 300);
}

TEST(Records, PlayerNameAndInfoRecords)
{
    PlayerNameRecord p;
    p.playerNumber = 12;
    p.playerName = QStringLiteral("Ana Lopez-Garcia Marquez");
    EXPECT_EQ(p.encode(), le16(12) + QByteArray("Ana Lopez-Garcia ") + QByteArray(182, ' '));

    PlayerInfoRecord i;
    i.playerNumber = 5;
    i.phone = QStringLiteral("555-0100");
    i.address1 = QStringLiteral("1 Elm St");
    i.address2 = QStringLiteral("Apt 2");
    i.city = QStringLiteral("Springfield");
    i.state = QStringLiteral("OR");
    i.zip = QStringLiteral("97477");
    i.otherInfo = QStringLiteral("Allergic to bees");
    // The contact helper lays out the fields by hand: state at 142, zip at 167, other at 197.
    const QByteArray expected = InfoBytes{5, "555-0100", "1 Elm St", "Apt 2", "Springfield", "OR",
        "97477", "Allergic to bees"}
                                    .bytes();
    ASSERT_EQ(expected.size(), 500);
    EXPECT_EQ(
        std::tuple(expected.indexOf("OR"), expected.indexOf("97477"), expected.indexOf("Allergic")),
        std::tuple(142, 167, 197));
    EXPECT_EQ(i.encode(), expected);
    QByteArray all(500, '\0');
    for (int b = 0; b < 500; ++b)
        all[b] = static_cast<char>(b & 0xFF);
    EXPECT_EQ(PlayerInfoRecord::decode(all).encode(), all);
}
