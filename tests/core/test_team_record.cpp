// The team record and the game walk every team report shares: which games count, the sums by
// game type, Pct, the Ties column, the printout compared whole, and the window's grid and
// buttons.
#include "TeamReportSupport.h"

#include "core/reports/GameFileReader.h"
#include "core/reports/TeamRecordReport.h"
#include "core/reports/TeamReportText.h"

#include <QDir>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

GameResult result(char type, int goalsFor, int goalsAgainst)
{
    return GameResult{1, type, static_cast<qint16>(goalsFor), static_cast<qint16>(goalsAgainst)};
}

} // namespace

// .500, 1.000, .000, .625, .833, .667, 1.0 and .5 appear in the printouts of the team
// reports; the rounding of a half and a two-digit games-behind only here.
TEST(TeamReportText, PercentagesAndGamesBehind)
{
    EXPECT_EQ(winningPctText(0.0625F), QStringLiteral(".063")); // half away from zero
    EXPECT_EQ(gamesBehindText(25), QStringLiteral("12.5"));
}

TEST(GameFileReader, WalkStartsAtTheFromGameAndStopsBeyondTheToGame)
{
    TeamReportFolder f;
    // Record 2 is a deleted game (numbered like the record before it); game 5 is marked.
    f.writeGames(1,
        join({GameBytes{.number = 1, .goalsFor = 1}.bytes(),
            GameBytes{.number = 1, .status = 'D', .goalsFor = 9}.bytes(),
            GameBytes{.number = 2, .goalsFor = 2, .type = '2'}.bytes(),
            GameBytes{.number = 3, .goalsFor = 3}.bytes(),
            GameBytes{.number = 4, .goalsFor = 4, .type = '3'}.bytes(),
            GameBytes{.number = 5, .goalsFor = 5, .special = '2'}.bytes()})
            + QByteArray(100, 'x')); // a partial record at the end is no game
    GameFileReader reader(f.state.settings.dataFolder);
    auto goals = [&](const ReportSelection& selection) {
        QList<int> all;
        const CountedResults counted = reader.results(1, selection);
        EXPECT_FALSE(counted.fault);
        for (const GameResult& game : counted.games)
            all << game.goalsFor;
        return all;
    };
    ReportSelection selection;
    EXPECT_EQ(goals(selection), (QList<int>{1, 2, 3, 4, 5}));
    selection.fromGame = 2;
    selection.toGame = 4;
    EXPECT_EQ(goals(selection), (QList<int>{2, 3, 4}));
    selection.typeCounted[1] = false;
    selection.allTypesCounted = false;
    EXPECT_EQ(goals(selection), (QList<int>{3, 4}));
    selection = ReportSelection{};
    selection.onlySelectedGames = true;
    EXPECT_EQ(goals(selection), (QList<int>{5}));

    // No file is no games; the whole records come with their texts.
    EXPECT_TRUE(reader.results(2, selection).games.empty());
    // A file copied from a system that ignores letter case is found under its own name.
    writeWholeFile(f.state.settings.dataFolder + QStringLiteral("kvgs4.dat"),
        GameBytes{.goalsFor = 7}.bytes());
    ASSERT_EQ(reader.results(4, selection).games.size(), 0U); // not marked
    EXPECT_EQ(reader.results(4, ReportSelection{}).games.at(0).goalsFor, 7);
    const CountedGames whole = reader.games(1, ReportSelection{});
    ASSERT_EQ(whole.games.size(), 5U);
    EXPECT_EQ(whole.games[0].opponent, fitWidth(QStringLiteral("Rovers"), 25));

    // A game file that cannot be read is a fault naming it; the next file reads as before.
    const QString folder = f.state.settings.dataFolder + QStringLiteral("KVGS3.DAT");
    ASSERT_TRUE(QDir().mkpath(folder));
    const CountedResults unreadable = reader.results(3, ReportSelection{});
    ASSERT_TRUE(unreadable.fault);
    EXPECT_EQ(unreadable.fault->code, FileError::Other);
    EXPECT_EQ(unreadable.fault->path, folder);
    EXPECT_EQ(unreadable.fault->systemText, QStringLiteral("file to open is a directory"));
    EXPECT_EQ(goals(ReportSelection{}), (QList<int>{1, 2, 3, 4, 5}));
}

