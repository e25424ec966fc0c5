// Leaving a window by every path keeps what was typed or asks first: the window's own buttons and
// keys, menu commands, ending the program, About standing above it, and the roster over the
// player screen however it is closed. Questions that destroy data default to the safe answer.
#include "GuiTestSupport.h"

#include "core/store/GameRecord.h"
#include "core/store/TeamList.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Team 1 "Comets" with Ana (4) on the roster and one game, the main window shown and the
// team-dependent menu items enabled as after choosing one team.
struct TeamOne : GuiFixture
{
    TeamOne()
    {
        writeDataFile(QStringLiteral("KVPN1.DAT"), nameBytes(4, "Ana"));
        writeDataFile(QStringLiteral("KVGS1.DAT"), GameBytes{}.bytes());
        chooseTeam(1, QStringLiteral("Comets"));
        state->currentGame.number = 1;
        showMain();
        mdi->selectionChanged(1);
    }
    void type(const char* box, const QString& text)
    {
        child<QLineEdit>(box)->setFocus();
        child<QLineEdit>(box)->selectAll();
        QTest::keyClicks(child<QLineEdit>(box), text);
    }
    // The box each kind of window is edited in, and what is typed there.
    static const char* editedBox(WindowKind kind)
    {
        return kind == WindowPScreen ? "txtCat0" : kind == WindowRoster ? "txtPhone" : "txtGameLoc";
    }
    static const char* typed(WindowKind kind)
    {
        return kind == WindowPScreen ? "45" : kind == WindowRoster ? "555-0199" : "Elm Park";
    }
    // Opens `kind` and types something only its own buttons write.
    void edit(WindowKind kind)
    {
        if (kind == WindowGameScreen)
            state->currentGame.edit = GameEdit::Change;
        open(kind);
        if (kind == WindowRoster) {
            child<QListWidget>("lstPlayerList")->setCurrentRow(6);
            type("txtPlayerName", QStringLiteral("Bea"));
        }
        type(editedBox(kind), QString::fromLatin1(typed(kind)));
    }
    // Whether the typed edit reached the files.
    bool written(WindowKind kind) const
    {
        if (kind == WindowPScreen)
            return readDataFile(QStringLiteral("KVPS1.DAT")) == resultBytes(1, 4, {{0, 45}});
        if (kind == WindowRoster)
            return readDataFile(QStringLiteral("KVPN1.DAT")).contains("Bea")
                && readDataFile(QStringLiteral("KVPI1.DAT")).contains(typed(kind));
        return readDataFile(QStringLiteral("KVGS1.DAT")).contains(typed(kind));
    }
    bool exitEnabled() const
    {
        return mdi->findChild<QPushButton*>(QStringLiteral("cmdExit"))->isEnabled();
    }
    // Ends the program as the window's close box does; the shut-down itself is not tested here.
    bool closeProgram() const
    {
        mdi->setShutDown([] {});
        QCloseEvent close;
        QCoreApplication::sendEvent(mdi.get(), &close);
        return close.isAccepted();
    }
    // Leaves the current window `way`: "menu" (a menu command that opens the data folder
    // window), "exit" (Exit Program), "close" (the main window's close box, true when the
    // program may end), "about", "Escape" in the edited box, "Enter:" and a button focused, or a
    // button's name.
    bool leave(WindowKind kind, const QString& way)
    {
        if (way == QStringLiteral("menu")) {
            mdi->runMenuCommand(QStringLiteral("mnuDataPath"));
        } else if (way == QStringLiteral("exit")) {
            mdi->setShutDown([] {});
            mdi->menuAction(QStringLiteral("mnuExitProgram"))->trigger();
        } else if (way == QStringLiteral("close")) {
            return closeProgram();
        } else if (way == QStringLiteral("about")) {
            onNextModal([](QWidget* modal) {
                QVERIFY(modal->findChild<QLabel*>(QStringLiteral("LabelBuild")));
                QTest::keyClick(modal, Qt::Key_Escape);
            });
            mdi->runMenuCommand(QStringLiteral("mnuAbout"));
        } else if (way == QStringLiteral("Escape")) {
            QTest::keyClick(child<QLineEdit>(editedBox(kind)), Qt::Key_Escape);
        } else if (way.startsWith(QStringLiteral("Enter:"))) {
            auto* button = child<QPushButton>(qPrintable(way.mid(6)));
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
        } else {
            click(qPrintable(way));
        }
        return false;
    }
};

} // namespace

class TestLeavingWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // `lands`: the window current afterwards; empty when the program may end.
    void leavingByEveryPathKeepsOrAsks_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("answer"); // -1: no answer scripted
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("lands");
        QTest::addColumn<bool>("written");
        const QString figures = QStringLiteral("Save player statistics?");
        const QString game = QStringLiteral("Save game information?");
        const QString cancelling = QStringLiteral("Do you really want to cancel?");
        const QString screen = QStringLiteral("frmPScreen");
        const QString gameScreen = QStringLiteral("frmGameScreen");
        const QString folder = QStringLiteral("frmDatapath");
        const int cancel = int(Message::Answer::Cancel);
        const int no = int(Message::Answer::No);
        const int yes = int(Message::Answer::Yes);
        const auto row = [](const char* name, WindowKind kind, const char* way) -> QTestData& {
            return QTest::newRow(name) << kind << QString::fromLatin1(way);
        };
        const WindowKind figuresWindow = WindowPScreen;
        row("figures, menu, Cancel", figuresWindow, "menu") << cancel << figures << screen << false;
        row("figures, Exit Program, Cancel", figuresWindow, "exit")
            << cancel << figures << screen << false;
        row("figures, menu, Yes", figuresWindow, "menu") << yes << figures << folder << true;
        row("figures, close box, Cancel", figuresWindow, "close")
            << cancel << figures << screen << false;
        row("figures, close box, No", figuresWindow, "close")
            << no << figures << QString() << false;
        row("figures, About", figuresWindow, "about") << -1 << QString() << screen << false;
        row("figures, Escape, No", figuresWindow, "Escape") << no << cancelling << screen << false;
        row("figures, Cancel, Yes", figuresWindow, "cmdCancel")
            << yes << cancelling << QStringLiteral("frmGameMenu") << false;
        row("figures, game screen, No", figuresWindow, "cmdGameScreen")
            << no << figures << gameScreen << false;
        row("figures, Enter on game screen, Yes", figuresWindow, "Enter:cmdGameScreen")
            << yes << figures << gameScreen << true;
        row("roster, menu", WindowRoster, "menu") << -1 << QString() << folder << true;
        row("roster, close box", WindowRoster, "close") << -1 << QString() << QString() << true;
        row("game, menu, No", WindowGameScreen, "menu") << no << game << folder << false;
        row("game, close box, Yes", WindowGameScreen, "close") << yes << game << QString() << true;
        row("game, Escape, Yes", WindowGameScreen, "Escape")
            << yes << cancelling << QStringLiteral("frmGameMenu") << false;
        row("game, Enter on Cancel, No", WindowGameScreen, "Enter:cmdCancel")
            << no << cancelling << gameScreen << false;
        row("game, players, No", WindowGameScreen, "cmdPlayers") << no << game << screen << false;
        row("game, players, Yes", WindowGameScreen, "cmdPlayers") << yes << game << screen << true;
    }
    void leavingByEveryPathKeepsOrAsks()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, way);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(QString, lands);
        QFETCH(bool, written);
        TeamOne f;
        f.edit(kind);
        const QString window = f.currentName();
        if (answer >= 0)
            f.prompter.answers = {Message::Answer(answer)};
        const bool closed = f.leave(kind, way);
        QCOMPARE(f.prompter.asked.size(), question.isEmpty() ? 0 : 1);
        QCOMPARE(f.prompter.last().text, question);
        if (question == QStringLiteral("Do you really want to cancel?"))
            QCOMPARE(f.prompter.last().defaultButton, Message::Answer::No);
        else if (!question.isEmpty() && texts({"menu", "exit", "close"}).contains(way))
            QCOMPARE(f.prompter.last().buttons, Message::Buttons::YesNoCancel);
        QCOMPARE(f.written(kind), written);
        if (way == QStringLiteral("close"))
            QCOMPARE(closed, lands.isEmpty());
        if (!lands.isEmpty())
            QCOMPARE(f.currentName(), lands);
        if (lands == window) {
            QCOMPARE(f.child<QLineEdit>(TeamOne::editedBox(kind))->text(),
                QString::fromLatin1(TeamOne::typed(kind)));
            QCOMPARE(f.exitEnabled(), kind != WindowPScreen);
        }
    }

    void untouchedWindowsAskNothing()
    {
        TeamOne f;
        f.state->currentGame.edit = GameEdit::Change;
        f.open(WindowGameScreen);
        f.click("cmdPlayers");
        QCOMPARE(f.currentName(), QStringLiteral("frmPScreen"));
        QVERIFY(f.closeProgram());
        QVERIFY(f.prompter.asked.isEmpty());
    }

    // The figures typed before the roster stay on the screen and are saved with its OK.
    void rosterOverThePlayerScreenWritesHoweverClosed_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("close box") << "close box";
        QTest::newRow("Close after Enter on the list") << "cmdClose";
    }
    void rosterOverThePlayerScreenWritesHoweverClosed()
    {
        QFETCH(QString, way);
        TeamOne f;
        f.open(WindowPScreen);
        f.type("txtCat0", QStringLiteral("30"));
        bool edited = false;
        onNextModal([&](QWidget* modal) {
            auto* list = modal->findChild<QListWidget*>(QStringLiteral("lstPlayerList"));
            auto* name = modal->findChild<QLineEdit*>(QStringLiteral("txtPlayerName"));
            list->setCurrentRow(8);
            name->setFocus();
            QTest::keyClicks(name, QStringLiteral("Cy"));
            if (way == QStringLiteral("Escape")) {
                QTest::keyClick(name, Qt::Key_Escape);
            } else if (way == QStringLiteral("close box")) {
                modal->close();
            } else {
                // Enter on the list is not taken by the dialog as a press of some button.
                list->setFocus();
                QTest::keyClick(list, Qt::Key_Return);
                QVERIFY(modal->isVisible());
                QTest::mouseClick(
                    modal->findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
            }
            edited = true;
        });
        f.click("cmdRoster");
        QVERIFY(edited);
        QVERIFY(f.prompter.asked.isEmpty());
        QVERIFY(!f.mdi->isOpen(WindowRoster));
        QVERIFY(f.readDataFile(QStringLiteral("KVPN1.DAT")).contains("Cy"));
        auto* table = f.child<QTableWidget>("tblPlayerList");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 1)->text().trimmed(), QStringLiteral("Cy"));
        QCOMPARE(table->currentRow(), 0);
        QCOMPARE(f.child<QLineEdit>("txtCat0")->text(), QStringLiteral("30"));
        f.click("cmdOK");
        QCOMPARE(f.readDataFile(QStringLiteral("KVPS1.DAT")), resultBytes(1, 4, {{0, 30}}));
    }

    void opponentBoxKeepsWhatWasTyped()
    {
        TeamOne f;
        writeTeamNames(f.state->files, 2, QStringLiteral("Tigers U12"), QStringLiteral("Tigers"));
        f.state->teamChoice.names[2] = QStringLiteral("Tigers U12");
        f.state->currentGame.edit = GameEdit::Add;
        f.state->currentGame.number = 2;
        f.open(WindowGameScreen);
        auto* combo = f.child<QComboBox>("cmbOpponents");
        combo->lineEdit()->setFocus();
        // "Tigers " is the start of "Tigers U12": a completing box would make it that team.
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("Tigers "));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
        QCOMPARE(combo->currentText(), QStringLiteral("Tigers"));
        QCOMPARE(f.state->currentGame.opponentSlot, 0);
        f.click("cmdOK");
        QCOMPARE(decodeRecords<GameRecord>(f.readDataFile(QStringLiteral("KVGS1.DAT")))
                     .at(1)
                     .opponent.trimmed(),
            QStringLiteral("Tigers"));
    }

    // No scripted answer: the prompter answers the default button, as Enter would.
    void enterOnADestructiveQuestionChangesNothing_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Message::Answer>("safe");
        QTest::newRow("game") << WindowGameMenu << "Delete Game?" << Message::Answer::Cancel;
        QTest::newRow("files") << WindowDeleteFiles << "Delete Files" << Message::Answer::Cancel;
        QTest::newRow("number") << WindowPlayerNumber << "Change Player Number"
                                << Message::Answer::No;
        QTest::newRow("roster") << WindowRoster << "Delete Player From Roster"
                                << Message::Answer::No;
    }
    void enterOnADestructiveQuestionChangesNothing()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, title);
        QFETCH(Message::Answer, safe);
        TeamOne f;
        const QByteArray roster = f.readDataFile(QStringLiteral("KVPN1.DAT"));
        f.open(kind);
        if (kind == WindowPlayerNumber) {
            f.child<QListWidget>("lstPlayer")->setCurrentRow(3);
            f.type("txtNewNumber", QStringLiteral("12"));
            QTest::keyClick(f.child<QLineEdit>("txtNewNumber"), Qt::Key_Return);
        } else {
            if (kind == WindowRoster)
                f.child<QListWidget>("lstPlayerList")->setCurrentRow(3);
            f.click("cmdDelete");
        }
        QCOMPARE(f.prompter.last().title, title);
        QCOMPARE(f.prompter.last().defaultButton, safe);
        QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), GameBytes{}.bytes());
        QCOMPARE(f.readDataFile(QStringLiteral("KVPN1.DAT")), roster);
        QVERIFY(!f.state->roster.free[4]);
    }
};

QTEST_MAIN(TestLeavingWindows)
#include "test_leaving_windows.moc"
