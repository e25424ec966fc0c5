// The roster window: list lines, name editing, Delete, the Enter order, and its printout and
// exports matching the report tool byte for byte. How names are trimmed and cut and what the
// files hold are the core roster tests' part; Close over another window is the leaving-windows
// test's.
#include "GuiTestSupport.h"

#include "gui/roster/RosterWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

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
        showMain();
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
    // Names are saved on leaving the line; erasing one frees the number but keeps the contacts;
    // Delete asks first and clears both.
    void editingNamesAndContacts()
    {
        RosterWindowFixture r(
            nameBytes(1, "Ann Lee") + nameBytes(3, "Tia Ortiz") + nameBytes(12, "Kim"));
        QCOMPARE(r.window->windowTitle(), QStringLiteral("Roster - Rovers"));
        QCOMPARE(r.box("txtPlayerName")->text(), QStringLiteral("Ann Lee"));

        r.typeName(5, QStringLiteral("Christopher Montgomery"));
        r.list()->setFocus();
        r.list()->setCurrentRow(29);
        QCOMPARE(r.list()->item(4)->text(), QStringLiteral("  5 Christopher Montg"));
        QVERIFY(!r.state->roster.free[5]);
        QCOMPARE(r.box("txtPlayerName")->text(), QString());

        r.list()->setCurrentRow(11);
        r.typeInfo("txtAddress1", QStringLiteral("9 Bay Rd"));
        r.typeName(12, QString());
        r.list()->setFocus();
        QCOMPARE(r.list()->item(11)->text(), QStringLiteral("12 ____________________"));
        QCOMPARE(r.box("txtAddress1")->text(), QStringLiteral("9 Bay Rd"));

        // Delete's question and its safe default are the leaving-windows test's part.
        r.list()->setCurrentRow(2);
        r.typeInfo("txtPhone", QStringLiteral("555"));
        r.prompter.answers = {Message::Answer::Yes};
        r.click("cmdDelete");
        QVERIFY(r.state->roster.free[3]);
        QCOMPARE(r.box("txtPhone")->text(), QString());
        QCOMPARE(r.list()->currentRow(), 2);
        r.click("cmdClose");
        const QByteArray contacts = r.readDataFile(QStringLiteral("KVPI1.DAT"));
        QVERIFY(contacts.contains("9 Bay Rd") && !contacts.contains("555"));
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

    // Text, CSV and HTML from the window are the report tool's bytes for the same roster.
    void printingMatchesTheReportToolInEveryFileType()
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
        r.typeName(2, QStringLiteral("O'Neil, Eli"));
        r.list()->setFocus();
        const QByteArray printed
            = r.printTo(r.dir.filePath(QStringLiteral("window.txt")), 0, QStringLiteral("2"));
        QVERIFY(r.prompter.asked.isEmpty());
        r.click("cmdClose");
        QVERIFY(printed.count("\f\r\n") >= 4); // a page break in each of the two copies
        QCOMPARE(printed, r.toolOutput(texts({"roster", "--copies", "2"})));

        r.open(WindowRoster);
        const QString csv = r.dir.filePath(QStringLiteral("window.csv"));
        QCOMPARE(r.printTo(csv, 2), r.toolOutput(texts({"roster", "--format", "csv"})));
        QCOMPARE(r.mdi->statusBar()->currentMessage(), QStringLiteral("Report written to ") + csv);
        QCOMPARE(r.printTo(r.dir.filePath(QStringLiteral("window.html")), 3),
            r.toolOutput(texts({"roster", "--format", "html"})));

        // A failed write offers Retry and Cancel, leaves no file and claims nothing.
        r.mdi->statusBar()->clearMessage();
        r.prompter.answers = {Message::Answer::Retry, Message::Answer::Cancel};
        r.printTo(r.dir.filePath(QStringLiteral("none/roster.csv")), 2);
        QCOMPARE(r.prompter.asked.size(), 2);
        QCOMPARE(r.prompter.last().title, QStringLiteral("Printer/File Error"));
        QCOMPARE(r.prompter.last().buttons, Message::Buttons::RetryCancel);
        QVERIFY(!QFileInfo::exists(r.dir.filePath(QStringLiteral("none"))));
        QVERIFY(r.mdi->statusBar()->currentMessage().isEmpty());
    }
};

QTEST_MAIN(TestRoster)
#include "test_roster.moc"
