// The roster window: list lines, name editing, Delete, the Enter order, Close from the team
// window and from a caller, and the printout to a file matching the report tool byte for byte.
#include "GuiTestSupport.h"

#include "ReportCommand.h"

#include "gui/output/PrintDialog.h"
#include "gui/roster/RosterWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// The roster window of team 1 "Rovers", opened on the given roster file.
struct RosterWindowFixture : GuiFixture
{
    RosterWindow* window = nullptr;

    explicit RosterWindowFixture(const QByteArray& roster = {})
    {
        writeDataFile(QStringLiteral("KVPN1.DAT"), roster);
        chooseTeam(1, QStringLiteral("Rovers"));
        mdi->show();
        QApplication::setActiveWindow(mdi.get());
        window = qobject_cast<RosterWindow*>(open(WindowRoster));
    }
    QListWidget* list() const { return child<QListWidget>("lstPlayerList"); }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    // Selects number n's line and types a name into the name box, ending with the focus there.
    void typeName(int number, const QString& name) const
    {
        list()->setFocus();
        list()->setCurrentRow(number - 1);
        box("txtPlayerName")->setFocus();
        box("txtPlayerName")->selectAll();
        QTest::keyClick(box("txtPlayerName"), Qt::Key_Backspace);
        QTest::keyClicks(box("txtPlayerName"), name);
    }
    void typeInfo(const char* name, const QString& text) const
    {
        box(name)->setFocus();
        QTest::keyClicks(box(name), text);
    }
};

} // namespace

