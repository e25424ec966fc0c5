// The record, game scores and standings windows: the grids over a small league, Compute, the
// buttons over an empty selection, the current team kept by the standings, the team chart, and
// each printout matching the report tool's bytes. The sums, rows and which buttons a report
// offers are the core tests' part; these check that the windows show them.
#include "GuiTestSupport.h"

#include "core/state/Settings.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Hawks (1): a home 2-1 win, an away 1-0 win in a type 2 game, a 0-4 loss and a 1-1 tie, so 2-1-1
// in all. Owls (2): three wins. Larks (3): no games.
struct LeagueFixture : GuiFixture
{
    LeagueFixture()
    {
        GameBytes away = game(2, "Larks", 1, 0);
        away.type = '2';
        away.home = '2';
        writeDataFile(QStringLiteral("KVGS1.DAT"),
            games({game(1, "Owls", 2, 1), away, game(3, "Owls", 0, 4), game(4, "Larks", 1, 1)}));
        writeDataFile(QStringLiteral("KVGS2.DAT"),
            games({game(1, "Hawks", 1, 0), game(2, "Larks", 3, 0), game(3, "Hawks", 4, 0)}));
        nameTeams({"Hawks", "Owls", "Larks"});
        showMain();
    }

    QStringList headings(const char* name) const { return gridHeadings(child<QTableWidget>(name)); }
    QStringList row(const char* name, int r) const { return gridRow(child<QTableWidget>(name), r); }
    bool shown(const char* button) const { return child<QPushButton>(button)->isVisible(); }

    // Compute with the game range typed in.
    void compute(const char* from, const char* to)
    {
        onNextModal([from, to](QWidget* dialog) {
            fill(dialog, {{"txtLowGame", from}, {"txtHighGame", to}});
            press(dialog, "cmdCompute");
        });
        click("cmdCompute");
    }

    // Prints from the open window as text, two copies of 25-line pages.
    QByteArray print(const char* name)
    {
        return printTo(
            dir.filePath(QString::fromLatin1(name)), 0, QStringLiteral("2"), QStringLiteral("25"));
    }
    // The report tool's bytes for the same report, with the program's settings and pages.
    QByteArray tool(std::initializer_list<const char*> arguments)
    {
        Settings::save(*state);
        return toolOutput(texts(arguments)
            + QStringList{QStringLiteral("--settings"), settingsPath(), QStringLiteral("--copies"),
                QStringLiteral("2"), QStringLiteral("--lines-per-page"), QStringLiteral("25")});
    }
};

} // namespace

class TestTeamReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordByGameTypeFollowsTheCountedGames()
    {
        LeagueFixture f;
        QVERIFY(f.runReport("mnuRecord", {1}));
        QCOMPARE(f.current()->windowTitle(), QStringLiteral("Record - Hawks"));
        QCOMPARE(f.row("tblRecord", 3), texts({"Totals", "2", "1", "1", ".625", "4", "6"}));
        QVERIFY(f.shown("cmdCompute") && f.shown("cmdPrint") && f.shown("cmdChart"));

        // Games 1 to 3 hold no tie: no Ties column.
        f.compute("1", "3");
        QCOMPARE(f.headings("tblRecord"), texts({"Game Type", "Won", "Lost", "Pct", "GF", "GA"}));
        QCOMPARE(f.row("tblRecord", 3), texts({"Totals", "2", "1", ".667", "3", "5"}));

        // No game in the range: the headings alone, Compute stays to choose again.
        f.compute("7", "9");
        QCOMPARE(f.child<QTableWidget>("tblRecord")->rowCount(), 0);
        QVERIFY(f.shown("cmdCompute") && !f.shown("cmdPrint") && !f.shown("cmdChart"));
    }

    void gameScoresInBothFormsAndAnEmptySelection()
    {
        LeagueFixture f;
        // Without games on opening only Close remains.
        QVERIFY(f.runReport("mnuGames", {3}));
        QVERIFY(!f.shown("cmdCompute") && !f.shown("cmdShort") && f.shown("cmdClose"));

        QVERIFY(f.runReport("mnuGames", {1}));
        QCOMPARE(f.current()->windowTitle(), QStringLiteral("Game Scores - Hawks"));
        auto* table = f.child<QTableWidget>("tblScores");
        QVERIFY(!table->horizontalHeader()->isVisible());
        QCOMPARE(table->rowCount(), 16);
        QVERIFY(f.shown("cmdShort") && !f.shown("cmdLong") && f.shown("cmdPrint"));

        f.click("cmdShort");
        QCOMPARE(table->columnCount(), 8);
        QCOMPARE(table->rowCount(), 4);
        QVERIFY(f.shown("cmdLong") && !f.shown("cmdShort"));

        // Compute keeps the form shown.
        f.compute("2", "3");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->columnCount(), 8);
    }

    void standingsRankTheTeamsAndKeepTheCurrentTeam()
    {
        LeagueFixture f;
        QVERIFY(f.runReport("mnuStandings", {1, 2, 3}));
        QCOMPARE(f.state->teamChoice.currentSlot, 1);
        QCOMPARE(f.row("tblStandings", 1),
            texts({"Hawks", "2", "1", "1", ".625", "-", "4", "6", "1.0"}));
        QVERIFY(f.child<QPushButton>("cmdChart") == nullptr);

        // Without game 4 no tie is left; the Hawks end on a loss. The current team stays.
        f.compute("1", "3");
        QCOMPARE(f.row("tblStandings", 1),
            texts({"Hawks", "2", "1", ".667", "Lost 1", "3", "5", "1.0"}));
        QCOMPARE(f.state->teamChoice.currentName, QStringLiteral("Hawks"));
    }

    void theChartShowsTheCountedGames()
    {
        LeagueFixture f;
        QVERIFY(f.runReport("mnuGames", {1}));
        f.compute("2", "4");
        QCOMPARE(f.pressChart().labels,
            texts({"2  09/15/02  (1-0-0)", "3  09/15/02  (1-1-0)", "4  09/15/02  (1-1-1)"}));
    }

    // Each window hands its range, form and teams to the report the tool prints.
    void printingFromEachWindowMatchesTheReportTool()
    {
        LeagueFixture f;
        QVERIFY(f.runReport("mnuRecord", {1}));
        f.compute("1", "3");
        QCOMPARE(f.print("record.txt"), f.tool({"record", "--to", "3"}));

        QVERIFY(f.runReport("mnuGames", {1}));
        f.click("cmdShort");
        QCOMPARE(f.print("short.txt"), f.tool({"scores", "--short"}));

        QVERIFY(f.runReport("mnuStandings", {1, 2, 3}));
        QCOMPARE(f.print("standings.txt"), f.tool({"standings", "--teams", "1,2,3"}));
    }
};

QTEST_MAIN(TestTeamReports)
#include "test_team_reports.moc"
