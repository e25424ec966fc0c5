// The player screen driven as a coach would: ticking by typing, unticking, the consistency rules,
// keyboard flow and team totals. The ways out are the leaving-windows test's part.
#include "GuiTestSupport.h"

#include "gui/entry/PlayerFiguresWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// A main window with team 1 chosen (roster, games, results written first) and the player screen
// open on `game`.
struct ScreenFixture : GuiFixture
{
    PlayerFiguresWindow* screen = nullptr;

    ScreenFixture(
        const QByteArray& roster, const QByteArray& games, const QByteArray& results, int game)
    {
        writeDataFile(QStringLiteral("KVPN1.DAT"), roster);
        writeDataFile(QStringLiteral("KVGS1.DAT"), games);
        writeDataFile(QStringLiteral("KVPS1.DAT"), results);
        chooseTeam();
        state->currentGame.number = static_cast<qint16>(game);
        mdi->show();
        if (!QTest::qWaitForWindowActive(mdi.get()))
            throw std::runtime_error("main window not active");
        open();
    }
    void open()
    {
        mdi->showWindow(WindowPScreen);
        screen = qobject_cast<PlayerFiguresWindow*>(mdi->currentChild());
        if (screen == nullptr)
            throw std::runtime_error("player screen did not open");
    }
    QLineEdit* box(int k) const
    {
        return screen->findChild<QLineEdit*>(QStringLiteral("txtCat%1").arg(k));
    }
    QTableWidget* table() const { return child<QTableWidget>("tblPlayerList"); }
    QString marker(int row) const { return table()->item(row, 0)->data(Qt::UserRole).toString(); }
    void selectRow(int row) const { table()->setCurrentCell(row, 1); }
    void type(int k, const QString& text) const
    {
        box(k)->setFocus();
        box(k)->selectAll();
        QTest::keyClicks(box(k), text);
    }
    QByteArray results() const { return readDataFile(QStringLiteral("KVPS1.DAT")); }
    bool screenOpen() const { return mdi->isOpen(WindowPScreen); }
};

QByteArray threePlayers()
{
    return nameBytes(4, "Ana Lopes") + nameBytes(7, "Ben Ode") + nameBytes(9, "Cy Park");
}

} // namespace

class TestPScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The heading and the table show the game's players (player 30 left the roster but has a
    // result); typing ticks a player and counts them once; unticking clears the figures and is
    // saved. Which players are listed is the core entry tests' part.
    void thePlayedMarkFollowsTypingAndTheBox()
    {
        const QByteArray results
            = resultBytes(3, 7, {{0, 80}, {2, 1}}) + resultBytes(3, 30, {{0, 55}, {16, 2}});
        ScreenFixture f(threePlayers(), numberedGames(3), results, 3);
        QCOMPARE(f.textsOf({"lblGameNumber", "lblVisitorName", "lblCat24"}),
            texts({"Game 3", "Rovers", "KV1"}));
        QCOMPARE(f.table()->item(3, 1)->text().trimmed(), QStringLiteral("Player 30"));
        QCOMPARE(QApplication::focusWidget(), f.box(0));
        QCOMPARE(f.marker(0) + f.marker(3), QStringLiteral("picNoBallHLpicBallNH"));
        f.type(2, QStringLiteral("3"));
        QVERIFY(f.child<QCheckBox>("chkPlayed")->isChecked());
        QCOMPARE(f.marker(0), QStringLiteral("picBallHL"));
        QCOMPARE(f.child<QLabel>("lblPlayerCount")->text(), QStringLiteral("3"));

        f.selectRow(1);
        f.child<QCheckBox>("chkPlayed")->click();
        QCOMPARE(f.textsOf({"txtCat0", "txtCat2"}), texts({"0", "0"}));
        QCOMPARE(f.child<QLabel>("lblPlayerCount")->text(), QStringLiteral("2"));
        f.click("cmdOK");
        f.open();
        f.selectRow(1);
        QVERIFY(!f.child<QCheckBox>("chkPlayed")->isChecked());
        f.selectRow(3);
        QCOMPARE(f.box(16)->text(), QStringLiteral("2"));
    }

    // Edit > Undo and Redo walk the screen's own steps while it is open: each box typed into
    // (the keys of one visit are one step, the tick typing made included) and each played tick,
    // bringing the step's player back on screen. Everything undone leaves nothing to save; once
    // saved, the figures are one stored step.
    void eachBoxAndTickIsAStepUntilTheScreenIsLeft()
    {
        ScreenFixture f(threePlayers(), numberedGames(1), {}, 1);
        QAction* undo = f.mdi->menuAction(QStringLiteral("mnuUndo"));
        QAction* redo = f.mdi->menuAction(QStringLiteral("mnuRedo"));
        auto* played = f.child<QCheckBox>("chkPlayed");
        const QString sog = f.child<QLabel>("lblCat3")->text().trimmed();
        QVERIFY(!undo->isEnabled());
        f.type(2, QStringLiteral("3"));
        f.type(3, QStringLiteral("15"));
        QCOMPARE(undo->text(), QStringLiteral("&Undo %1 of Player 4").arg(sog));
        f.selectRow(1);
        played->click();
        QCOMPARE(undo->text(), QStringLiteral("&Undo Played Mark of Player 7"));
        undo->trigger();
        QVERIFY(!played->isChecked());
        QCOMPARE(f.child<QLabel>("lblPlayerCount")->text(), QStringLiteral("1"));

        // Ctrl+Z in a box is the screen's step, not the box's typing: back to player 4.
        f.box(5)->setFocus();
        QTest::keyClick(f.box(5), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.table()->currentRow(), 0);
        QCOMPARE(f.textsOf({"txtCat2", "txtCat3"}), texts({"3", "0"}));
        QCOMPARE(QApplication::focusWidget(), f.box(3));
        QTest::keyClick(f.box(3), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.box(3)->text(), QStringLiteral("15"));
        QCOMPARE(redo->text(), QStringLiteral("&Redo Played Mark of Player 7"));
        undo->trigger();
        undo->trigger();
        QCOMPARE(f.textsOf({"txtCat2", "txtCat3"}), texts({"0", "0"}));
        QVERIFY(!played->isChecked());
        QCOMPARE(f.marker(0), QStringLiteral("picNoBallHL"));
        QVERIFY(!undo->isEnabled());
        const int asked = f.prompter.asked.size();
        f.click("cmdCancel");
        QCOMPARE(f.prompter.asked.size(), asked); // nothing left to lose
        QVERIFY(!f.screenOpen());

        f.open();
        f.type(2, QStringLiteral("12"));
        undo->trigger();
        QCOMPARE(f.box(2)->text(), QStringLiteral("0"));
        redo->trigger();
        QCOMPARE(f.box(2)->text(), QStringLiteral("12"));
        // From the team totals, the step's player comes back to be changed.
        f.click("cmdTeam");
        undo->trigger();
        QCOMPARE(f.child<QLabel>("lblPlayerName")->text(), QStringLiteral("Ana Lopes"));
        QCOMPARE(f.box(2)->text(), QStringLiteral("0"));
        QVERIFY(!f.box(2)->isReadOnly());
        redo->trigger();
        f.click("cmdOK");
        QCoreApplication::processEvents();
        QCOMPARE(f.results(), resultBytes(1, 4, {{2, 12}}));
        QCOMPARE(undo->text(), QStringLiteral("&Undo Player Figures of Game 1"));
        undo->trigger();
        QVERIFY(f.results().isEmpty());
    }

    void onlyTheFirstFailingRuleIsShownWithFocusOnItsBox()
    {
        ScreenFixture f(threePlayers(), numberedGames(3), {}, 3);
        f.type(5, QStringLiteral("3"));  // PKG
        f.type(6, QStringLiteral("2"));  // PKA
        f.type(20, QStringLiteral("5")); // Sv
        f.type(21, QStringLiteral("1")); // SF
        f.click("cmdOK");
        QCOMPARE(f.prompter.asked.size(), 1);
        QCOMPARE(f.prompter.last().title, QStringLiteral("Error"));
        QCOMPARE(f.prompter.last().text,
            QStringLiteral("Penalty Kick Goals (PKG) > Penalty Kick Attempts (PKA)"));
        QCOMPARE(QApplication::focusWidget(), f.box(5));
        QVERIFY(f.screenOpen());
        QVERIFY(f.results().isEmpty());

        // Another row and the team totals are refused too; the typed figures stay, and a
        // refused click leaves the highlight on the player being edited.
        const QRect clicked = f.table()->visualItemRect(f.table()->item(2, 1));
        QTest::mouseClick(f.table()->viewport(), Qt::LeftButton, {}, clicked.center());
        QCoreApplication::processEvents();
        const QModelIndexList highlighted = f.table()->selectionModel()->selectedRows();
        QCOMPARE(highlighted.size(), 1);
        QCOMPARE(highlighted.first().row(), 0);
        QCOMPARE(f.table()->currentRow(), 0);
        QCOMPARE(f.box(5)->text(), QStringLiteral("3"));
        f.click("cmdTeam");
        QCOMPARE(f.child<QPushButton>("cmdTeam")->text(), QStringLiteral("&Team Totals"));
        QCOMPARE(f.prompter.asked.size(), 3); // the OK, the click and the totals

        // Refused again from the box at fault itself: its figure is selected for replacing.
        f.box(5)->deselect();
        QTest::keyClick(f.box(5), Qt::Key_PageDown);
        QCOMPARE(QApplication::focusWidget(), f.box(5));
        QCOMPARE(f.box(5)->selectedText(), QStringLiteral("3"));
    }

    // Enter moves on, Page Down goes to the next player, and what was typed for both is saved
    // (where the results go in the file is the core tests' part).
    void keyboardMovesThroughBoxesAndPlayers()
    {
        ScreenFixture f(threePlayers(), numberedGames(1), {}, 1);
        f.box(27)->setFocus();
        QTest::keyClick(f.box(27), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.box(28));
        QTest::keyClicks(f.box(28), QStringLiteral("12345"));
        QCOMPARE(f.box(28)->text(), QStringLiteral("1234"));
        QTest::keyClick(f.box(28), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), f.box(0));

        f.click("cmdIncrement");
        QTest::keyClick(f.box(0), Qt::Key_Plus);
        QCOMPARE(f.box(0)->text(), QStringLiteral("2"));
        QTest::keyClick(f.box(0), Qt::Key_Minus);
        QCOMPARE(f.box(0)->text(), QStringLiteral("1"));
        QCOMPARE(QApplication::focusWidget(), f.box(0));

        // Page Down from box 0 keeps the focus there: the next player's figure must still
        // replace the "0" rather than follow it, and the box's name must still show.
        QTest::keyClick(f.box(0), Qt::Key_PageDown);
        QCOMPARE(f.table()->currentRow(), 1);
        QCOMPARE(QApplication::focusWidget(), f.box(0));
        QCOMPARE(f.child<QLabel>("lblMsg")->text(), QStringLiteral("Minutes Played"));
        QTest::keyClicks(f.box(0), QStringLiteral("1234"));
        QCOMPARE(f.box(0)->text(), QStringLiteral("1234"));

        // Pasted letters are refused like typed ones.
        QApplication::clipboard()->setText(QStringLiteral("7a"));
        f.box(1)->setFocus();
        f.box(1)->paste();
        QCOMPARE(f.box(1)->text(), QStringLiteral("0"));
        f.child<QPushButton>("cmdOK")->setFocus();
        QVERIFY(!f.child<QPushButton>("cmdIncrement")->isEnabled());
        f.click("cmdOK");
        QCOMPARE(
            f.results(), resultBytes(1, 4, {{0, 1}, {28, 1234}}) + resultBytes(1, 7, {{0, 1234}}));
    }

    void altKeysPressTheButtonsRatherThanTheMenus()
    {
        // Alt+T, Alt+P and Alt+O from a box: totals, back to the player, then save and leave,
        // though the main window's Options menu has the same access key as OK.
        ScreenFixture f(threePlayers(), numberedGames(1), {}, 1);
        f.type(0, QStringLiteral("45"));
        QTest::keyClick(f.box(0), Qt::Key_T, Qt::AltModifier);
        QCOMPARE(f.child<QLabel>("lblPlayerName")->text(), QStringLiteral("Team Totals"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), f.box(0));
        QTest::keyClick(f.box(0), Qt::Key_O, Qt::AltModifier);
        QVERIFY(!f.screenOpen());
        QCOMPARE(f.results(), resultBytes(1, 4, {{0, 45}}));
    }

    void teamTotalsAreReadOnlyAndAnyRowLeavesThem()
    {
        const QByteArray results
            = resultBytes(1, 4, {{0, 9000}, {17, 2}}) + resultBytes(1, 9, {{0, 9000}});
        ScreenFixture f(threePlayers(), numberedGames(1), results, 1);
        f.selectRow(1);
        f.type(17, QStringLiteral("5")); // player 7 ticked by typing, not yet copied
        f.click("cmdTeam");
        QCOMPARE(f.textsOf({"lblPlayerName", "lblMsg", "txtCat0", "txtCat17"}),
            texts({"Team Totals", "Players Recorded - 3", "18000", "7"}));
        QVERIFY(!f.child<QPushButton>("cmdRoster")->isEnabled());
        f.box(3)->setFocus();
        QVERIFY(QApplication::focusWidget() != f.box(3));

        f.selectRow(2);
        QCOMPARE(f.textsOf({"lblPlayerName", "txtCat0"}), texts({"Cy Park", "9000"}));
        QVERIFY(!f.box(0)->isReadOnly() && f.child<QPushButton>("cmdRoster")->isEnabled());
    }
};

QTEST_MAIN(TestPScreen)
#include "test_pscreen.moc"
