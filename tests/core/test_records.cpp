// Record layouts checked against bytes built by hand, field by field.
#include "TestSupport.h"

#include "core/store/GameRecord.h"
#include "core/store/PlayerInfoRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/ReportFormatRecord.h"
#include "core/store/SettingsRecord.h"
#include "core/store/TeamRecord.h"

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

    QByteArray expected;
    expected += le16(258);
    expected += 'A';
    expected += "091502";
    expected += pad("North Field", 20);
    expected += QByteArray("An opponent whose name is far too long").left(25);
    expected += "  ";
    expected += le16(3) + le16(-2);
    expected += pad("Rain", 58);
    expected += "422";
    expected += QByteArray(29, ' ');
    ASSERT_EQ(expected.size(), 150);
    EXPECT_EQ(g.encode(), expected);
    EXPECT_EQ(static_cast<unsigned char>(expected[56]), 3u); // GoalsFor at offset 56
    EXPECT_EQ(GameRecord::decode(expected).encode(), expected);
    EXPECT_EQ(GameRecord::decode(expected).goalsAgainst, -2);
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
    // Value k sits at offset 8 + 2k: SF (k = 21) at 50.
    EXPECT_EQ(expected.mid(50, 2), le16(21 * 300));
    EXPECT_EQ(PlayerStatRecord::decode(expected).statValues[28], 28 * 300);
}

TEST(Records, ReportFormatColumnsStartAtOddOffset25)
{
    ReportFormatRecord f;
    f.formatKind = 'P';
    f.formatDeleted = '*';
    f.formatTitle = QStringLiteral("Goalkeepers");
    f.formatSortColumn = 28;
    f.formatSortOrder = 'A';
    f.formatColumns[0] = 1;
    f.formatColumns[70] = 37;

    QByteArray expected = QByteArray("P*") + pad("Goalkeepers", 20) + le16(28) + "A";
    ASSERT_EQ(expected.size(), 25);
    expected += le16(1);
    expected += QByteArray(69 * 2, '\0');
    expected += le16(37);
    ASSERT_EQ(expected.size(), 167);
    EXPECT_EQ(f.encode(), expected);
    EXPECT_EQ(ReportFormatRecord::decode(expected).formatColumns[70], 37);
}

TEST(Records, TeamNameAndInfoRecords)
{
    TeamRecord t{
        QStringLiteral("Riverside United"), QStringLiteral("Riverside United"), QByteArray(5, ' ')};
    EXPECT_EQ(
        t.encode(), pad("Riverside United", 25) + QByteArray("Riverside ") + QByteArray(5, ' '));

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
    QByteArray expected = le16(5) + pad("555-0100", 20) + pad("1 Elm St", 40) + pad("Apt 2", 40)
        + pad("Springfield", 20) + QByteArray(20, ' ') + pad("OR", 5) + QByteArray(20, ' ')
        + pad("97477", 10) + QByteArray(20, ' ') + pad("Allergic to bees", 70)
        + QByteArray(233, ' ');
    ASSERT_EQ(expected.size(), 500);
    EXPECT_EQ(i.encode(), expected);
    EXPECT_EQ(expected.indexOf("OR"), 142);
    EXPECT_EQ(expected.indexOf("97477"), 167);
    EXPECT_EQ(expected.indexOf("Allergic"), 197);
}

TEST(Records, SettingsRecordOffsets)
{
    QByteArray bytes(669, 'x');
    auto put = [&](int offset, const QByteArray& b) { bytes.replace(offset, b.size(), b); };
    put(0, le16(123));
    put(2, pad("/reports/", 145));
    put(147, pad("  /data  ", 145));
    for (int t = 0; t < 7; ++t)
        put(292 + 10 * t, pad(QByteArray("Type").append(char('1' + t)).constData(), 10));
    put(362, "AAABBBCCCDDDEEE");
    for (int c = 0; c < 50; ++c)
        put(446 + 2 * c, le16(c + 1));
    put(566, le16(7));
    put(568, "A");
    put(569, le16(60) + le16(14) + le16(-1) + le16(10) + le16(0));
    put(579, le16(4242));
    put(581, "KEEPME!");

    SettingsRecord s = SettingsRecord::decode(bytes);
    EXPECT_EQ(s.settingsVersion, 123);
    EXPECT_EQ(s.dataPathText.trimmed(), QStringLiteral("/data"));
    EXPECT_EQ(s.gameTypeNames[7], QStringLiteral("Type7     "));
    EXPECT_EQ(s.userStatCodes[5], QStringLiteral("EEE"));
    EXPECT_EQ(s.reportColumns[50], 50);
    EXPECT_EQ(std::tuple(s.sortColumn, s.sortOrder, s.linesPerPage, s.titleFontSize, s.titleBold,
                  s.reportFontSize, s.reserved579),
        std::tuple(7, 'A', 60, 14, -1, 10, 4242));
    // Unchanged round trip keeps every byte, reserved ones included; what a save blanks is
    // checked with the settings file.
    EXPECT_EQ(s.encode(), bytes);
}

TEST(Records, EveryByteValueInTextFieldsRoundTrips)
{
    QByteArray bytes(150, '\0');
    for (int i = 0; i < 150; ++i)
        bytes[i] = static_cast<char>((i * 97 + 13) & 0xFF);
    EXPECT_EQ(GameRecord::decode(bytes).encode(), bytes);
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    QByteArray info = all + all.left(244);
    EXPECT_EQ(PlayerInfoRecord::decode(info).encode(), info);
}

TEST(Records, FieldListsNameTheOffsetsOfTheLayout)
{
    EXPECT_EQ(offsetOf(&PlayerStatRecord::statStatus), 5);
    EXPECT_EQ(offsetOf(&PlayerStatRecord::statSpecialSelect), 7);
    EXPECT_EQ(offsetOf(&PlayerStatRecord::statValues), 8);
    EXPECT_EQ(offsetOf(&GameRecord::goalsFor), 56);
    EXPECT_EQ(offsetOf(&GameRecord::gameType), 118);
    EXPECT_EQ(offsetOf(&ReportFormatRecord::formatColumns), 25);
    EXPECT_EQ(offsetOf(&SettingsRecord::reportColumns), 446);
    EXPECT_EQ(offsetOf(&SettingsRecord::linesPerPage), 569);
    EXPECT_EQ(offsetOf(&SettingsRecord::reserved581), 581);
    EXPECT_EQ(offsetOf(&PlayerInfoRecord::otherInfo), 197);
}
