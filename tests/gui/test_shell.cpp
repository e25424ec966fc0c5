// The shell's windows driven as a user would: start-up, the team window and the menus, team name,
// delete files, data folder, back-up and restore, shut-down, and the sample league command and
// its offer on the first start.
#include "GuiTestSupport.h"

#include "core/state/DefaultSettings.h"
#include "core/teams/SampleLeague.h"
#include "gui/shell/FolderPicker.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

void clickLine(GuiFixture& f, int line, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    auto* list = f.child<QListWidget>("lstSelectTeam");
    QVERIFY(list);
    list->scrollToItem(list->item(line));
    const QRect rect = list->visualItemRect(list->item(line));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

bool enabled(GuiFixture& f, const char* item)
{
    return f.mdi->menuAction(QString::fromLatin1(item))->isEnabled();
}

QString teamLine(GuiFixture& f, int line)
{
    return f.child<QListWidget>("lstSelectTeam")->item(line)->text();
}

// Points the sample league's folder into the fixture's folder.
QString useSampleFolderIn(const GuiFixture& f)
{
    qputenv("XDG_DATA_HOME", (f.dir.path() + QStringLiteral("/xdg-data")).toLocal8Bit());
    return SampleLeague::defaultFolder();
}

const QString Welcome = QStringLiteral("Welcome to Scorvane for Soccer");

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Which settings files are refused is the core settings tests' part.
    void aBadSettingsFileEndsTheStart()
    {
        GuiFixture f;
        writeWholeFile(f.settingsPath(), QByteArray(668, ' '));
        QVERIFY(!f.mdi->startProgram(f.tempFolders()));
        QVERIFY(f.prompter.wasAsked(QStringLiteral("QMKV.INI File Corrupt or Not Found"),
            QStringLiteral("Reinstall Scorvane for Soccer")));
        QVERIFY(f.mdi->currentChild() == nullptr);
    }

    void missingDataFolderAsksForOneWithoutCancel()
    {
        GuiFixture f;
        writeWholeFile(f.settingsPath(),
            defaultSettingsRecord(f.dir.path() + QStringLiteral("/gone/")).encode());
        QVERIFY(f.mdi->startProgram(f.tempFolders()));
        QCOMPARE(f.currentName(), QStringLiteral("frmDatapath"));
        QVERIFY(f.prompter.wasAsked(QStringLiteral("Drive/Directory Error"),
            QStringLiteral("Select valid data directory")));
        QVERIFY(f.child<QPushButton>("cmdCancel")->isHidden());
        QVERIFY(!enabled(f, "mnuPlayer") && !enabled(f, "mnuTeamName"));

        // Choosing the fixture's data folder creates the team list there.
        f.child<FolderPicker>("")->setPath(f.dataPath());
        f.click("cmdOK");
        QCOMPARE(f.currentName(), QStringLiteral("frmSelectTeam"));
        QVERIFY(!f.state->teamChoice.listMissing);
    }

    void menusFollowTheTeamsChosen()
    {
        GuiFixture f;
        QVERIFY(f.start());
        QVERIFY(enabled(f, "mnuGames") && enabled(f, "mnuRecord") && enabled(f, "mnuPlayer")
            && enabled(f, "mnuDeleteFiles") && !enabled(f, "mnuStandings"));
        clickLine(f, 4, Qt::ControlModifier); // slots 1 and 5
        QCOMPARE(f.child<QLabel>("lblNumberOfTeams")->text(), QStringLiteral("2"));
        QVERIFY(enabled(f, "mnuStandings") && enabled(f, "mnuRoster") && enabled(f, "mnuPlayer"));
        QVERIFY(!enabled(f, "mnuGames") && !enabled(f, "mnuRecord"));

        clickLine(f, 0, Qt::ControlModifier);
        clickLine(f, 4, Qt::ControlModifier); // nothing chosen
        QCOMPARE(f.child<QLabel>("lblNumberOfTeams")->text(), QStringLiteral("0"));
        QVERIFY(enabled(f, "mnuDataPath") && enabled(f, "mnuBackUp") && enabled(f, "mnuRestore")
            && enabled(f, "mnuNameYourOwn"));
        QVERIFY(!enabled(f, "mnuPlayer") && !enabled(f, "mnuUpdateGames") && !enabled(f, "mnuGames")
            && !enabled(f, "mnuDeleteFiles") && !enabled(f, "mnuStandings"));
    }

    // Naming a team (Escape cancels, Enter in a name box is OK) and deleting a team's files
    // reach the chosen team only. Which names are refused and which files a deletion takes are
    // the core shell tests' part.
    void namingATeamAndDeletingItsFiles()
    {
        GuiFixture f;
        QVERIFY(f.start());
        clickLine(f, 2);
        f.mdi->runMenuCommand(QStringLiteral("mnuTeamName"));
        QVERIFY(!enabled(f, "mnuTeamName")); // menus wait for the team window
        QTest::keyClicks(f.child<QLineEdit>("txtTeamName"), QStringLiteral("Lost"));
        QTest::keyClick(f.child<QLineEdit>("txtTeamName"), Qt::Key_Escape);
        QCOMPARE(teamLine(f, 2), QStringLiteral("Team 3"));
        f.mdi->runMenuCommand(QStringLiteral("mnuTeamName"));
        f.child<QLineEdit>("txtTeamName")->setText(QStringLiteral("Northfield Falcons"));
        QTest::keyClick(f.child<QLineEdit>("TxtShortTeamName"), Qt::Key_Return);
        QCOMPARE(teamLine(f, 2), QStringLiteral("Northfield Falcons"));

        for (const char* name : {"KVPN2.DAT", "KVPN1.DAT"})
            f.writeDataFile(QString::fromLatin1(name), "data");
        clickLine(f, 1);
        f.mdi->runMenuCommand(QStringLiteral("mnuDeleteFiles"));
        f.prompter.answers = {Message::Answer::Ok}; // Cancel is the leaving-windows test's part
        f.click("cmdDelete");
        QCOMPARE(f.currentName(), QStringLiteral("frmSelectTeam"));
        QVERIFY(!QFile::exists(f.dataPath() + QStringLiteral("KVPN2.DAT")));
        QVERIFY(QFile::exists(f.dataPath() + QStringLiteral("KVPN1.DAT")));
    }

    void movingToANewDataFolder()
    {
        GuiFixture f;
        QVERIFY(f.start());
        const QString fresh = f.dir.path() + QStringLiteral("/season2025/");
        QDir().mkpath(fresh);
        const QString old = f.dataPath();
        f.mdi->runMenuCommand(QStringLiteral("mnuDataPath"));
        f.child<FolderPicker>("")->setPath(f.dir.path());
        // Highlighted, not opened: it still counts.
        auto* folders = f.child<QListWidget>("Dir1");
        const auto found = folders->findItems(QStringLiteral("season2025"), Qt::MatchEndsWith);
        QCOMPARE(found.size(), 1);
        folders->setCurrentItem(found.first());
        f.click("cmdOK");
        QCOMPARE(f.state->settings.dataFolder, fresh);
        // The team files the menu command opened empty in the old folder are gone.
        QCOMPARE(QDir(old).entryList(QDir::Files), QStringList{QStringLiteral("KVTEAMS.DAT")});
        QCOMPARE(teamLine(f, 99), QStringLiteral("Team 100"));
    }

    void backUpAndRestore()
    {
        GuiFixture f;
        QVERIFY(f.start());
        f.writeDataFile(QStringLiteral("KVPN1.DAT"), QByteArray(201, 'n'));
        f.writeDataFile(QStringLiteral("KVPS1.DAT"), QByteArray()); // skipped
        f.writeDataFile(QStringLiteral("KVGS1.DAT"), QByteArray(150, 'g'));
        const QString usb = f.dir.path() + QStringLiteral("/usb/");
        f.mdi->runMenuCommand(QStringLiteral("mnuBackUp"));
        QCOMPARE(f.current()->windowTitle(), QStringLiteral("Back Up Data Files"));
        // New Folder makes the folder and moves to it (which names are refused is the core
        // folder tests' part).
        auto* picker = f.child<FolderPicker>("");
        picker->setPath(f.dir.path());
        f.prompter.texts = {QStringLiteral("usb")};
        f.click("cmdNewFolder");
        QCOMPARE(picker->path(), usb);
        f.click("cmdOK");
        QVERIFY(f.prompter.wasAsked(
            QStringLiteral("Back Up Complete"), QStringLiteral("3 files backed up!")));
        QCOMPARE(f.currentName(), QStringLiteral("frmSelectTeam"));

        // A team renamed in the copy comes back; a data file the copy lacks is named.
        QFile::remove(usb + QStringLiteral("KVGS1.DAT"));
        QByteArray teams = readWholeFile(usb + QStringLiteral("KVTEAMS.DAT"));
        teams.replace(0, 25, QByteArray("Restored Rovers          "));
        writeWholeFile(usb + QStringLiteral("KVTEAMS.DAT"), teams);
        f.mdi->runMenuCommand(QStringLiteral("mnuRestore"));
        f.child<FolderPicker>("")->setPath(usb);
        f.click("cmdOK"); // Enter: nothing is copied
        const Message question = f.prompter.last();
        QCOMPARE(question.text,
            QStringLiteral("Restore 2 data files from\n%1\ninto the data folder\n%2?\n\n2 files "
                           "of the data folder will be replaced.")
                .arg(usb, f.dataPath()));
        QCOMPARE(question.defaultButton, Message::Answer::No);
        QCOMPARE(f.currentName(), QStringLiteral("frmBackup"));
        f.prompter.answers = {Message::Answer::Yes};
        f.click("cmdOK");
        QVERIFY(f.prompter.wasAsked(QStringLiteral("Restore Complete"),
            QStringLiteral("2 files restored!\n\nThese files of the data folder are not in the "
                           "backup and were left as they were:\nKVGS1.DAT")));
        QCOMPARE(teamLine(f, 0), QStringLiteral("Restored Rovers"));
    }

    void closingTheMainWindowShutsDown()
    {
        GuiFixture f;
        QVERIFY(f.start());
        f.mdi->runMenuCommand(QStringLiteral("mnuRoster")); // opens the team files, writes nothing
        f.state->settings.sortColumn = 4;
        f.mdi->close();
        // The settings are rewritten with the current sort column; the layout and the reserved
        // fields are the core tests' business.
        QCOMPARE(readWholeFile(f.settingsPath()).mid(566, 2), QByteArray("\x04\x00", 2));
        QCOMPARE(
            QDir(f.dataPath()).entryList(QDir::Files), QStringList{QStringLiteral("KVTEAMS.DAT")});
    }

    void sampleLeagueCommandSwitchesAndSaysHowBack()
    {
        GuiFixture f;
        const QString sample = useSampleFolderIn(f);
        const QString own = f.dataPath();
        QVERIFY(f.start());
        // Nothing is asked but the first start's offer, answered No.
        QCOMPARE(f.prompter.asked.size(), 1);
        QCOMPARE(f.prompter.last().title, Welcome);
        QCOMPARE(f.dataPath(), own);

        f.mdi->menuAction(QStringLiteral("mnuSampleLeague"))->trigger();
        QCOMPARE(f.dataPath(), sample);
        QCOMPARE(f.state->teamChoice.names[1].trimmed(), QStringLiteral("Riverside Rovers"));
        QCOMPARE(f.prompter.last().title, QStringLiteral("Sample League"));
        QVERIFY(f.prompter.last().text.contains(own));
        // Saving the choice and moving the lock are the core folder change tests' part.

        // Changes made in the league stay when it is opened again.
        writeWholeFile(sample + QStringLiteral("KVGS1.DAT"), QByteArray());
        f.mdi->menuAction(QStringLiteral("mnuSampleLeague"))->trigger();
        QCOMPARE(f.dataPath(), sample);
        QCOMPARE(QFileInfo(sample + QStringLiteral("KVGS1.DAT")).size(), 0);
    }

    void yesToTheFirstStartsOfferOpensTheSampleLeague()
    {
        GuiFixture f;
        const QString sample = useSampleFolderIn(f);
        f.prompter.answers = {Message::Answer::Yes};
        QVERIFY(f.start());
        QCOMPARE(f.prompter.asked.first().title, Welcome);
        QCOMPARE(f.dataPath(), sample);
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
