// Shared formatting routines, the 8-bit text table and the statistic categories.
#include "GameBytes.h"

#include "core/entry/Categories.h"
#include "core/games/GameLine.h"
#include "core/store/GameRecord.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"
#include "core/text/TextCodec.h"

#include <QSet>

#include <tuple>
#include <utility>

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

TEST(TextCodec, EveryByteDecodesToADistinctCharacterAndBack)
{
    QSet<char16_t> seen;
    for (int b = 0; b < 256; ++b) {
        const QChar ch = TextCodec::decodeByte(static_cast<unsigned char>(b));
        seen.insert(ch.unicode());
        EXPECT_EQ(static_cast<unsigned char>(TextCodec::encodeChar(ch)), b) << "byte " << b;
    }
    EXPECT_EQ(seen.size(), 256);
    EXPECT_EQ(TextCodec::decodeByte(0x80), QChar(0x20AC)); // euro sign
    EXPECT_EQ(TextCodec::decodeByte(0x81), QChar(0x0081)); // undefined in Windows-1252, kept
    EXPECT_EQ(TextCodec::decodeByte(0xE9), QChar(0x00E9));
    EXPECT_EQ(TextCodec::encode(QStringLiteral("Żółw €")), QByteArray("?\xF3?w \x80"));

    // Control bytes read as visible pictures, so a stray line feed cannot split a list line;
    // typed or pasted control characters still write as their bytes.
    EXPECT_EQ(TextCodec::decode(QByteArray("A\r\nB\0\x7F", 6)),
        QString::fromUtf16(u"A\u240D\u240AB\u2400\u2421"));
    EXPECT_EQ(TextCodec::encode(QStringLiteral("a\tb\n")), QByteArray("a\tb\n"));
}

TEST(TextCodec, StorableOnlyDropsWhatWouldComeBackAsQuestionMarks)
{
    // Letters of the table stay (also the euro sign and a typed "?"), letters outside it and
    // both halves of a character beyond 16 bits go.
    EXPECT_EQ(TextCodec::storableOnly(QString::fromUtf16(u"Łódź? €5 Zoë")),
        QString::fromUtf16(u"ód? €5 Zoë"));
    EXPECT_EQ(TextCodec::storableOnly(QString::fromUtf16(u"a😀b")), QStringLiteral("ab"));
    EXPECT_TRUE(TextCodec::canStore(QChar(0x2400))); // the picture of byte 0 writes back as 0
    EXPECT_FALSE(TextCodec::canStore(QChar(0x0141)));
}

TEST(Dates, SlashesAndWords)
{
    EXPECT_EQ(dateWithSlashes(QStringLiteral("091502")), QStringLiteral("09/15/02"));
    const char* const dates[][2] = {{"011505", "Jan  15,  2005"}, {"023099", "ERROR"},
        {"133099", "ERROR"}, {"000000", "ERROR"}, {"043101", "ERROR"}, {"022900", "Feb  29,  2000"},
        {"022901", "Feb  29,  2001"}, {"010130", "Jan  1,  1930"}, {"010129", "Jan  1,  2029"},
        {"12", "ERROR"}};
    for (const auto& [date, words] : dates)
        EXPECT_EQ(dateInWords(QString::fromLatin1(date)), QString::fromLatin1(words)) << date;
}

TEST(gameLine, LaysOutEveryPiece)
{
    GameTypeNameTable names;
    names[1] = QStringLiteral("League    ");
    names[2] = QStringLiteral("Cup       ");
    GameRecord g = GameRecord::decode(
        GameBytes{.number = 3, .opponent = "Hilltop", .goalsFor = 3, .goalsAgainst = 1, .type = '2'}
            .bytes());
    EXPECT_EQ(gameLine(g, names),
        QStringLiteral("3   09/15/02  Cup         Hilltop                     3-1   WON "));
    g.goalsFor = 12;
    g.goalsAgainst = 12;
    EXPECT_TRUE(gameLine(g, names).endsWith(QStringLiteral("  12-12  tie ")));
    g.goalsFor = 0;
    g.gameType = '9'; // a type byte outside 1-7 names nothing
    EXPECT_TRUE(gameLine(g, names).endsWith(QStringLiteral("   0-12  lost")));
    EXPECT_EQ(gameLine(g, names).mid(14, 10), QString(10, QChar(u' ')));
}

TEST(Categories, EntryAndReportOrdersDiffer)
{
    UserStatCodeTable codes;
    codes.fill(QStringLiteral("   "));
    CategoryCodeTable table;
    fillCategoryCodes(table, codes);
    EXPECT_EQ((QStringList{table[1], table[7], table[27], table[28], table[33], table[50]}),
        (QStringList{QStringLiteral("G  "), QStringLiteral("GS "), QStringLiteral("SF "),
            QStringLiteral("Sv "), QStringLiteral("   "), QStringLiteral("   ")}));
    EXPECT_EQ(statisticCode(20, codes) + statisticCode(21, codes), QStringLiteral("SvSF"));
    EXPECT_EQ(std::tuple(reportCategoryAt(27).enteredIndex, reportCategoryAt(28).enteredIndex,
                  reportCategoryOfStatistic(StatGS)),
        std::tuple(StatSF, StatSv, 7));

    codes[2] = QStringLiteral("Hdr");
    fillCategoryCodes(table, codes);
    EXPECT_EQ(table[34] + statisticCode(25, codes), QStringLiteral("HdrHdr"));
}

// Each rule's failure focuses the box of the figure that is too big; with every rule broken, each
// one put right shows the next, in order. Equal values pass.
TEST(checkFigures, RulesInOrderFirstFailureOnly)
{
    const std::pair<int, int> rules[]
        = {{StatPKG, StatPKA}, {StatCKG, StatCKA}, {StatSv, StatSF}, {StatPKB, StatPKF}};
    std::array<qint32, 24> v{};
    for (const auto& [over, under] : rules) {
        v[static_cast<std::size_t>(over)] = 2;
        v[static_cast<std::size_t>(under)] = 1;
    }
    for (const auto& [over, under] : rules) {
        const auto failure = checkFigures(v);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->focusIndex, over);
        v[static_cast<std::size_t>(under)] = 2;
    }
    EXPECT_FALSE(checkFigures(v).has_value());
    v[StatPKB] = 3;
    EXPECT_EQ(checkFigures(v)->message,
        QStringLiteral("Penalty Kicks Blocked (PKB) > Penalty Kicks Faced (PKF)"));
}
