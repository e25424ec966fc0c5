// The game scores report: the team order by the home mark, the result words, both forms
// printed and compared whole, the grid, the buttons and the long form's page rule.
#include "TeamReportSupport.h"

#include "core/reports/GameScoresReport.h"

#include <map>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

GameRecord game(
    int number, char home, int goalsFor, int goalsAgainst, const char* opponent, char type = '1')
{
    return GameRecord::decode(GameBytes{.number = number,
        .location = "North Field",
        .opponent = opponent,
        .goalsFor = goalsFor,
        .goalsAgainst = goalsAgainst,
        .comment = "Rain",
        .type = type,
        .home = home}
                                  .bytes());
}

struct ScoresFixture : TeamReportFolder
{
    QString harbor = fitWidth(QStringLiteral("Harbor FC"), 25);

    GameScoresReport report(std::vector<GameRecord> games) const
    {
        return GameScoresReport(std::move(games), harbor, typeNames);
    }
};

const QStringList Heading = texts({"", "Game Scores", "", "Harbor FC", ""});

} // namespace

TEST(GameScores, HomeGameListsTheOpponentFirst)
{
    ScoresFixture f;
    const QStringList home = f.report({game(1, '1', 2, 1, "Rovers")}).lines(ScoresForm::Long);
    EXPECT_EQ(home[0],
        QStringLiteral("   1.  09/15/02               Rovers                      1  WON"));
    EXPECT_EQ(
        home[1], QStringLiteral("       League                 Harbor FC                   2"));
    const QStringList away = f.report({game(1, '2', 2, 1, "Rovers")}).lines(ScoresForm::Long);
    EXPECT_EQ(away[0],
        QStringLiteral("   1.  09/15/02               Harbor FC                   2  WON"));
    EXPECT_EQ(
        away[1], QStringLiteral("       League                 Rovers                      1"));

    const GameScoresReport tie = f.report({game(7, '1', 0, 0, "Rovers")});
    EXPECT_TRUE(tie.lines(ScoresForm::Long)[0].endsWith(QStringLiteral("  0  Tie")));
    EXPECT_TRUE(tie.lines(ScoresForm::Short)[0].endsWith(QStringLiteral("0-0   Tie")));
    EXPECT_TRUE(f.report({game(2, '2', 1, 3, "Rovers")})
                    .lines(ScoresForm::Short)[0]
                    .endsWith(QStringLiteral("1-3   Lost")));
}

TEST(GameScores, LongFormPrintoutComparedWhole)
{
    ScoresFixture f;
    GameRecord second = game(2, '2', 0, 0, "Dover United", '3');
    second.gameDate = QStringLiteral("092202");
    second.gameLocation = QStringLiteral("Dover Park");
    second.gameComment.clear();
    ASSERT_TRUE(f.report({game(1, '1', 2, 1, "Rovers"), second})
                    .print(ScoresForm::Long, f.engine, printChoices("Game Scores")));
    EXPECT_TRUE(samePrintout(f.printed(),
        fileOf(Heading
            + texts({"   1.  09/15/02               Rovers                      1  WON",
                "       League                 Harbor FC                   2", "       North Field",
                "       Rain", "",
                "   2.  09/22/02               Harbor FC                   0  Tie",
                "       Cup                    Dover United                0", "       Dover Park",
                "", "", "\f"}))));
}

TEST(GameScores, ShortFormPrintoutComparedWhole)
{
    ScoresFixture f;
    ASSERT_TRUE(f.report({game(1, '1', 2, 1, "Rovers"), game(12, '2', 10, 0, "Dover United", '3')})
                    .print(ScoresForm::Short, f.engine, printChoices("Game Scores", 60, 2)));
    const QStringList copy = Heading
        + texts({"   1. 09/15/02 League      Rovers                      2-1   WON",
            "  12. 09/15/02 Cup         Dover United               10-0   WON", "\f"});
    EXPECT_TRUE(samePrintout(f.printed(), fileOf(copy + copy)));
}

TEST(GameScores, LongFormGameIsNeverSplitAcrossPages)
{
    // The heading takes 5 lines; from page 2 on the form feed's line is line 1. With 26 lines,
    // page 1 holds 4 games (25 lines exceed 26 - 6 only after the fourth), later pages 3
    // (1 + 5 + 15 = 21 lines). With 25 lines every page holds 3.
    const std::map<int, QList<int>> gamesOnPages = {{26, {4, 3, 2}}, {25, {3, 3, 3}}};
    for (const auto& [linesPerPage, expected] : gamesOnPages) {
        ScoresFixture f;
        std::vector<GameRecord> games;
        for (int g = 1; g <= 9; ++g)
            games.push_back(game(g, '2', g, 0, "Rovers"));
        ASSERT_TRUE(f.report(games).print(
            ScoresForm::Long, f.engine, printChoices("Game Scores", linesPerPage)));
        const QList<QByteArray> pages = f.printed().split('\f');
        ASSERT_EQ(pages.size(), expected.size() + 1) << linesPerPage;
        for (qsizetype p = 0; p < expected.size(); ++p) {
            const QByteArray feedLine = p == 0 ? "" : "\r\n";
            EXPECT_EQ(pages[p].count("\r\n"), feedLine.size() / 2 + 5 + 5 * expected[p])
                << linesPerPage << " page " << p + 1;
            EXPECT_TRUE(pages[p].startsWith(feedLine + "\r\nGame Scores\r\n\r\nHarbor FC\r\n\r\n"));
            // A page's body is whole five-line blocks, the last one closed by its blank line.
            EXPECT_TRUE(pages[p].endsWith("\r\n\r\n")) << "page " << p + 1;
        }
    }
}

