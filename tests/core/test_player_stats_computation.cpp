// The player statistics computation over hand-made statistics records: which records count,
// what each row and the totals row hold, the value of every report category, and how a team's
// files are found and read.
#include "GameBytes.h"

#include "core/reports/CategoryValues.h"
#include "core/reports/PlayerStatsComputation.h"

#include <QDir>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

constexpr int GS = 2;
constexpr int SOG = 3;

struct StatsFolder
{
    QTemporaryDir dir;
    QString path = dir.path() + u'/';
    PlayerStatsInput input;

    StatsFolder()
    {
        input.dataFolder = path;
        input.teams = {1};
    }

    void results(int slot, const QByteArray& bytes) const
    {
        writeWholeFile(path + QStringLiteral("KVPS%1.DAT").arg(slot), bytes);
    }
    void roster(int slot, const QByteArray& bytes) const
    {
        writeWholeFile(path + QStringLiteral("KVPN%1.DAT").arg(slot), bytes);
    }
    PlayerStatsTable compute() const
    {
        PlayerStatsResult result = computePlayerStats(input);
        EXPECT_FALSE(result.error) << result.error->systemText.toStdString();
        return result.table;
    }
};

// A row's name, team, games and goals scored.
std::tuple<std::string, int, int, int> summary(const PlayerStatsRow& row)
{
    return {row.name.toStdString(), static_cast<int>(row.team), row.games, row.totals[GS]};
}

} // namespace

TEST(PlayerStatsComputation, StopsAtTheFirstRecordBeyondTheToGame)
{
    StatsFolder f;
    QByteArray bytes;
    for (int game = 1; game <= 10; ++game)
        bytes += resultBytes(game, 4, {{GS, 1}});
    bytes += resultBytes(3, 4, {{GS, 50}}); // out of order, after game 10: never read
    f.results(1, bytes);
    f.input.selection.fromGame = 2;
    f.input.selection.toGame = 5;
    const PlayerStatsTable t = f.compute();
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(
        std::tuple(t.row(2).games, t.row(2).totals[GS], t.totals().games, t.totals().totals[GS]),
        std::tuple(4, 4, 4, 4));
}

TEST(PlayerStatsComputation, OnlyActiveSelectedTypesAndMarkedGamesCount)
{
    StatsFolder f;
    f.results(1,
        resultBytes(1, 4, {{GS, 1}}) + resultBytes(2, 4, {{GS, 1}}, 'I')
            + resultBytes(3, 4, {{GS, 1}}, 'D') + resultBytes(4, 4, {{GS, 1}})
            + resultBytes(5, 4, {{GS, 1}}, 'A', '2') + resultBytes(6, 4, {{GS, 1}}, 'A', '9')
            + resultBytes(7, 4, {{GS, 1}}, 'A', ' ', '2'));
    PlayerStatsTable t = f.compute();
    EXPECT_EQ(t.row(2).games, 5); // "I" and "D" never count

    f.input.selection.typeCounted[1] = false; // type 2 unticked: "9" and blank still count
    f.input.selection.allTypesCounted = false;
    t = f.compute();
    EXPECT_EQ(t.row(2).games, 4);

    f.input.selection.onlySelectedGames = true;
    t = f.compute();
    EXPECT_EQ(t.row(2).games, 1);
    EXPECT_EQ(t.totals().games, 1);
}

TEST(PlayerStatsComputation, PlayerFiltersMatchNumberOrWholeName)
{
    StatsFolder f;
    f.results(1, resultBytes(1, 4, {}) + resultBytes(1, 9, {}) + resultBytes(2, 4, {}));
    RosterNameTable names = readRosterNames(f.path + QStringLiteral("none"));
    names[4] = QStringLiteral("Mia Soto         ");
    names[9] = QStringLiteral("Mia Sotomayor    ");
    f.input.currentTeamNames = names;

    f.input.selection.playerName = QStringLiteral("mia soto");
    PlayerStatsTable t = f.compute();
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(summary(t.row(2)), std::tuple("Mia Soto", 1, 2, 0));

    f.input.selection.playerName = QStringLiteral("mia sot"); // a beginning is not a match
    EXPECT_EQ(f.compute().rowCount(), 1);

    f.input.selection.playerName.clear();
    f.input.selection.playerNumber = 9;
    t = f.compute();
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.row(2).name, QStringLiteral("Mia Sotomayor"));
    EXPECT_EQ(t.maxNameLength, 13);
}

