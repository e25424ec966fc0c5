// The roster window (list lines, name editing, Delete, the Enter order, and its printout and
// exports matching the report tool byte for byte), the player number window, and text boxes that
// keep only what the files hold. How names are trimmed and cut and what the files hold are the
// core roster tests' part; Close over another window is the leaving-windows test's.
#include "GuiTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Team 1 "Rovers" with the given roster and contacts files, and `kind` open.
struct RosterWindowFixture : GuiFixture
{
    explicit RosterWindowFixture(const QByteArray& roster = {}, WindowKind kind = WindowRoster,
        const QByteArray& contacts = {})
    {
        writeDataFile(QStringLiteral("KVPN1.DAT"), roster);
        writeDataFile(QStringLiteral("KVPI1.DAT"), contacts);
        chooseTeam(1, QStringLiteral("Rovers"));
        showMain();
        open(kind);
    }
    QListWidget* list() const
    {
        return child<QListWidget>(
            current()->kind() == WindowRoster ? "lstPlayerList" : "lstPlayer");
    }
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
    // Renumbers in the player number window, answering Yes when the change is asked about.
    void renumber(int from, const QString& to)
    {
        list()->setCurrentRow(from - 1);
        box("txtNewNumber")->setText(to);
        prompter.answers = {Message::Answer::Yes};
        click("cmdOK");
        prompter.answers.clear();
    }
};

// Player 7's contacts, or the same under another number.
QByteArray contacts(int number)
{
    return InfoBytes{.number = number, .phone = "555-0107", .other = "left foot"}.bytes();
}

// Types text the way a keyboard layout with those letters does; QTest knows only Latin-1 keys.
void type(QWidget* box, const QString& text)
{
    box->setFocus();
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &release);
    }
}

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
        QCOMPARE(r.current()->windowTitle(), QStringLiteral("Roster - Rovers"));
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
        const QByteArray written = r.readDataFile(QStringLiteral("KVPI1.DAT"));
        QVERIFY(written.contains("9 Bay Rd") && !written.contains("555"));
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

    // Text, CSV and HTML from the window are the report tool's bytes for the same roster; a PDF
    // is written too.
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
        QVERIFY(r.printTo(r.dir.filePath(QStringLiteral("window.pdf")), 1).startsWith("%PDF"));

        // A failed write offers Retry and Cancel, leaves no file and claims nothing.
        r.mdi->statusBar()->clearMessage();
        r.prompter.answers = {Message::Answer::Retry, Message::Answer::Cancel};
        r.printTo(r.dir.filePath(QStringLiteral("none/roster.csv")), 2);
        QCOMPARE(r.prompter.asked.size(), 2); // asked again after Retry
        QCOMPARE(r.prompter.last().title, QStringLiteral("Printer/File Error"));
        QCOMPARE(r.prompter.last().buttons, Message::Buttons::RetryCancel);
        QVERIFY(!QFileInfo::exists(r.dir.filePath(QStringLiteral("none"))));
        QVERIFY(r.mdi->statusBar()->currentMessage().isEmpty());
    }

    // Refusals (an empty box by OK, a taken number by Enter, which leaves it selected for
    // retyping) change nothing; then a new number moves the player and Close saves his
    // contacts. The other refusals and what a change moves are the core tests' part.
    void renumberingAPlayer()
    {
        RosterWindowFixture w(
            nameBytes(7, "Ray Chen") + nameBytes(30, "Lu Ortiz"), WindowPlayerNumber, contacts(7));
        QCOMPARE(w.current()->windowTitle(), QStringLiteral("Change Player Number - Rovers"));
        const QByteArray roster = w.readDataFile(QStringLiteral("KVPN1.DAT"));
        w.renumber(7, QString());
        QCOMPARE(w.prompter.last().text, QStringLiteral("Must be 1 to 99!"));
        QLineEdit* number = w.box("txtNewNumber");
        number->setFocus();
        QTest::keyClicks(number, QStringLiteral("30"));
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(w.prompter.last().title, QStringLiteral("New Player Number Invalid"));
        QCOMPARE(w.prompter.last().text, QStringLiteral("New number already on roster!"));
        QVERIFY(number->hasFocus());
        QTest::keyClicks(number, QStringLiteral("8"));
        QCOMPARE(number->text(), QStringLiteral("8"));
        QCOMPARE(w.readDataFile(QStringLiteral("KVPN1.DAT")), roster);

        w.renumber(7, QStringLiteral("12"));
        QCOMPARE(w.prompter.last().text,
            QStringLiteral("Give Ray Chen (number 7) the number 12?  Every game of the player "
                           "moves to the new number."));
        QCOMPARE(w.list()->item(11)->text(), QStringLiteral("12 Ray Chen         "));
        QCOMPARE(w.list()->currentRow(), 11);
        w.click("cmdClose");
        QCOMPARE(w.readDataFile(QStringLiteral("KVPI1.DAT")), contacts(12));
        QCOMPARE(w.current()->kind(), WindowSelectTeam);
    }

    void lettersTheFilesCannotHoldAreDroppedWhenTypedOrPasted()
    {
        RosterWindowFixture f;
        auto* name = f.child<QLineEdit>("txtPlayerName");
        type(name, QString::fromUtf16(u"\u0141ukasz \u00D8deg\u00E5rd"));
        QCOMPARE(name->text(), QString::fromUtf16(u"ukasz \u00D8deg\u00E5rd"));
        f.click("cmdClose");
        QCOMPARE(
            f.state->roster.names[1].trimmed(), QString::fromUtf16(u"ukasz \u00D8deg\u00E5rd"));

        f.state->currentGame.edit = GameEdit::Add;
        f.state->currentGame.number = 1;
        f.open(WindowGameScreen);
        QLineEdit* opponent = f.child<QComboBox>("cmbOpponents")->lineEdit();
        type(opponent, QString::fromUtf16(u"\u0141\u00F3d\u017A \u20AC"));
        QCOMPARE(opponent->text(), QString::fromUtf16(u"\u00F3d \u20AC"));

        auto* comment = f.child<QLineEdit>("txtGameComment");
        comment->setFocus();
        QTest::keyClicks(comment, QStringLiteral("ab"));
        comment->setCursorPosition(1);
        QApplication::clipboard()->setText(QString::fromUtf16(u"x\U0001F600y"));
        comment->paste();
        QCOMPARE(comment->text(), QStringLiteral("axyb"));
    }
};

QTEST_MAIN(TestRoster)
#include "test_roster.moc"
