// Edit > Undo and Redo as a coach uses them: a game deleted in the game list and brought back,
// the step named in the menu, a redo refused after an outside change, windows holding typing of
// their own left alone, and the history emptied with another data folder.
#include "GuiTestSupport.h"

#include "gui/app/UndoHistory.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

using namespace scorvane;
using namespace scorvane::testing;

class TestUndo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deletedGameComesBackAndGoesAgain()
    {
        GuiFixture f;
        f.writeDataFile(QStringLiteral("KVGS1.DAT"),
            games({game(1, "Rovers", 3, 1), game(2, "Owls", 1, 1), game(3, "Bears", 0, 2)}));
        f.chooseTeam(1, QStringLiteral("Hawks"));
        const QByteArray before = f.readDataFile(QStringLiteral("KVGS1.DAT"));
        QAction* undo = f.mdi->menuAction(QStringLiteral("mnuUndo"));
        QAction* redo = f.mdi->menuAction(QStringLiteral("mnuRedo"));
        QVERIFY(undo && redo);
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(redo->shortcuts().size(), 2);

        f.open(WindowGameMenu);
        f.child<QListWidget>("lstGameMenu")->setCurrentRow(1);
        f.prompter.answers = {Message::Answer::Ok};
        f.click("cmdDelete");
        const QByteArray deleted = f.readDataFile(QStringLiteral("KVGS1.DAT"));
        QVERIFY(deleted != before);
        QCOMPARE(undo->text(), QStringLiteral("&Undo Delete Game 2"));
        QVERIFY(undo->isEnabled());

        undo->trigger();
        QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), before);
        QCOMPARE(f.child<QListWidget>("lstGameMenu")->count(), 3); // the list was read again
        QCOMPARE(redo->text(), QStringLiteral("&Redo Delete Game 2"));
        redo->trigger();
        QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), deleted);
        QCOMPARE(f.child<QListWidget>("lstGameMenu")->count(), 2);
        undo->trigger();

        // The games file changed behind the history's back (a restore, another program).
        QByteArray outside = before;
        outside[10] = 'X';
        f.writeDataFile(QStringLiteral("KVGS1.DAT"), outside);
        redo->trigger();
        QCOMPARE(f.prompter.last().title, QStringLiteral("Cannot Redo"));
        QVERIFY(f.prompter.last().text.contains(QStringLiteral("KVGS1.DAT")));
        QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), outside);
        QCOMPARE(redo->text(), QStringLiteral("&Redo Delete Game 2")); // still there to retry
        f.writeDataFile(QStringLiteral("KVGS1.DAT"), before);

        // A window with typing of its own keeps it: the stored steps wait.
        f.click("cmdAddGame");
        const int asked = f.prompter.asked.size();
        redo->trigger();
        QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), before);
        QCOMPARE(f.prompter.asked.size(), asked);

        // Another data folder: the steps belong to the old one's files.
        f.click("cmdCancel");
        f.state->settings.dataFolder = f.dir.path() + QStringLiteral("/elsewhere/");
        redo->trigger();
        QCOMPARE(f.mdi->undoHistory()->stack().count(), 0);
    }
};

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
