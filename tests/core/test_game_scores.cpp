// The game scores report: the team order by the home mark, the result words, both forms
// printed and compared whole, the grid, the buttons and the long form's page rule.
#include "TeamReportSupport.h"

#include "core/reports/GameScoresReport.h"

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
    second.GameDate = QStringLiteral("092202");
    second.GameLocation = QStringLiteral("Dover Park");
    second.GameComment.clear();
    ASSERT_TRUE(f.report({game(1, '1', 2, 1, "Rovers"), second})
                    .print(ScoresForm::Long, f.engine, pageChoices("Game Scores")));
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
                    .print(ScoresForm::Short, f.engine, pageChoices("Game Scores", 60, 2)));
    const QStringList copy = Heading
        + texts({"   1. 09/15/02 League      Rovers                      2-1   WON",
            "  12. 09/15/02 Cup         Dover United               10-0   WON", "\f"});
    EXPECT_TRUE(samePrintout(f.printed(), fileOf(copy + copy)));
}

TEST(GameScores, LongFormGameIsNeverSplitAcrossPages)
{
    // The heading takes 5 lines. With 26 lines a page holds 4 games (25 lines): after the
    // fourth, 25 lines exceed 26 - 6. With 25 lines, 20 already exceed 19 after the third.
    for (const auto& [linesPerPage, gamesPerPage] : {std::pair{26, 4}, std::pair{25, 3}}) {
        ScoresFixture f;
        std::vector<GameRecord> games;
        for (int g = 1; g <= 9; ++g)
            games.push_back(game(g, '2', g, 0, "Rovers"));
        ASSERT_TRUE(f.report(games).print(
            ScoresForm::Long, f.engine, pageChoices("Game Scores", linesPerPage)));
        const QList<QByteArray> pages = f.printed().split('\f');
        ASSERT_EQ(pages.size(), (9 + gamesPerPage - 1) / gamesPerPage + 1) << linesPerPage;
        for (qsizetype p = 0; p + 1 < pages.size(); ++p) {
            const QByteArray page = p == 0 ? pages[p] : pages[p].mid(2); // the form feed's CR LF
            const qsizetype games_on_page = std::min<qsizetype>(gamesPerPage, 9 - p * gamesPerPage);
            EXPECT_EQ(page.count("\r\n"), 5 + 5 * games_on_page) << "page " << p + 1;
            EXPECT_TRUE(page.startsWith("\r\nGame Scores\r\n\r\nHarbor FC\r\n\r\n"));
        }
    }
}

TEST(GameScores, ShortFormStartsANewPageWhenOneIsFull)
{
    ScoresFixture f;
    std::vector<GameRecord> games;
    for (int g = 1; g <= 40; ++g)
        games.push_back(game(g, '2', 1, 0, "Rovers"));
    ASSERT_TRUE(f.report(games).print(ScoresForm::Short, f.engine, pageChoices("Game Scores", 21)));
    const QList<QByteArray> pages = f.printed().split('\f');
    ASSERT_EQ(pages.size(), 4); // 16 + 16 + 8 games, then the closing form feed
    EXPECT_EQ(pages[0].count("\r\n"), 21);
    EXPECT_EQ(pages[2].count("\r\n"), 1 + 5 + 8);
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
    longComment.GameComment = QStringLiteral("Played in the snow, second half shortened");
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
    EXPECT_EQ(wide.rows[4][5], longComment.GameComment);

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
