// The player number window: list lines, refusals through the window, renumbering and Close.
#include "GuiTestSupport.h"

#include "shell/TeamSelection.h"
#include "shell/gui/FrmPlayerNumber.h"
#include "store/TeamList.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

QByteArray Blanks(int n)
{
    return QByteArray(n, ' ');
}

QByteArray NameRecord(int number, const char* name)
{
    QByteArray text(name);
    return QByteArray(1, static_cast<char>(number)) + QByteArray(1, '\0') + text
        + Blanks(17 - static_cast<int>(text.size())) + Blanks(182);
}

QByteArray InfoRecord(int number, const char* phone, const char* other)
{
    QByteArray p(phone);
    QByteArray o(other);
    return QByteArray(1, static_cast<char>(number)) + QByteArray(1, '\0') + p
        + Blanks(20 - static_cast<int>(p.size())) + Blanks(100 + 20 + 5 + 20 + 10 + 20) + o
        + Blanks(70 - static_cast<int>(o.size())) + Blanks(233);
}

struct NumberWindow
{
    GuiFixture f;
    FrmPlayerNumber* window = nullptr;

    NumberWindow()
    {
        f.loadTeamList();
        WriteTeamNames(f.state->Files, 1, QStringLiteral("Comets"), QStringLiteral("Comets"));
        f.state->TeamNames[1] = QStringLiteral("Comets");
        f.writeDataFile(
            QStringLiteral("KVPN1.DAT"), NameRecord(7, "Ray Chen") + NameRecord(30, "Lu Ortiz"));
        f.writeDataFile(QStringLiteral("KVPI1.DAT"), InfoRecord(7, "555-0107", "left foot"));
        TeamLines lines{};
        lines[0] = true;
        TakeTeamSelection(*f.state, lines);
        f.mdi->show();
        f.mdi->ShowWindow(WindowPlayerNumber);
        window = qobject_cast<FrmPlayerNumber*>(f.mdi->currentChild());
    }
    ~NumberWindow()
    {
        f.mdi->CloseChildWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    NumberWindow(const NumberWindow&) = delete;
    NumberWindow& operator=(const NumberWindow&) = delete;

    QListWidget* list() const
    {
        return window->findChild<QListWidget*>(QStringLiteral("lstPlayer"));
    }
    QLineEdit* number() const
    {
        return window->findChild<QLineEdit*>(QStringLiteral("txtNewNumber"));
    }
    void renumber(int from, const QString& to) const
    {
        list()->setCurrentRow(from - 1);
        number()->setText(to);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    }
};

} // namespace

class TestPlayerNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsEveryNumber()
    {
        NumberWindow w;
        QVERIFY(w.window);
        QCOMPARE(w.window->windowTitle(), QStringLiteral("Change Player Number - Comets"));
        QCOMPARE(w.list()->count(), 99);
        QCOMPARE(w.list()->item(6)->text(), QStringLiteral("  7 Ray Chen         "));
        QCOMPARE(w.list()->item(29)->text(), QStringLiteral("30 Lu Ortiz         "));
        QCOMPARE(w.list()->item(0)->text(), QStringLiteral("  1 ____________________"));
        QCOMPARE(w.number()->maxLength(), 2);
    }

    void refusalsChangeNothing_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << 7 << ""
                               << "Must be 1 to 99!";
        QTest::newRow("same") << 7 << "7"
                              << "Same as old player number!";
        QTest::newRow("free old") << 8 << "12"
                                  << "No player under old number!";
        QTest::newRow("used new") << 7 << "30"
                                  << "New number already on roster!";
    }
    void refusalsChangeNothing()
    {
        QFETCH(int, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        NumberWindow w;
        const QByteArray roster = w.f.readDataFile(QStringLiteral("KVPN1.DAT"));
        w.renumber(from, to);
        QCOMPARE(w.f.prompter.last().title, QStringLiteral("New Player Number Invalid"));
        QCOMPARE(w.f.prompter.last().text, message);
        QCOMPARE(w.f.prompter.last().buttons, Message::Buttons::Ok);
        QCOMPARE(w.f.readDataFile(QStringLiteral("KVPN1.DAT")), roster);
        QCOMPARE(w.f.state->RosterFree[7], QStringLiteral("N"));
    }

    void aRefusalByEnterLeavesTheNumberSelectedForRetyping()
    {
        NumberWindow w;
        QApplication::setActiveWindow(w.f.mdi.get());
        w.list()->setCurrentRow(6);
        w.number()->setFocus();
        QTest::keyClicks(w.number(), QStringLiteral("30"));
        QTest::keyClick(w.number(), Qt::Key_Return);
        QCOMPARE(w.f.prompter.last().text, QStringLiteral("New number already on roster!"));
        QVERIFY(w.number()->hasFocus());
        QTest::keyClicks(w.number(), QStringLiteral("8"));
        QCOMPARE(w.number()->text(), QStringLiteral("8"));
    }

    void renumberingMovesThePlayerAndCloseSavesContacts()
    {
        NumberWindow w;
        w.renumber(7, QStringLiteral("12"));
        QVERIFY(w.f.prompter.asked.isEmpty());
        QCOMPARE(w.list()->item(6)->text(), QStringLiteral("  7 ____________________"));
        QCOMPARE(w.list()->item(11)->text(), QStringLiteral("12 Ray Chen         "));
        QCOMPARE(w.list()->currentRow(), 11);
        QCOMPARE(w.number()->text(), QString());
        QCOMPARE(w.f.readDataFile(QStringLiteral("KVPN1.DAT")),
            NameRecord(12, "Ray Chen") + NameRecord(30, "Lu Ortiz"));
        QTest::mouseClick(
            w.window->findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
        QCOMPARE(
            w.f.readDataFile(QStringLiteral("KVPI1.DAT")), InfoRecord(12, "555-0107", "left foot"));
        QCOMPARE(w.f.mdi->currentChild()->kind(), WindowSelectTeam);
    }
};

QTEST_MAIN(TestPlayerNumber)
#include "test_playernumber.moc"
