// The league table window and its rules dialog: the grid, notes and title over a small league,
// the menu item's enabling, rules chosen and saved to their file, bad rules refused with the
// dialog kept open, a damaged rules file named on opening, and the printout matching the tool.
#include "GuiTestSupport.h"

#include "core/reports/LeagueRulesFile.h"
#include "core/state/Settings.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

GameBytes dated(int number, const char* opponent, int goalsFor, int goalsAgainst, const char* date,
    char home = '1')
{
    GameBytes g = game(number, opponent, goalsFor, goalsAgainst);
    g.date = date;
    g.home = home;
    return g;
}

// Hawks (1) and Owls (2) both recorded their two games: the first agrees (Hawks 2-1), the second
// does not (Hawks say 0-4, Owls 4-1) and is left out. Owls beat Larks (3) 3-0 and Hawks won at
// Larks 1-0; Larks recorded nothing. So Hawks 2 won, 3-1, 6 points; Owls 1-1, 4-2, 3 points;
// Larks 0-2, 0-4, 0 points.
struct TableFixture : GuiFixture
{
    TableFixture()
    {
        writeDataFile(QStringLiteral("KVGS1.DAT"),
            games({dated(1, "Owls", 2, 1, "090102"), dated(2, "Larks", 1, 0, "090802", '2'),
                dated(3, "Owls", 0, 4, "091502")}));
        writeDataFile(QStringLiteral("KVGS2.DAT"),
            games({dated(1, "Hawks", 1, 2, "090102", '2'), dated(2, "Larks", 3, 0, "090802"),
                dated(3, "hawks ", 4, 1, "091502")}));
        nameTeams({"Hawks", "Owls", "Larks"});
        showMain();
    }
    QStringList row(int r) const { return gridRow(child<QTableWidget>("tblLeague"), r); }
    QString rulesPath() const { return leagueRulesPath(state->settings.settingsFolder); }
};

} // namespace

class TestLeagueTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gridNotesAndTitleShowTheTable()
    {
        TableFixture f;
        QVERIFY(f.runReport("mnuLeagueTable", {1, 2, 3}));
        QCOMPARE(f.currentName(), QStringLiteral("frmLeagueTable"));
        QCOMPARE(
            f.current()->windowTitle(), QStringLiteral("League Table - Points, goal difference"));
        QCOMPARE(gridHeadings(f.child<QTableWidget>("tblLeague")),
            texts({"Pos", "Team", "P", "W", "T", "L", "GF", "GA", "GD", "Pts", "Decided by"}));
        QCOMPARE(f.row(0), texts({"1", "Hawks", "2", "2", "0", "0", "3", "1", "2", "6", ""}));
        QCOMPARE(f.row(1), texts({"2", "Owls", "2", "1", "0", "1", "4", "2", "2", "3", "points"}));
        QCOMPARE(
            f.row(2), texts({"3", "Larks", "2", "0", "0", "2", "0", "4", "-4", "0", "points"}));
        QVERIFY(f.child<QLabel>("lblNotes")
                    ->text()
                    .contains(QStringLiteral("Hawks v Owls, 09/15/02: Hawks recorded 0-4, Owls "
                                             "recorded 4-1; the game is not "
                                             "counted")));
        QVERIFY(!QFile::exists(f.rulesPath())); // opening writes nothing
    }

    void menuItemNeedsTwoTeams()
    {
        TableFixture f;
        QAction* item = f.mdi->findChild<QAction*>(QStringLiteral("mnuLeagueTable"));
        QVERIFY(item != nullptr);
        f.mdi->selectionChanged(1);
        QVERIFY(!item->isEnabled());
        f.mdi->selectionChanged(2);
        QVERIFY(item->isEnabled());
    }

    void rulesChosenInTheDialogAreSavedAndRankAgain()
    {
        TableFixture f;
        QVERIFY(f.runReport("mnuLeagueTable", {1, 2, 3}));
        onNextModal([](QWidget* dialog) {
            auto* preset = in<QComboBox>(dialog, "cboPreset");
            preset->setCurrentIndex(3);
            Q_EMIT preset->activated(3);
            in<QComboBox>(dialog, "cboDeductionTeam")->setCurrentIndex(0); // Hawks
            fill(dialog, {{"txtDeductionPoints", "5"}, {"txtDeductionReason", "late forms"}});
            press(dialog, "cmdAddDeduction");
            press(dialog, "cmdOK");
        });
        f.click("cmdRules");
        QCOMPARE(f.current()->windowTitle(),
            QStringLiteral("League Table - Youth: capped goal difference"));
        // Hawks 6 - 5 = 1 point, below Owls.
        QCOMPARE(f.row(0).at(1), QStringLiteral("Owls"));
        QCOMPARE(f.row(1), texts({"2", "Hawks", "2", "2", "0", "0", "3", "1", "2", "1", "points"}));
        QVERIFY(f.child<QLabel>("lblNotes")
                    ->text()
                    .contains(QStringLiteral("Hawks: 5 points deducted (late forms).")));
        const LeagueRulesRead saved = readLeagueRules(f.rulesPath());
        QVERIFY(saved.rules);
        QCOMPARE(saved.rules->goalDifferenceCap, 3);
        QCOMPARE(saved.rules->deductions.size(), std::size_t{1});
        QCOMPARE(saved.rules->deductions[0].slot, 1);
    }

    void badRulesKeepTheDialogOpenAndChangeNothing()
    {
        TableFixture f;
        QVERIFY(f.runReport("mnuLeagueTable", {1, 2, 3}));
        bool stillOpen = false;
        bool emptyRefused = false;
        f.prompter.answers = {Message::Answer::Ok, Message::Answer::Ok, Message::Answer::Yes};
        onNextModal([&](QWidget* dialog) {
            fill(dialog, {{"txtWinPoints", "-1"}});
            press(dialog, "cmdOK");
            stillOpen = dialog->isVisible();
            fill(dialog, {{"txtWinPoints", "3"}});
            auto* rules = in<QListWidget>(dialog, "lstRules");
            while (rules->count() > 0) {
                rules->setCurrentRow(0);
                press(dialog, "cmdRemoveRule");
            }
            press(dialog, "cmdOK");
            emptyRefused = dialog->isVisible();
            press(dialog, "cmdCancel"); // asks, and Yes drops the edits
        });
        f.click("cmdRules");
        QVERIFY(stillOpen);
        QVERIFY(emptyRefused);
        QVERIFY(f.prompter.wasAsked(
            QStringLiteral("Points Invalid"), QStringLiteral("Points cannot be negative")));
        QVERIFY(f.prompter.wasAsked(QStringLiteral("Rules Invalid"),
            QStringLiteral("Choose at least one rule to rank the teams by")));
        QCOMPARE(f.prompter.last().text, QStringLiteral("Do you really want to cancel?"));
        QVERIFY(!QFile::exists(f.rulesPath()));
        QCOMPARE(
            f.current()->windowTitle(), QStringLiteral("League Table - Points, goal difference"));
    }

    void damagedRulesFileIsNamedAndLeftAsItIs()
    {
        TableFixture f;
        const QByteArray newer = "scorvane league rules 4\nname Later\nend\n";
        writeWholeFile(f.rulesPath(), newer);
        QVERIFY(f.runReport("mnuLeagueTable", {1, 2}));
        QCOMPARE(f.prompter.last().title, QStringLiteral("League Rules File"));
        QVERIFY(f.prompter.last().text.contains(QStringLiteral("newer version")));
        QCOMPARE(
            f.current()->windowTitle(), QStringLiteral("League Table - Points, goal difference"));
        QCOMPARE(readWholeFile(f.rulesPath()), newer);
    }

    void printingMatchesTheReportTool()
    {
        TableFixture f;
        LeagueRules rules = leaguePresets()[1];
        rules.deductions.push_back(PointsDeduction{2, 1, QStringLiteral("red cards")});
        QCOMPARE(writeLeagueRules(f.rulesPath(), rules), QString());
        QVERIFY(f.runReport("mnuLeagueTable", {1, 2, 3}));
        const QByteArray printed = f.printTo(f.dir.filePath(QStringLiteral("table.txt")), 0,
            QStringLiteral("2"), QStringLiteral("25"));
        QVERIFY(printed.contains("Owls: 1 point deducted (red cards)."));
        Settings::save(*f.state);
        QCOMPARE(printed,
            f.toolOutput(texts({"table", "--teams", "1,2,3", "--settings"})
                + QStringList{f.settingsPath(), QStringLiteral("--copies"), QStringLiteral("2"),
                    QStringLiteral("--lines-per-page"), QStringLiteral("25")}));
    }
};

QTEST_MAIN(TestLeagueTable)
#include "test_league_table.moc"
