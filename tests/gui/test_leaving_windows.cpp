// Leaving a window by every path keeps what was typed: menu commands and ending the program ask
// the open window first, About stands above it, the roster over the player screen writes however
// it is closed, the opponent box keeps what was typed, and questions that destroy data default to
// the safe answer.
#include "GuiTestSupport.h"

#include "core/store/GameRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/TeamList.h"
#include "gui/shell/FolderPicker.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
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
    // Opens `kind` and types something only its own buttons write.
    void edit(WindowKind kind)
    {
        if (kind == WindowGameScreen)
            state->currentGame.edit = GameEdit::Change;
        open(kind);
        if (kind == WindowPScreen) {
            type("txtCat0", QStringLiteral("45"));
        } else if (kind == WindowRoster) {
            child<QListWidget>("lstPlayerList")->setCurrentRow(6);
            type("txtPlayerName", QStringLiteral("Bea"));
            type("txtPhone", QStringLiteral("555-0199"));
        } else {
            type("txtGameLoc", QStringLiteral("Elm Park"));
        }
    }
    // Whether the typed edit reached the files.
    bool written(WindowKind kind) const
    {
        if (kind == WindowPScreen)
            return readDataFile(QStringLiteral("KVPS1.DAT")).size() == 115;
        if (kind == WindowRoster)
            return storedNames() == QStringList({QStringLiteral("Ana"), QStringLiteral("Bea")})
                && readDataFile(QStringLiteral("KVPI1.DAT")).contains("555-0199");
        return readDataFile(QStringLiteral("KVGS1.DAT")).contains("Elm Park");
    }
    bool exitEnabled() const
    {
        return mdi->findChild<QPushButton*>(QStringLiteral("cmdExit"))->isEnabled();
    }
    QStringList storedNames() const
    {
        QStringList names;
        for (const auto& r :
            decodeRecords<PlayerNameRecord>(readDataFile(QStringLiteral("KVPN1.DAT"))))
            names << r.playerName.trimmed();
        return names;
    }
    // Ends the program as the window's close box does; the shut-down itself is not tested here.
    bool closeProgram() const
    {
        mdi->setShutDown([] {});
        QCloseEvent close;
        QCoreApplication::sendEvent(mdi.get(), &close);
        return close.isAccepted();
    }
};

enum class Way { MenuCommand, ExitMenu, CloseProgram };

} // namespace

class TestLeavingWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void leavingByEveryPathKeepsOrAsks_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<Way>("way");
        QTest::addColumn<int>("answer"); // -1: no answer scripted
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("leaves");
        QTest::addColumn<bool>("written");
        const QString figures = QStringLiteral("Save player statistics?");
        const QString game = QStringLiteral("Save game information?");
        const int cancel = int(Message::Answer::Cancel);
        const int no = int(Message::Answer::No);
        const int yes = int(Message::Answer::Yes);
        QTest::newRow("figures, menu, Cancel")
            << WindowPScreen << Way::MenuCommand << cancel << figures << false << false;
        QTest::newRow("figures, Exit Program, Cancel")
            << WindowPScreen << Way::ExitMenu << cancel << figures << false << false;
        QTest::newRow("figures, menu, Yes")
            << WindowPScreen << Way::MenuCommand << yes << figures << true << true;
        QTest::newRow("figures, close, Cancel")
            << WindowPScreen << Way::CloseProgram << cancel << figures << false << false;
        QTest::newRow("figures, close, No")
            << WindowPScreen << Way::CloseProgram << no << figures << true << false;
        QTest::newRow("roster, menu")
            << WindowRoster << Way::MenuCommand << -1 << QString() << true << true;
        QTest::newRow("roster, close")
            << WindowRoster << Way::CloseProgram << -1 << QString() << true << true;
        QTest::newRow("game, menu, No")
            << WindowGameScreen << Way::MenuCommand << no << game << true << false;
        QTest::newRow("game, close, Yes")
            << WindowGameScreen << Way::CloseProgram << yes << game << true << true;
    }
    void leavingByEveryPathKeepsOrAsks()
    {
        QFETCH(WindowKind, kind);
        QFETCH(Way, way);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(bool, leaves);
        QFETCH(bool, written);
        TeamOne f;
        f.edit(kind);
        const QString window = f.currentName();
        if (answer >= 0)
            f.prompter.answers = {Message::Answer(answer)};
        bool closed = false;
        if (way == Way::MenuCommand) {
            f.mdi->runMenuCommand(QStringLiteral("mnuDataPath"));
        } else if (way == Way::ExitMenu) {
            f.mdi->setShutDown([] {});
            f.mdi->menuAction(QStringLiteral("mnuExitProgram"))->trigger();
        } else {
            closed = f.closeProgram();
        }
        QCOMPARE(f.prompter.last().text, question);
        if (!question.isEmpty())
            QCOMPARE(f.prompter.last().buttons, Message::Buttons::YesNoCancel);
        QCOMPARE(f.written(kind), written);
        if (way == Way::CloseProgram) {
            QCOMPARE(closed, leaves);
        } else {
            QCOMPARE(f.currentName(), leaves ? QStringLiteral("frmDatapath") : window);
            QCOMPARE(f.exitEnabled(), leaves || kind != WindowPScreen);
        }
    }

    void anUnchangedWindowAsksNothing()
    {
        TeamOne f;
        f.open(WindowGameScreen);
        QVERIFY(f.closeProgram());
        QVERIFY(f.prompter.asked.isEmpty());
    }

    void aboutStandsAboveUnsavedFigures()
    {
        TeamOne f;
        f.edit(WindowPScreen);
        bool shown = false;
        onNextModal([&](QWidget* modal) {
            QVERIFY(modal->findChild<QLabel*>(QStringLiteral("LabelBuild")));
            QTest::keyClick(modal, Qt::Key_Escape);
            shown = true;
        });
        f.mdi->runMenuCommand(QStringLiteral("mnuAbout"));
        QVERIFY(shown);
        QVERIFY(f.prompter.asked.isEmpty());
        QCOMPARE(f.currentName(), QStringLiteral("frmPScreen"));
        QCOMPARE(f.child<QLineEdit>("txtCat0")->text(), QStringLiteral("45"));
        QVERIFY(!f.exitEnabled()); // still the player screen's
    }

    void rosterOverThePlayerScreenWritesHoweverClosed_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("close box") << false;
    }
    void rosterOverThePlayerScreenWritesHoweverClosed()
    {
        QFETCH(bool, escape);
        TeamOne f;
        f.open(WindowPScreen);
        bool edited = false;
        onNextModal([&](QWidget* modal) {
            auto* list = modal->findChild<QListWidget*>(QStringLiteral("lstPlayerList"));
            auto* name = modal->findChild<QLineEdit*>(QStringLiteral("txtPlayerName"));
            list->setCurrentRow(8);
            name->setFocus();
            QTest::keyClicks(name, QStringLiteral("Cy"));
            if (escape)
                QTest::keyClick(name, Qt::Key_Escape);
            else
                modal->close();
            edited = true;
        });
        f.click("cmdRoster");
        QVERIFY(edited);
        QVERIFY(!f.mdi->isOpen(WindowRoster));
        QCOMPARE(f.storedNames(), QStringList({QStringLiteral("Ana"), QStringLiteral("Cy")}));
        auto* table = f.child<QTableWidget>("tblPlayerList");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 1)->text().trimmed(), QStringLiteral("Cy"));
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

        // The list still names a team for Import.
        f.state->currentGame.edit = GameEdit::Add;
        f.open(WindowGameScreen);
        combo = f.child<QComboBox>("cmbOpponents");
        combo->setCurrentIndex(0);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), QStringLiteral("Tigers U12"));
        QCOMPARE(f.state->currentGame.opponentSlot, 2);

        // Too long a name is cut to the field.
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QString(30, u'x'));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
        QCOMPARE(combo->currentText(), QString(25, u'x'));
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
            f.click("cmdDelete");
        }
        QCOMPARE(f.prompter.last().title, title);
        QCOMPARE(f.prompter.last().defaultButton, safe);
        QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), GameBytes{}.bytes());
        QCOMPARE(f.readDataFile(QStringLiteral("KVPN1.DAT")), roster);
        QVERIFY(!f.state->roster.free[4]);
    }

    void enterOnATeamOpensItsGames()
    {
        TeamOne f;
        f.open(WindowSelectTeam);
        auto* list = f.child<QListWidget>("lstSelectTeam");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(f.currentName(), QStringLiteral("frmGameMenu"));
    }

    void aBareFileNameGoesToTheReportFolder()
    {
        TeamOne f;
        f.state->settings.reportFolder = f.dir.path() + QStringLiteral("/reports/");
        QDir().mkpath(f.state->settings.reportFolder);
        f.open(WindowRoster);
        f.printTo(QStringLiteral("roster.txt"));
        const QString written = f.state->settings.reportFolder + QStringLiteral("roster.txt");
        QVERIFY(QFile::exists(written));
        QVERIFY(!QFile::exists(QDir::currentPath() + QStringLiteral("/roster.txt")));
        QCOMPARE(
            f.mdi->statusBar()->currentMessage(), QStringLiteral("Report written to ") + written);
    }

    void folderPickersMakeNewFolders()
    {
        TeamOne f;
        f.mdi->runMenuCommand(QStringLiteral("mnuBackUp"));
        auto* picker = f.child<FolderPicker>("");
        picker->setPath(f.dir.path());
        f.prompter.texts = {QStringLiteral("usb copy")};
        f.click("cmdNewFolder");
        const QString made = f.dir.path() + QStringLiteral("/usb copy/");
        QVERIFY(QDir(made).exists());
        QCOMPARE(picker->path(), made);

        // A folder that is there already is refused with the reason.
        picker->setPath(f.dir.path());
        f.prompter.texts = {QStringLiteral("usb copy")};
        f.click("cmdNewFolder");
        QCOMPARE(f.prompter.last().title, QStringLiteral("Folder Not Made"));
        QCOMPARE(picker->path(), f.dir.path() + u'/');

        f.click("cmdOK");
        QCOMPARE(f.currentName(), QStringLiteral("frmSelectTeam"));
    }
};

QTEST_MAIN(TestLeavingWindows)
#include "test_leaving_windows.moc"