// A game with no type byte counts in the totals only.
TEST(TeamRecord, PrintoutWithTiesComparedWhole)
{
    TeamReportFolder f;
    const TeamRecordReport report({result('1', 3, 1), result('1', 0, 2), result('3', 1, 0),
        result('1', 1, 1), result('1', 2, 0), result(' ', 4, 4)});
    ASSERT_TRUE(report.print(f.engine, printChoices("Team Record"),
        fitWidth(QStringLiteral("Harbor FC"), 25), f.typeNames));
    EXPECT_TRUE(samePrintout(f.printed(),
        fileOf({"", "Team Record", "", "Harbor FC",
            "Game Type    Won    Lost    Ties     Pct      GF      GA",
            "--------------------------------------------------------",
            "League         2       1       1    .625       6       4",
            "Cup            1       0       0   1.000       1       0",
            "--------------------------------------------------------",
            "Totals         3       1       2    .667      11       8", "\f"})));
}

TEST(TeamRecord, PrintoutWithoutTiesHasShortDashesAndRepeatsPerCopy)
{
    TeamReportFolder f;
    const TeamRecordReport report({result('2', 2, 1), result('2', 0, 1)});
    ASSERT_TRUE(report.print(f.engine, printChoices("Record", 60, 2), f.teamNames[1], f.typeNames));
    const QStringList page
        = texts({"", "Record", "", "Team 1", "Game Type    Won    Lost     Pct      GF      GA",
            "------------------------------------------------",
            "Friendly       1       1    .500       2       2",
            "------------------------------------------------",
            "Totals         1       1    .500       2       2", "\f"});
    EXPECT_TRUE(samePrintout(f.printed(), fileOf(page + page)));
}

TEST(TeamRecord, ExportHoldsTheRowsWithRawValues)
{
    TeamReportFolder f;
    const TeamRecordReport report({result('1', 3, 1), result('1', 0, 2), result('1', 1, 1)});
    const ExportTable table = report.exportTable(
        QStringLiteral("Team Record"), fitWidth(QStringLiteral("Harbor FC"), 25), f.typeNames);
    EXPECT_EQ(table.team, QStringLiteral("Harbor FC"));
    EXPECT_EQ(table.headings, texts({"Game Type", "Won", "Lost", "Ties", "Pct", "GF", "GA"}));
    ASSERT_EQ(table.rows.size(), 2);
    EXPECT_EQ(table.rows[0].cells, texts({"League", "1", "1", "1", "0.500", "4", "4"}));
    EXPECT_EQ(table.rows[1].kind, ExportTable::RowKind::Totals);
    EXPECT_EQ(table.numericColumns, (QList<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(TeamRecordReport(std::vector<GameResult>{})
                    .exportTable(QString(), QString(), f.typeNames)
                    .rows.isEmpty());
}

TEST(TeamRecord, GridShowsTypesWithGamesAnEmptyRowAndTotals)
{
    TeamReportFolder f;
    const TeamRecordReport report({result('3', 1, 0), result('1', 2, 1), result('1', 0, 3)});
    const ReportGrid grid = report.grid(f.typeNames);
    QStringList headings;
    for (const GridColumn& column : grid.columns)
        headings << column.heading;
    EXPECT_EQ(headings, texts({"Game Type", "Won", "Lost", "Pct", "GF", "GA"}));
    EXPECT_TRUE(grid.columns[0].widest);
    ASSERT_EQ(grid.rows.size(), 4U);
    EXPECT_EQ(grid.rows[0], QStringList{f.typeNames[1]} + texts({"1", "1", ".500", "2", "4"}));
    EXPECT_EQ(grid.rows[1], QStringList{f.typeNames[3]} + texts({"1", "0", "1.000", "1", "0"}));
    EXPECT_EQ(grid.rows[2], QStringList(6, QString()));
    EXPECT_EQ(grid.rows[3], texts({"Totals", "2", "1", ".667", "3", "4"}));
    EXPECT_TRUE(report.buttons(true).print);

    // No games: the heading row alone, no Print, and no Compute on opening.
    const TeamRecordReport none(std::vector<GameResult>{});
    EXPECT_TRUE(none.grid(f.typeNames).rows.empty());
    EXPECT_FALSE(none.buttons(true).print);
    EXPECT_FALSE(none.buttons(true).compute);
    EXPECT_TRUE(none.buttons(false).compute);
}
