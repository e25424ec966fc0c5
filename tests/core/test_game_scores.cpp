// The game scores report: the team order by the home mark, the result words, both forms printed
// and compared whole, the long form's page rule, the export, and the window's grids and buttons.
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

// A home win and an away loss (the team first, each side with its own score) in the long form,
// an away win and a tie in the short form.
TEST(GameScores, LongFormPrintoutComparedWhole)
{
    ScoresFixture f;
    GameRecord second = game(2, '2', 1, 3, "Dover United", '3');
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
                "   2.  09/22/02               Harbor FC                   1  Lost",
                "       Cup                    Dover United                3", "       Dover Park",
                "", "", "\f"}))));
}

TEST(GameScores, ShortFormPrintoutComparedWhole)
{
    ScoresFixture f;
    ASSERT_TRUE(f.report({game(1, '1', 2, 1, "Rovers"), game(12, '2', 10, 0, "Dover United", '3'),
                             game(13, '1', 2, 2, "Dover United", '3')})
                    .print(ScoresForm::Short, f.engine, printChoices("Game Scores", 60, 2)));
    const QStringList copy = Heading
        + texts({"   1. 09/15/02 League      Rovers                      2-1   WON",
            "  12. 09/15/02 Cup         Dover United               10-0   WON",
            "  13. 09/15/02 Cup         Dover United                2-2   Tie", "\f"});
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

// The long form's row, and the short form that keeps the short line's columns; the goals stay the
// numbers a page right-aligns.
TEST(GameScores, ExportHoldsOneRowPerGameInEitherForm)
{
    ScoresFixture f;
    GameRecord away = game(3, '2', 4, 1, "Dover, United", '3');
    away.gameLocation = QStringLiteral("Oak Park");
    const GameScoresReport report = f.report({away});
    const ExportTable longForm = report.exportTable(QStringLiteral("Game Scores"));
    EXPECT_EQ(longForm.team, QStringLiteral("Harbor FC"));
    EXPECT_EQ(longForm.rows[0].cells,
        texts({"3", "09/15/02", "Cup", "Dover, United", "Away", "4", "1", "Won", "Oak Park",
            "Rain"}));
    const ExportTable shortForm
        = report.exportTable(QStringLiteral("Game Scores"), ScoresForm::Short);
    EXPECT_EQ(
        shortForm.headings, texts({"Game", "Date", "Game Type", "Opponent", "GF", "GA", "Result"}));
    EXPECT_EQ(
        shortForm.rows[0].cells, texts({"3", "09/15/02", "Cup", "Dover, United", "4", "1", "Won"}));
    EXPECT_EQ(shortForm.numericColumns, (QList<int>{0, 4, 5}));
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