TEST(PlayerStatsComputation, IndividualModeGivesOneRowPerGame)
{
    StatsFolder f;
    f.results(1,
        resultBytes(1, 7, {{GS, 1}}, 'A', '3') + resultBytes(1, 8, {{GS, 5}})
            + resultBytes(2, 7, {{GS, 2}}, 'I') + resultBytes(3, 7, {{GS, 3}}, 'A', ' ')
            + resultBytes(4, 7, {{GS, 4}}, 'A', '9'));
    f.input.selection.individual = true;
    f.input.selection.individualPlayer = 7;
    const PlayerStatsTable t = f.compute();
    ASSERT_EQ(t.rowCount(), 4);
    // Game and type of each row; no roster gives the default name.
    EXPECT_EQ(std::tuple(t.row(2).game, t.row(2).gameType, t.row(3).game, t.row(3).gameType,
                  t.row(4).gameType),
        std::tuple(1, 3, 3, 0, 9));
    EXPECT_EQ(summary(t.row(4)), std::tuple("Player 7", 1, 1, 4));
    EXPECT_EQ(std::tuple(t.totals().games, t.totals().totals[GS]), std::tuple(3, 8));
}

TEST(PlayerStatsComputation, SeveralTeamsGiveRowsPerTeamAndGrowPastAHundred)
{
    StatsFolder f;
    f.input.teams = {2, 5};
    QByteArray team2;
    QByteArray team5;
    for (int player = 1; player <= 60; ++player) {
        team2 += resultBytes(1, player, {{GS, player}});
        team5 += resultBytes(2, player, {{GS, 1000 + player}});
    }
    team2 += resultBytes(2, 1, {{GS, 1}}); // game 2 of team 2, then game 2 of team 5
    f.results(2, team2);
    f.results(5, team5 + resultBytes(3, 60, {}));
    f.roster(5, nameBytes(60, "Last One"));
    const PlayerStatsTable t = f.compute();
    ASSERT_EQ(t.rowCount(), 121);
    EXPECT_EQ(summary(t.row(2)), std::tuple("Player 1", 2, 2, 2));
    EXPECT_EQ(summary(t.row(121)), std::tuple("Last One", 5, 2, 1060));
    // Changes of game number: 1, 2 (team 2), then team 5 starts at 2 (no change) and goes to 3.
    EXPECT_EQ(t.totals().games, 3);
    EXPECT_EQ(t.displayOrder.size(), 121U);
    EXPECT_EQ(t.rowAt(121), 121);
}

TEST(PlayerStatsComputation, TotalShotsAndPercentages)
{
    StatsFolder f;
    f.results(1,
        resultBytes(1, 1, {{GS, 2}, {SOG, 3}, {4, 1}, {5, 1}, {6, 8}, {20, 5}, {21, 6}})
            + resultBytes(1, 2, {{GS, 1}}));
    const PlayerStatsTable t = f.compute();
    const PlayerStatsRow& first = t.row(2);
    EXPECT_EQ(first.totalShots, 4);
    // QS%, TS%, PK% and Sv% of the first player, QS% without shots on goal, and the totals row
    // dividing its own sums (3 goals of 3 shots on goal).
    const auto shown = [](const PlayerStatsRow& row, int code) {
        return percentageText(percentageValue(row, code));
    };
    EXPECT_EQ((QStringList{shown(first, 8), shown(first, 9), shown(first, 12), shown(first, 29),
                  shown(t.row(3), 8), shown(t.totals(), 8)}),
        texts({"66.7", "50.0", "12.5", "83.3", "0.0", "100.0"}));
    EXPECT_EQ(percentageValue(first, 8), static_cast<float>(200.0 / 3.0));
    // The shown half rounds up; 2.35 is 2.3499999 as a single.
    EXPECT_EQ((QStringList{percentageText(6.25F), percentageText(2.35F), percentageText(0.04F),
                  percentageText(1234.56F)}),
        texts({"6.3", "2.4", "0.0", "1234.6"}));
}

