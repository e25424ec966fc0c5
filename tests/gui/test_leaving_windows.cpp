// Leaving a window by every path keeps what was typed: menu commands ask the open window first,
// About stands above it, the roster over the player screen writes however it is closed, the
// opponent box keeps what was typed, and questions that destroy data default to the safe answer.
#include "GuiTestSupport.h"

#include "core/store/GameRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/TeamList.h"
#include "gui/shell/FolderPicker.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
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
    explicit TeamOne(const QByteArray& games = GameBytes{}.bytes())
    {
        writeDataFile(QStringLiteral("KVPN1.DAT"), nameBytes(4, "Ana"));
        writeDataFile(QStringLiteral("KVGS1.DAT"), games);
        chooseTeam(1, QStringLiteral("Comets"));
        state->currentGame.number = 1;
        mdi->show();
        QApplication::setActiveWindow(mdi.get());
    }
    void enableMenus() const { mdi->selectionChanged(1); }
    // The player screen with 45 typed in Ana's first box.
    QLineEdit* figuresTyped()
    {
        open(WindowPScreen);
        auto* box = child<QLineEdit>("txtCat0");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("45"));
        return box;
    }
    bool exitEnabled() const
    {
        return mdi->findChild<QPushButton*>(QStringLiteral("cmdExit"))->isEnabled();
    }
    QString storedOpponent(int record = 1) const
    {
        const QByteArray games = readDataFile(QStringLiteral("KVGS1.DAT"));
        return GameRecord::decode(games.mid((record - 1) * GameRecord::Length, GameRecord::Length))
            .opponent.trimmed();
    }
};

QString rosterName(const QByteArray& roster, int record)
{
    return PlayerNameRecord::decode(
        roster.mid((record - 1) * PlayerNameRecord::Length, PlayerNameRecord::Length))
        .playerName.trimmed();
}

} // namespace

class TestLeavingWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aboutStandsAboveUnsavedFigures()
    {
        TeamOne f;
        QLineEdit* box = f.figuresTyped();
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
        QCOMPARE(box->text(), QStringLiteral("45"));
        QVERIFY(!f.exitEnabled()); // still the player screen's
    }

    void menuCommandsAskTheOpenWindow()
    {
        // Unsaved figures: Cancel keeps the screen and its figures and drops the command.
        {
            TeamOne f;
            f.enableMenus();
            QLineEdit* box = f.figuresTyped();
            f.prompter.answers = {Message::Answer::Cancel};
            f.mdi->runMenuCommand(QStringLiteral("mnuRoster"));
            QCOMPARE(f.prompter.last().text, QStringLiteral("Save player statistics?"));
            QCOMPARE(f.prompter.last().buttons, Message::Buttons::YesNoCancel);
            QCOMPARE(f.currentName(), QStringLiteral("frmPScreen"));
            QCOMPARE(box->text(), QStringLiteral("45"));
            QCOMPARE(f.readDataFile(QStringLiteral("KVPS1.DAT")), QByteArray());

            // The menu's own Exit Program asks the same way.
            f.mdi->setShutDown([] {});
            f.prompter.answers = {Message::Answer::Cancel};
            f.mdi->menuAction(QStringLiteral("mnuExitProgram"))->trigger();
            QCOMPARE(f.prompter.asked.size(), 2);
            QCOMPARE(f.currentName(), QStringLiteral("frmPScreen"));

            // Yes saves, then the command runs and the exit button comes back.
            f.prompter.answers = {Message::Answer::Yes};
            f.mdi->runMenuCommand(QStringLiteral("mnuRoster"));
            QCOMPARE(f.currentName(), QStringLiteral("frmRoster"));
            QCOMPARE(f.readDataFile(QStringLiteral("KVPS1.DAT")).size(), 115);
            QVERIFY(f.exitEnabled());
        }
        // Roster names and contacts are written as the roster's Close writes them.
        {
            TeamOne f;
            f.enableMenus();
            f.open(WindowRoster);
            auto* list = f.child<QListWidget>("lstPlayerList");
            list->setCurrentRow(6);
            auto* name = f.child<QLineEdit>("txtPlayerName");
            name->setFocus();
            QTest::keyClicks(name, QStringLiteral("Bea"));
            auto* phone = f.child<QLineEdit>("txtPhone");
            phone->setFocus();
            QTest::keyClicks(phone, QStringLiteral("555-0199"));
            f.mdi->runMenuCommand(QStringLiteral("mnuUpdateGames"));
            QCOMPARE(f.currentName(), QStringLiteral("frmGameMenu"));
            const QByteArray roster = f.readDataFile(QStringLiteral("KVPN1.DAT"));
            QCOMPARE(roster.size(), 2 * PlayerNameRecord::Length);
            QCOMPARE(rosterName(roster, 2), QStringLiteral("Bea"));
            QVERIFY(f.readDataFile(QStringLiteral("KVPI1.DAT")).contains("555-0199"));
            QVERIFY(f.prompter.asked.isEmpty());
        }
        // An unsaved game: No drops it and the command runs.
        {
            TeamOne f;
            f.enableMenus();
            f.state->currentGame.edit = GameEdit::Change;
            f.open(WindowGameScreen);
            f.child<QLineEdit>("txtGameLoc")->setText(QStringLiteral("Elm Park"));
            f.prompter.answers = {Message::Answer::No};
            f.mdi->runMenuCommand(QStringLiteral("mnuTeamName"));
            QCOMPARE(f.prompter.last().text, QStringLiteral("Save game information?"));
            QCOMPARE(f.currentName(), QStringLiteral("frmTeamName"));
            QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), GameBytes{}.bytes());
        }
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
        QCOMPARE(rosterName(f.readDataFile(QStringLiteral("KVPN1.DAT")), 2), QStringLiteral("Cy"));
        auto* table = f.child<QTableWidget>("tblPlayerList");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 1)->text().trimmed(), QStringLiteral("Cy"));
    }

    void exitComesBackWhenThePlayerScreenGoes()
    {
        TeamOne f;
        f.enableMenus();
        f.open(WindowPScreen);
        QVERIFY(!f.exitEnabled());
        f.mdi->runMenuCommand(QStringLiteral("mnuDataPath"));
        QCOMPARE(f.currentName(), QStringLiteral("frmDatapath"));
        QVERIFY(f.exitEnabled());
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
        QCOMPARE(f.storedOpponent(2), QStringLiteral("Tigers"));

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
    void enterOnADestructiveQuestionChangesNothing()
    {
        {
            TeamOne f;
            f.open(WindowGameMenu);
            f.click("cmdDelete");
            QCOMPARE(f.prompter.last().title, QStringLiteral("Delete Game?"));
            QCOMPARE(f.prompter.last().defaultButton, Message::Answer::Cancel);
            QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), GameBytes{}.bytes());
        }
        {
            TeamOne f;
            f.open(WindowDeleteFiles);
            f.click("cmdDelete");
            QCOMPARE(f.prompter.last().title, QStringLiteral("Delete Files"));
            QCOMPARE(f.prompter.last().defaultButton, Message::Answer::Cancel);
            QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), GameBytes{}.bytes());
        }
        {
            TeamOne f;
            f.open(WindowRoster);
            f.child<QListWidget>("lstPlayerList")->setCurrentRow(3);
            f.click("cmdDelete");
            QCOMPARE(f.prompter.last().defaultButton, Message::Answer::No);
            QVERIFY(!f.state->roster.free[4]);
        }
        {
            TeamOne f;
            const QByteArray roster = f.readDataFile(QStringLiteral("KVPN1.DAT"));
            f.open(WindowPlayerNumber);
            f.child<QListWidget>("lstPlayer")->setCurrentRow(3);
            auto* number = f.child<QLineEdit>("txtNewNumber");
            number->setFocus();
            QTest::keyClicks(number, QStringLiteral("12"));
            QTest::keyClick(number, Qt::Key_Return);
            QCOMPARE(f.prompter.last().title, QStringLiteral("Change Player Number"));
            QCOMPARE(f.prompter.last().defaultButton, Message::Answer::No);
            QCOMPARE(f.readDataFile(QStringLiteral("KVPN1.DAT")), roster);
            QVERIFY(!f.state->roster.free[4]);
        }
    }

    void restoreAsksFirstAndNamesFilesLeftBehind()
    {
        TeamOne f;
        f.enableMenus();
        const QString backup = f.dir.path() + QStringLiteral("/backup/");
        QDir().mkpath(backup);
        writeWholeFile(backup + QStringLiteral("KVPN1.DAT"), nameBytes(9, "Old Name"));
        writeWholeFile(backup + QStringLiteral("KVPS5.DAT"), QByteArray(115, 's'));
        writeWholeFile(backup + QStringLiteral("KVGS1.DAT"), QByteArray()); // empty: skipped
        f.mdi->runMenuCommand(QStringLiteral("mnuRestore"));
        f.child<FolderPicker>("")->setPath(backup);

        // Enter: nothing is copied.
        f.click("cmdOK");
        const Message question = f.prompter.last();
        QCOMPARE(question.title, QStringLiteral("Restore Data Files"));
        QCOMPARE(question.text,
            QStringLiteral("Restore 2 data files from\n%1\ninto the data folder\n%2?\n\n1 files "
                           "of the data folder will be replaced.")
                .arg(backup, f.dataPath()));
        QCOMPARE(question.defaultButton, Message::Answer::No);
        QCOMPARE(f.currentName(), QStringLiteral("frmBackup"));
        QCOMPARE(rosterName(f.readDataFile(QStringLiteral("KVPN1.DAT")), 1), QStringLiteral("Ana"));

        f.prompter.answers = {Message::Answer::Yes};
        f.click("cmdOK");
        QCOMPARE(
            rosterName(f.readDataFile(QStringLiteral("KVPN1.DAT")), 1), QStringLiteral("Old Name"));
        const auto done = std::find_if(f.prompter.asked.begin(), f.prompter.asked.end(),
            [](const Message& m) { return m.title == QStringLiteral("Restore Complete"); });
        QVERIFY(done != f.prompter.asked.end());
        QCOMPARE(done->text,
            QStringLiteral("2 files restored!\n\nThese files of the data folder are not in the "
                           "backup and were left as they were:\nKVGS1.DAT\nKVTEAMS.DAT"));
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
        onNextModal([](QWidget* modal) {
            modal->findChild<QLineEdit*>(QStringLiteral("txtFileName"))
                ->setText(QStringLiteral("roster.txt"));
            modal->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        f.click("cmdPrint");
        const QString written = f.state->settings.reportFolder + QStringLiteral("roster.txt");
        QVERIFY(QFile::exists(written));
        QVERIFY(!QFile::exists(QDir::currentPath() + QStringLiteral("/roster.txt")));
        QCOMPARE(
            f.mdi->statusBar()->currentMessage(), QStringLiteral("Report written to ") + written);
    }

    void folderPickersMakeNewFolders()
    {
        TeamOne f;
        f.enableMenus();
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