TEST(GameScores, ShortFormStartsANewPageWhenOneIsFull)
{
    ScoresFixture f;
    std::vector<GameRecord> games;
    for (int g = 1; g <= 40; ++g)
        games.push_back(game(g, '2', 1, 0, "Rovers"));
    ASSERT_TRUE(
        f.report(games).print(ScoresForm::Short, f.engine, printChoices("Game Scores", 21)));
    const QList<QByteArray> pages = f.printed().split('\f');
    ASSERT_EQ(pages.size(), 4); // 16 + 15 + 9 games, then the closing form feed
    EXPECT_EQ(pages[0].count("\r\n"), 21);
    EXPECT_EQ(pages[1].count("\r\n"), 21); // the form feed's line, the heading, 15 games
    EXPECT_EQ(pages[2].count("\r\n"), 1 + 5 + 9);
}

TEST(GameScores, MoreThanAHundredLinesAreKept)
{
    ScoresFixture f;
    std::vector<GameRecord> games;
    for (int g = 1; g <= 25; ++g)
        games.push_back(game(g, '1', 1, 0, "Rovers"));
    const QStringList lines = f.report(games).lines(ScoresForm::Long);
    ASSERT_EQ(lines.size(), 125);
    EXPECT_TRUE(lines[120].startsWith(QStringLiteral("  25.  ")));
    EXPECT_EQ(lines[124], QStringLiteral(" "));
}

TEST(GameScores, GridsAndButtons)
{
    ScoresFixture f;
    GameRecord longComment = game(3, '2', 1, 1, "Rovers");
    longComment.gameComment = QStringLiteral("Played in the snow, second half shortened");
    const GameScoresReport report = f.report({game(1, '1', 2, 1, "Rovers"), longComment});

    const ReportGrid wide = report.grid(ScoresForm::Long);
    ASSERT_EQ(wide.columns.size(), 6U);
    EXPECT_FALSE(wide.hasHeadings());
    EXPECT_TRUE(wide.columns[5].fitsContent);
    ASSERT_EQ(wide.rows.size(), 8U);
    EXPECT_EQ(wide.rows[0], texts({"1.   ", "09/15/02", "Rovers", "1", "Won", "Rain"}));
    EXPECT_EQ(wide.rows[1], texts({"", "League", "Harbor FC", "2", "", ""}));
    EXPECT_EQ(wide.rows[2], texts({"", "North Field", "", "", "", ""}));
    EXPECT_EQ(wide.rows[3], QStringList(6, QString()));
    EXPECT_EQ(wide.rows[4][4], QStringLiteral("Tie"));
    EXPECT_EQ(wide.rows[4][5], longComment.gameComment);

    const ReportGrid narrow = report.grid(ScoresForm::Short);
    ASSERT_EQ(narrow.rows.size(), 2U);
    EXPECT_EQ(
        narrow.rows[0], texts({"1.    ", "09/15/02", "League", "Rovers", "2", "-", "1", "Won"}));

    const ReportButtons longShown = report.buttons(ScoresForm::Long, true);
    EXPECT_TRUE(longShown.print && longShown.shortForm && !longShown.longForm && longShown.compute);
    const ReportButtons shortShown = report.buttons(ScoresForm::Short, false);
    EXPECT_TRUE(shortShown.longForm && !shortShown.shortForm);

    const GameScoresReport none({}, f.harbor, f.typeNames);
    const ReportButtons opening = none.buttons(ScoresForm::Long, true);
    EXPECT_FALSE(opening.print || opening.longForm || opening.shortForm || opening.compute);
    EXPECT_TRUE(none.buttons(ScoresForm::Long, false).compute);
    EXPECT_TRUE(none.grid(ScoresForm::Long).rows.empty());
}

TEST(GameScores, ExportHoldsOneRowPerGame)
{
    ScoresFixture f;
    const ExportTable table
        = f.report({game(1, '1', 2, 1, "Rovers"), game(2, '2', 0, 3, "Dover United", '3')})
              .exportTable(QStringLiteral("Game Scores"));
    EXPECT_EQ(table.team, QStringLiteral("Harbor FC"));
    ASSERT_EQ(table.rows.size(), 2);
    EXPECT_EQ(table.rows[0].cells,
        texts(
            {"1", "09/15/02", "League", "Rovers", "Home", "2", "1", "Won", "North Field", "Rain"}));
    EXPECT_EQ(table.rows[1].cells[4], QStringLiteral("Away"));
    EXPECT_EQ(table.rows[1].cells[7], QStringLiteral("Lost"));
}
