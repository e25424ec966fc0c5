// Game information as typed: the date rules, the record a save writes, the import seen from the
// other side, and the user's own names.
#include "GameBytes.h"

#include "core/games/GameEntry.h"
#include "core/games/OwnNames.h"
#include "core/text/Blanks.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace scorvane;
using namespace scorvane::testing;

// Which days exist is the date routine's (its own tests); here that the check consults it, that a
// short entry is refused, and that an empty box means no date.
TEST(GameDate, ShortOrImpossibleIsInvalidEmptyIsNoDate)
{
    for (const char* bad : {"023003", "12345", "1", "0229 1"})
        EXPECT_FALSE(checkGameDate(QString::fromLatin1(bad)).valid) << bad;
    EXPECT_EQ(checkGameDate(QStringLiteral("022900")).words, QStringLiteral("Feb  29,  2000"));
    const auto none = checkGameDate(QString());
    EXPECT_TRUE(none.valid);
    EXPECT_EQ(none.stored, QStringLiteral("000000"));
    EXPECT_TRUE(none.words.isEmpty());
}

TEST(GameFields, SavedRecordMatchesTheFileLayout)
{
    GameFields f;
    f.location = QStringLiteral("Memorial Park North Field"); // 25: cut to 20
    f.opponent = QStringLiteral("  Rovers ");
    f.goalsFor = QStringLiteral("12");
    f.goalsAgainst = QString();
    f.comment = QStringLiteral("rain");
    f.typeLine = 2;
    f.homeTeam = false;
    f.specialSelect = true;

    const GameBytes expected{.number = 6,
        .date = "000000",
        .location = "Memorial Park North ",
        .goalsFor = 12,
        .comment = "rain",
        .type = '3',
        .home = '2',
        .special = '2'};
    EXPECT_EQ(recordOfFields(f, 6).encode(), expected.bytes());

    // Loading the record back gives the fields without their padding.
    const GameFields back = fieldsOfGame(GameRecord::decode(expected.bytes()));
    EXPECT_EQ(std::tuple(back.location.toStdString(), back.goalsAgainst.toStdString(),
                  back.typeLine, back.homeTeam, back.specialSelect),
        std::tuple("Memorial Park North", "0", 2, false, true));
}

TEST(GameImport, HomeWinOfTheOpponentIsAnAwayLossHere)
{
    GameBytes theirs{.date = "101505",
        .location = "Their Field",
        .goalsFor = 3,
        .goalsAgainst = 1,
        .comment = "windy",
        .type = '5',
        .home = '1'};
    const GameRecord record = GameRecord::decode(theirs.bytes());

    GameFields ours;
    ours.opponent = QStringLiteral("Hawks");
    ours.comment = QStringLiteral("keep me");
    ours.specialSelect = true;

    const GameFields imported = importedFields(ours, record, false);
    EXPECT_EQ((QStringList{imported.date, imported.location, imported.goalsFor,
                  imported.goalsAgainst, imported.comment, imported.opponent}),
        texts({"101505", "Their Field", "1", "3", "keep me", "Hawks"}));
    EXPECT_EQ(std::tuple(imported.homeTeam, imported.typeLine, imported.specialSelect),
        std::tuple(false, 4, true));

    theirs.home = '2';
    const GameFields withComment = importedFields(ours, GameRecord::decode(theirs.bytes()), true);
    EXPECT_TRUE(withComment.homeTeam);
    EXPECT_EQ(withComment.comment, QStringLiteral("windy"));
}

TEST(OwnNames, EmptyNamesTakeDefaultsAndReportCategoriesFollow)
{
    TempState t;
    OwnNames names = currentOwnNames(t.state);
    names.gameTypes = {QStringLiteral("  League "), QStringLiteral("Cup"), QString(),
        QStringLiteral("Friendly"), QStringLiteral(" "), QStringLiteral("Tourney"),
        QStringLiteral("Indoor")};
    names.statCodes = {QStringLiteral("TKL"), QString(), QStringLiteral("x"), QStringLiteral("  "),
        QStringLiteral("OFS")};
    applyOwnNames(t.state, names);

    const ProgramSettings& s = t.state.settings;
    EXPECT_EQ((QStringList{s.gameTypeNames[1], s.gameTypeNames[3], s.gameTypeNames[5],
                  s.userStatCodes[2], s.userStatCodes[3], s.userStatCodes[4], s.categoryCodes[33],
                  s.categoryCodes[34], s.categoryCodes[37]}),
        texts(
            {"League    ", "GameType3 ", "GameType5 ", "KV2", "x  ", "KV4", "TKL", "KV2", "OFS"}));

    EXPECT_EQ(currentOwnNames(t.state).gameTypes[2], QStringLiteral("GameType3"));
}
