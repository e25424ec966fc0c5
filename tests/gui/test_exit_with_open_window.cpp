// Ending the program while a window still holds work that only its own buttons write: unsaved
// figures are asked about, roster edits are kept.
#include "GuiTestSupport.h"

#include "core/store/PlayerNameRecord.h"
#include "gui/app/ChildWindow.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

class TestExitWithOpenWindow : public QObject
{
    Q_OBJECT

    // Team 1 with player 4 and game 1 chosen, and `kind` open on the shown main window.
    static void openForTeamOne(GuiFixture& f, WindowKind kind)
    {
        f.writeDataFile(QStringLiteral("KVPN1.DAT"), nameBytes(4, "Ana"));
        f.writeDataFile(QStringLiteral("KVGS1.DAT"), GameBytes{}.bytes());
        f.chooseTeam();
        f.state->currentGame.number = 1;
        f.mdi->show();
        f.open(kind);
    }

    static bool closeMainWindow(GuiFixture& f)
    {
        // The shut-down itself is not what is tested here.
        f.mdi->setShutDown([] {});
        QCloseEvent close;
        QCoreApplication::sendEvent(f.mdi.get(), &close);
        return close.isAccepted();
    }

private Q_SLOTS:
    void unsavedFiguresAreAskedAbout()
    {
        GuiFixture f;
        openForTeamOne(f, WindowPScreen);
        auto* box = f.child<QLineEdit>("txtCat0");
        QVERIFY(box);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("45"));

        const QString typed = box->text();
        f.prompter.answers = {Message::Answer::Cancel};
        QVERIFY(!closeMainWindow(f));
        QCOMPARE(f.prompter.last().title, QStringLiteral("Player Statistics Changed!"));
        QCOMPARE(f.prompter.last().text, QStringLiteral("Save player statistics?"));
        QCOMPARE(f.prompter.last().buttons, Message::Buttons::YesNoCancel);
        QVERIFY(f.mdi->isOpen(WindowPScreen));
        QCOMPARE(box->text(), typed);

        f.prompter.answers = {Message::Answer::No};
        QVERIFY(closeMainWindow(f));
        QCOMPARE(f.readDataFile(QStringLiteral("KVPS1.DAT")), QByteArray());
    }

    void nothingChangedAsksNothing()
    {
        GuiFixture f;
        openForTeamOne(f, WindowGameScreen);
        QVERIFY(closeMainWindow(f));
        QVERIFY(f.prompter.asked.isEmpty());
    }

    void rosterEditsAreKept()
    {
        GuiFixture f;
        openForTeamOne(f, WindowRoster);
        auto* name = f.child<QLineEdit>("txtPlayerName");
        auto* list = f.child<QListWidget>("lstPlayerList");
        QVERIFY(name && list);
        list->setCurrentRow(6);
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Bea"));
        QVERIFY(closeMainWindow(f));
        const QByteArray roster = f.readDataFile(QStringLiteral("KVPN1.DAT"));
        QCOMPARE(roster.size(), 2 * PlayerNameRecord::Length);
        QCOMPARE(
            PlayerNameRecord::decode(roster.mid(PlayerNameRecord::Length)).playerName.trimmed(),
            QStringLiteral("Bea"));
    }
};

QTEST_MAIN(TestExitWithOpenWindow)
#include "test_exit_with_open_window.moc"