TEST(PlayerStatsComputation, EveryReportCategoryReadsItsOwnValue)
{
    PlayerStatsRow row;
    for (std::size_t k = 0; k < 29; ++k)
        row.totals[k] = static_cast<qint32>(100 + k);
    row.games = 7;
    row.totalShots = 55;
    row.percentages = {1.0F, 2.0F, 3.0F, 4.0F, 5.0F, 6.0F};
    // Code -> statistic index k, or the derived value (G 7, TS 55), as the report table lists.
    const std::map<int, qint64> integers
        = {{1, 7}, {2, 100}, {3, 101}, {4, 103}, {5, 104}, {6, 55}, {7, 102}, {10, 105}, {11, 106},
            {13, 107}, {14, 108}, {16, 109}, {17, 110}, {18, 111}, {19, 112}, {20, 113}, {21, 114},
            {22, 115}, {23, 116}, {24, 117}, {25, 118}, {26, 119}, {27, 121}, {28, 120}, {30, 122},
            {31, 123}, {33, 124}, {34, 125}, {35, 126}, {36, 127}, {37, 128}};
    const std::map<int, float> percentages
        = {{8, 1.0F}, {9, 2.0F}, {12, 3.0F}, {15, 4.0F}, {29, 5.0F}, {32, 6.0F}};
    UserStatCodeTable codes;
    codes.fill(QStringLiteral("XY "));
    for (int code = 1; code <= 37; ++code) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(isShownCategory(code));
        const CategoryForm form = categoryForm(code, codes);
        EXPECT_EQ(form.heading.size(), form.width);
        if (percentages.count(code) != 0) {
            EXPECT_TRUE(form.percentage);
            EXPECT_EQ(form.width, 6);
            EXPECT_EQ(percentageValue(row, code), percentages.at(code));
        } else {
            EXPECT_EQ(integerValue(row, code), integers.at(code));
        }
    }
    EXPECT_EQ(categoryForm(33, codes).heading, QStringLiteral("  XY"));
    for (int code = 38; code <= 50; ++code) {
        EXPECT_FALSE(isShownCategory(code));
        EXPECT_EQ(categoryForm(code, codes).width, 0);
        EXPECT_EQ(sortValue(row, code), 0.0F);
    }
}

// A name in another letter case (a folder copied from a case-insensitive system) is found; a
// team without files has no rows; a file that cannot be read is an error.
TEST(PlayerStatsComputation, FindsFilesInAnyLetterCaseAndReportsUnreadableOnes)
{
    StatsFolder f;
    writeWholeFile(f.path + QStringLiteral("kvps1.dat"), statBytes(1, 7) + statBytes(2, 7));
    writeWholeFile(f.path + QStringLiteral("Kvpn1.Dat"), nameBytes(7, "Sam"));
    QDir(f.path).mkdir(QStringLiteral("KVPS3.DAT")); // opens, but cannot be read as a file
    f.input.teams = {1, 2};
    const PlayerStatsTable found = f.compute();
    ASSERT_EQ(found.rowCount(), 2);
    EXPECT_EQ(summary(found.row(2)), std::tuple("Sam", 1, 2, 14));

    f.input.teams = {1, 3};
    const PlayerStatsResult broken = computePlayerStats(f.input);
    ASSERT_TRUE(broken.error);
    EXPECT_TRUE(broken.error->path.endsWith(QStringLiteral("KVPS3.DAT")));
}