class TestRoster : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensWithNinetyNineLinesAndNumberOneShown()
    {
        RosterWindowFixture r(nameBytes(1, "Ann Lee") + nameBytes(42, "Bo Kim"));
        QVERIFY(r.window);
        QCOMPARE(r.window->windowTitle(), QStringLiteral("Roster - Rovers"));
        QCOMPARE(r.list()->count(), 99);
        QCOMPARE(r.list()->item(0)->text(), QStringLiteral("  1 Ann Lee          "));
        QCOMPARE(r.list()->item(1)->text(), QStringLiteral("  2 ____________________"));
        QCOMPARE(r.list()->item(41)->text(), QStringLiteral("42 Bo Kim           "));
        QCOMPARE(r.list()->currentRow(), 0);
        QCOMPARE(r.box("txtPlayerName")->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(r.box("txtPlayerName")->maxLength(), 17);
        QCOMPARE(r.box("txtOther")->maxLength(), 70);
    }

    void leavingTheNameForAnotherLineSavesItAndMovesOn()
    {
        RosterWindowFixture r;
        r.typeName(5, QStringLiteral("Christopher Montgomery"));
        r.list()->setFocus();
        r.list()->setCurrentRow(29);
        QCOMPARE(r.list()->item(4)->text(), QStringLiteral("  5 Christopher Montg"));
        QVERIFY(!r.state->roster.free[5]);
        QCOMPARE(r.list()->currentRow(), 29);
        QCOMPARE(r.box("txtPlayerName")->text(), QString());
    }

    void erasingANameFreesTheNumberButKeepsItsAddress()
    {
        RosterWindowFixture r(nameBytes(12, "Kim"));
        r.list()->setCurrentRow(11);
        r.typeInfo("txtAddress1", QStringLiteral("9 Bay Rd"));
        r.typeName(12, QString());
        r.list()->setFocus();
        QCOMPARE(r.list()->item(11)->text(), QStringLiteral("12 ____________________"));
        QCOMPARE(r.list()->currentRow(), 11);
        QCOMPARE(r.box("txtAddress1")->text(), QStringLiteral("9 Bay Rd"));
        r.click("cmdClose");
        const QByteArray info = r.readDataFile(QStringLiteral("KVPI1.DAT"));
        QCOMPARE(info.size(), 500);
        QCOMPARE(info.mid(0, 2), QByteArray("\x0c\x00", 2));
        QCOMPARE(info.mid(22, 8), QByteArray("9 Bay Rd"));
    }

    void deleteAsksFirst()
    {
        RosterWindowFixture r(nameBytes(3, "Tia Ortiz"));
        r.list()->setCurrentRow(2);
        r.typeInfo("txtPhone", QStringLiteral("555"));
        r.prompter.answers = {Message::Answer::No};
        r.click("cmdDelete");
        const Message asked = r.prompter.last();
        QCOMPARE(asked.title, QStringLiteral("Delete Player From Roster"));
        QCOMPARE(asked.text,
            QStringLiteral("Are you sure you want to delete the player name and information?"));
        QCOMPARE(asked.buttons, Message::Buttons::YesNo);
        QCOMPARE(asked.defaultButton, Message::Answer::No);
        QVERIFY(!r.state->roster.free[3]);

        r.prompter.answers = {Message::Answer::Yes};
        r.click("cmdDelete");
        QVERIFY(r.state->roster.free[3]);
        QCOMPARE(r.list()->item(2)->text(), QStringLiteral("  3 ____________________"));
        QCOMPARE(r.box("txtPhone")->text(), QString());
        QCOMPARE(r.list()->currentRow(), 2);
        r.click("cmdClose");
        QCOMPARE(r.readDataFile(QStringLiteral("KVPI1.DAT")), QByteArray());
    }

    void enterMovesThroughTheBoxesInOrder()
    {
        RosterWindowFixture r;
        const char* order[] = {"txtPlayerName", "txtPhone", "txtAddress1", "txtAddress2", "txtCity",
            "txtState", "txtZip", "txtOther"};
        r.box(order[0])->setFocus();
        for (int i = 1; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(order[i]));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdClose"));
        // One more Enter presses Close, which saves and returns to the team window.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(r.mdi->currentChild()->kind(), WindowSelectTeam);
    }

    void closeReturnsToTheTeamWindowOrToTheCaller()
    {
        RosterWindowFixture r;
        r.click("cmdClose");
        QVERIFY(r.mdi->currentChild() != nullptr);
        QCOMPARE(r.mdi->currentChild()->kind(), WindowSelectTeam);

        // Shown above another window, Close only closes the dialog.
        ChildWindow* caller = r.mdi->currentChild();
        bool closed = false;
        onNextModal([&closed, &r](QWidget* modal) {
            auto* roster = modal->findChild<RosterWindow*>();
            QVERIFY(roster);
            // Enter on the list is not taken by the dialog as a press of some button.
            auto* list = roster->findChild<QListWidget*>(QStringLiteral("lstPlayerList"));
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Return);
            QVERIFY(modal->isVisible());
            QVERIFY(r.prompter.asked.isEmpty());
            QTest::mouseClick(
                roster->findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
            closed = true;
        });
        r.mdi->showModal(WindowRoster);
        QVERIFY(closed);
        QCOMPARE(r.mdi->currentChild(), caller);
        QVERIFY(!r.mdi->isOpen(WindowRoster));
    }

    void printingToAFileMatchesTheReportTool()
    {
        RosterWindowFixture r;
        for (int n = 1; n <= 20; ++n) {
            r.typeName(n * 3, QStringLiteral("Player %1").arg(n * 3));
            r.typeInfo("txtPhone", QStringLiteral("555-01%1").arg(n, 2, 10, QChar(u'0')));
            if (n % 2 == 0)
                r.typeInfo("txtCity", QStringLiteral("Elm Grove"));
            if (n % 3 == 0)
                r.typeInfo("txtState", QStringLiteral("WI"));
            r.typeInfo("txtZip", QStringLiteral("53122"));
        }
        r.list()->setFocus();
        const QString file = r.dir.path() + QStringLiteral("/window.txt");
        onNextModal([&file](QWidget* modal) {
            auto* dialog = qobject_cast<PrintDialog*>(modal);
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("txtFileName"))->setText(file);
            dialog->findChild<QLineEdit*>(QStringLiteral("txtCopies"))
                ->setText(QStringLiteral("2"));
            QTest::mouseClick(
                dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        r.click("cmdPrint");
        QVERIFY(r.prompter.asked.isEmpty());
        r.click("cmdClose");

        const QString toolFile = r.dir.path() + QStringLiteral("/tool.txt");
        std::FILE* sink = std::tmpfile();
        const int code = runReportCommand(
            {QStringLiteral("roster"), QStringLiteral("--data"), r.dataPath(), QStringLiteral("-o"),
                toolFile, QStringLiteral("--copies"), QStringLiteral("2")},
            sink, sink);
        std::fclose(sink);
        QCOMPARE(code, 0);
        QFile a(file);
        QFile b(toolFile);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray printed = a.readAll();
        QVERIFY(printed.contains("54 - Player 54\r\n555-0118\r\nElm Grove, WI 53122\r\n"));
        QVERIFY(printed.count("\f\r\n") >= 4); // a page break in each of the two copies
        QCOMPARE(printed, b.readAll());
    }
};

QTEST_MAIN(TestRoster)
#include "test_roster.moc"
