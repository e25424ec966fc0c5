// The game windows as a coach uses them: the game list, the game screen in its three modes, the
// import from the opponent's games, and the user's own names.
#include "GuiTestSupport.h"

#include "core/store/GameRecord.h"
#include "gui/games/GameWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Team 1 ("Hawks") is current with the given games; team 2 is "Rovers".
struct GamesFixture : GuiFixture
{
    explicit GamesFixture(const QByteArray& games = {})
    {
        writeDataFile(QStringLiteral("KVGS1.DAT"), games);
        chooseTeam(1, QStringLiteral("Hawks"));
        state->teamChoice.names[2] = QStringLiteral("Rovers");
    }
    QList<GameRecord> storedGames() const
    {
        const auto games = decodeRecords<GameRecord>(readDataFile(QStringLiteral("KVGS1.DAT")));
        return {games.begin(), games.end()};
    }
};

} // namespace

class TestGames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listShowsGameLinesAndDeleteAsksFirst()
    {
        GamesFixture f(
            games({game(1, "Rovers", 3, 1), game(2, "Owls", 1, 1), game(3, "Bears", 0, 2)}));
        f.state->currentGame.reselect = 2;
        f.open(WindowGameMenu);
        auto* list = f.child<QListWidget>("lstGameMenu");
        QCOMPARE(list->currentRow(), 1);

        // Cancel, the default answer, is the leaving-windows test's part.
        f.prompter.answers = {Message::Answer::Ok};
        QTest::mouseClick(f.child<QPushButton>("cmdDelete"), Qt::LeftButton); // takes the focus
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(1)->text().startsWith(QStringLiteral("2  ")));
        QVERIFY(list->item(1)->text().contains(QStringLiteral("Bears")));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(list->window()->focusWidget(), list); // the arrow keys choose the next game
        QCOMPARE(f.storedGames()[1].gameStatus, 'D');  // the renumbering is the core tests' part
    }

    void changeOpensTheGameOfTheChosenLineWhateverItsNumber()
    {
        // Numbers out of record order: the second line holds game 3, the third game 2.
        GamesFixture f(
            games({game(1, "Rovers", 3, 1), game(3, "Owls", 1, 1), game(2, "Bears", 0, 2)}));
        f.prompter.answers = {Message::Answer::No}; // keep the numbers as they are
        f.open(WindowGameMenu);
        QCOMPARE(f.prompter.last().title, QStringLiteral("Game Numbers Out of Order"));
        f.child<QListWidget>("lstGameMenu")->setCurrentRow(1);
        f.click("cmdModify");
        QCOMPARE(f.textsOf({"lblGameNumber", "txtPointsFor"}), texts({"Change Game 3", "1"}));
    }

    // Adding from an empty list: the date box has the focus and takes digits only, a bad date
    // is refused with nothing saved, and Enter in a text box is OK, which goes on to the players.
    void addingChecksTheDateThenGoesToThePlayerScreen()
    {
        GamesFixture f;
        f.showMain();
        QVERIFY(QTest::qWaitForWindowActive(f.mdi.get()));
        f.open(WindowGameMenu);
        for (const char* name : {"cmdModify", "cmdInsert", "cmdDelete", "cmdPlayers"})
            QVERIFY2(!f.child<QPushButton>(name)->isEnabled(), name);
        f.click("cmdAddGame");
        QCOMPARE(f.textsOf({"lblGameNumber"}), texts({"Add Game 1"}));
        QVERIFY(f.child<QPushButton>("cmdPlayers")->isHidden());
        auto* date = f.child<QLineEdit>("txtGameDate");
        QCOMPARE(QApplication::focusWidget(), date);
        QTest::keyClicks(date, QStringLiteral("02x30"));
        date->insert(QStringLiteral("ab")); // pasted letters are refused like typed ones
        QCOMPARE(date->text(), QStringLiteral("0230"));
        QTest::keyClicks(date, QStringLiteral("07"));
        f.click("cmdOK"); // 30 February
        QVERIFY(f.prompter.wasAsked(
            QStringLiteral("Game Date Invalid"), QStringLiteral("Enter game date (MMDDYY)")));
        QVERIFY(f.storedGames().isEmpty());

        date->setText(QStringLiteral("022907"));
        f.child<QComboBox>("cmbOpponents")->setEditText(QStringLiteral("Owls"));
        auto* goals = f.child<QLineEdit>("txtPointsFor");
        QTest::keyClicks(goals, QStringLiteral("2"));
        QTest::keyClick(goals, Qt::Key_Enter, Qt::KeypadModifier);
        const auto stored = f.storedGames();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(
            stored[0].gameDate + stored[0].opponent.trimmed() + QString::number(stored[0].goalsFor),
            QStringLiteral("022907Owls2"));
        QCOMPARE(f.currentName(), QStringLiteral("frmPScreen"));
    }

    void changeModeFillsWithoutMarkingAChange()
    {
        const GameBytes g{
            .number = 1, .date = "000000", .goalsFor = 2, .type = '3', .home = '2', .special = '2'};
        GamesFixture f(games({g, game(2, "Owls", 0, 0)}));
        f.state->currentGame.reselect = 1;
        f.open(WindowGameMenu);
        f.click("cmdModify");
        auto* screen = qobject_cast<GameWindow*>(f.current());
        QVERIFY(screen);
        QCOMPARE(f.textsOf({"lblGameNumber", "cmbOpponents"}), texts({"Change Game 1", "Rovers"}));
        QCOMPARE(f.child<QListWidget>("lstGameTypes")->currentRow(), 2);
        QVERIFY(!screen->changed());

        // OK in change mode saves over the game and goes back to the list on the same game.
        f.child<QLineEdit>("txtGameLoc")->setText(QStringLiteral("Away Park"));
        f.click("cmdOK");
        QCOMPARE(f.currentName(), QStringLiteral("frmGameMenu"));
        QCOMPARE(f.child<QListWidget>("lstGameMenu")->currentRow(), 0);
        const auto stored = f.storedGames();
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[0].gameLocation.trimmed(), QStringLiteral("Away Park"));
        QCOMPARE(stored[0].specialSelect, '2');
    }

    void aGameMissingFromTheFileCanOnlyBeAdded()
    {
        GamesFixture f(games({game(1, "Rovers", 1, 0)}));
        f.state->currentGame.edit = GameEdit::Change;
        f.state->currentGame.number = 4;
        f.state->currentGame.record = 3;
        f.open(WindowGameScreen);
        QCOMPARE(f.child<QLabel>("lblGameNumber")->text(), QStringLiteral("Add Game 2"));
        f.click("cmdOK");
        const auto stored = f.storedGames();
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[0].opponent.trimmed(), QStringLiteral("Rovers"));
        QCOMPARE(stored[1].gameNumber, qint16(2));
    }

    void importTurnsTheOpponentsGameRound()
    {
        GamesFixture f;
        GameBytes theirs = game(1, "Hawks", 3, 1);
        theirs.date = "091501";
        theirs.comment = "their note";
        f.writeDataFile(QStringLiteral("KVGS2.DAT"), games({game(1, "Owls", 0, 0), theirs}));
        f.open(WindowGameMenu);
        f.click("cmdAddGame");
        auto* opponents = f.child<QComboBox>("cmbOpponents");
        f.child<QLineEdit>("txtGameComment")->setText(QStringLiteral("ours"));

        // Typed by hand the opponent is no team of the list; picking our own team is refused.
        opponents->setEditText(QStringLiteral("Rovers"));
        f.click("cmdImport");
        QVERIFY(f.prompter.wasAsked(
            QStringLiteral("No Opponent Selected"), QStringLiteral("Select opponent first")));
        Q_EMIT opponents->activated(0);
        f.click("cmdImport");
        QVERIFY(f.prompter.wasAsked(QStringLiteral("Incorrect Opponent"),
            QStringLiteral("Opponent can not be update team")));

        // The dialog offers the chosen team's games, the one against us selected.
        Q_EMIT opponents->activated(1);
        onNextModal([](QWidget* dialog) {
            QCOMPARE(in<QListWidget>(dialog, "lstGameMenu")->currentRow(), 1);
            press(dialog, "cmdOK");
        });
        f.click("cmdImport");
        // The game seen from the other side (the turning round is the core tests' part).
        QCOMPARE(f.textsOf({"txtPointsFor", "lblDisplayDate", "txtGameComment", "cmbOpponents"}),
            texts({"1", "Sep  15,  2001", "ours", "Rovers"}));
        QVERIFY(qobject_cast<GameWindow*>(f.current())->changed());

        // With the comment asked for, it comes too.
        onNextModal([](QWidget* dialog) {
            in<QCheckBox>(dialog, "chkGameComment")->setChecked(true);
            press(dialog, "cmdOK");
        });
        f.click("cmdImport");
        QCOMPARE(f.child<QLineEdit>("txtGameComment")->text(), QStringLiteral("their note"));
    }

    void keyboardOpensAndLeavesAGame()
    {
        GamesFixture f(games({game(1, "Rovers", 3, 1), game(2, "Owls", 1, 1)}));
        f.showMain();
        QVERIFY(QTest::qWaitForWindowActive(f.mdi.get()));

        // Enter on the team opens its games; the list has the focus, the last game selected;
        // Enter changes the chosen game.
        f.open(WindowSelectTeam);
        QTest::keyClick(f.child<QListWidget>("lstSelectTeam"), Qt::Key_Return);
        auto* list = f.child<QListWidget>("lstGameMenu");
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(f.child<QLabel>("lblGameNumber")->text(), QStringLiteral("Change Game 1"));
        auto* date = f.child<QLineEdit>("txtGameDate");
        QCOMPARE(QApplication::focusWidget(), date);

        // Escape is Cancel: without an edit it leaves at once.
        QTest::keyClick(date, Qt::Key_Escape);
        QCOMPARE(f.currentName(), QStringLiteral("frmGameMenu"));
    }

    void insertingAGameAndABadDateOnTheWayToThePlayers()
    {
        GamesFixture f(games({game(1, "Rovers", 3, 1), game(2, "Owls", 1, 1)}));
        f.state->currentGame.reselect = 2;
        f.open(WindowGameMenu);

        // Inserting before game 2 takes its number and goes on to the new game's players.
        f.click("cmdInsert");
        QCOMPARE(f.child<QLabel>("lblGameNumber")->text(), QStringLiteral("Insert Game 2"));
        f.child<QLineEdit>("txtGameLoc")->setText(QStringLiteral("New Park"));
        f.click("cmdOK");
        const auto stored = f.storedGames();
        QCOMPARE(stored.size(), 3);
        QCOMPARE(stored[1].gameLocation.trimmed(), QStringLiteral("New Park"));
        QCOMPARE(f.state->currentGame.number, qint16(2));
        QCOMPARE(f.currentName(), QStringLiteral("frmPScreen"));

        // After an edit, Yes with a bad date is refused and stays; the other answers are the
        // leaving-windows test's part.
        f.state->currentGame.edit = GameEdit::Change;
        f.state->currentGame.number = 3;
        f.open(WindowGameScreen);
        f.child<QLineEdit>("txtGameDate")->setText(QStringLiteral("0431"));
        f.prompter.answers = {Message::Answer::Yes, Message::Answer::Ok};
        f.click("cmdPlayers");
        QCOMPARE(f.prompter.last().title, QStringLiteral("Game Date Invalid"));
        QCOMPARE(f.currentName(), QStringLiteral("frmGameScreen"));
        QCOMPARE(f.storedGames()[2].gameDate, QStringLiteral("091502"));
    }

    void ownNamesReachTheGameScreen()
    {
        GamesFixture f;
        f.open(WindowNameYourOwn);
        QCOMPARE(f.child<QLineEdit>("txtGameType1")->maxLength(), 10);
        f.child<QLineEdit>("txtGameType1")->setText(QStringLiteral("Lost"));
        f.click("cmdCancel"); // keeps every name as it was
        QCOMPARE(f.state->settings.gameTypeNames[1].trimmed(), QStringLiteral("GameType1"));

        f.open(WindowNameYourOwn);
        f.child<QLineEdit>("txtGameType1")->setText(QStringLiteral("League"));
        f.child<QLineEdit>("txtCat2")->setText(QStringLiteral("TKL"));
        f.click("cmdOK");
        QVERIFY(!f.mdi->isOpen(WindowNameYourOwn));
        QCOMPARE(f.state->settings.categoryCodes[34], QStringLiteral("TKL"));

        f.open(WindowGameMenu);
        f.click("cmdAddGame");
        QCOMPARE(f.child<QListWidget>("lstGameTypes")->item(0)->text(), QStringLiteral("League"));
    }
};

QTEST_MAIN(TestGames)
#include "test_games.moc"
