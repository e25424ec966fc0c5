// The player number window: list lines, refusals through the window, renumbering and Close. How
// a number change moves the files is the core tests' part.
#include "GuiTestSupport.h"

#include "gui/shell/PlayerNumberWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Player 7's contacts, or the same under another number.
QByteArray contacts(int number)
{
    return InfoBytes{.number = number, .phone = "555-0107", .other = "left foot"}.bytes();
}

// The player number window of team 1 "Comets": Ray Chen (7, with contacts) and Lu Ortiz (30).
struct NumberWindow : GuiFixture
{
    PlayerNumberWindow* window = nullptr;

    NumberWindow()
    {
        writeDataFile(
            QStringLiteral("KVPN1.DAT"), nameBytes(7, "Ray Chen") + nameBytes(30, "Lu Ortiz"));
        writeDataFile(QStringLiteral("KVPI1.DAT"), contacts(7));
        chooseTeam(1, QStringLiteral("Comets"));
        mdi->show();
        window = qobject_cast<PlayerNumberWindow*>(open(WindowPlayerNumber));
    }
    QListWidget* list() const { return child<QListWidget>("lstPlayer"); }
    QLineEdit* number() const { return child<QLineEdit>("txtNewNumber"); }
    // Renumbers as a user would, answering Yes when the change is asked about.
    void renumber(int from, const QString& to)
    {
        list()->setCurrentRow(from - 1);
        number()->setText(to);
        prompter.answers = {Message::Answer::Yes};
        click("cmdOK");
        prompter.answers.clear();
    }
};

} // namespace

class TestPlayerNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // An empty box by OK and a taken number by Enter, which leaves it selected for retyping.
    // The other refusals and their order are the core tests' part.
    void refusalsChangeNothing()
    {
        NumberWindow w;
        const QByteArray roster = w.readDataFile(QStringLiteral("KVPN1.DAT"));
        w.renumber(7, QString());
        QCOMPARE(w.prompter.last().text, QStringLiteral("Must be 1 to 99!"));
        QApplication::setActiveWindow(w.mdi.get());
        w.number()->setFocus();
        QTest::keyClicks(w.number(), QStringLiteral("30"));
        QTest::keyClick(w.number(), Qt::Key_Return);
        QCOMPARE(w.prompter.last().title, QStringLiteral("New Player Number Invalid"));
        QCOMPARE(w.prompter.last().text, QStringLiteral("New number already on roster!"));
        QVERIFY(w.number()->hasFocus());
        QTest::keyClicks(w.number(), QStringLiteral("8"));
        QCOMPARE(w.number()->text(), QStringLiteral("8"));
        QCOMPARE(w.readDataFile(QStringLiteral("KVPN1.DAT")), roster);
        QVERIFY(!w.state->roster.free[7]);
    }

    void renumberingMovesThePlayerAndCloseSavesContacts()
    {
        NumberWindow w;
        QCOMPARE(w.window->windowTitle(), QStringLiteral("Change Player Number - Comets"));
        QCOMPARE(w.list()->item(29)->text(), QStringLiteral("30 Lu Ortiz         "));
        w.renumber(7, QStringLiteral("12"));
        QCOMPARE(w.prompter.asked.size(), 1);
        QCOMPARE(w.prompter.last().title, QStringLiteral("Change Player Number"));
        QCOMPARE(w.prompter.last().text,
            QStringLiteral("Give Ray Chen (number 7) the number 12?  Every game of the player "
                           "moves to the new number."));
        QCOMPARE(w.list()->item(11)->text(), QStringLiteral("12 Ray Chen         "));
        QCOMPARE(w.list()->currentRow(), 11);
        w.click("cmdClose");
        QCOMPARE(w.readDataFile(QStringLiteral("KVPI1.DAT")), contacts(12));
        QCOMPARE(w.mdi->currentChild()->kind(), WindowSelectTeam);
    }
};

QTEST_MAIN(TestPlayerNumber)
#include "test_playernumber.moc"
