// The main window's menus: names, captions and enabling by the number of teams chosen.
#include "GuiTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuTreeHasEveryItem()
    {
        GuiFixture f;
        const QStringList captions = {QStringLiteral("&File"), QStringLiteral("&Reports"),
            QStringLiteral("&Update"), QStringLiteral("&Options"), QStringLiteral("&Help")};
        QStringList shown;
        for (QAction* a : f.mdi->menuBar()->actions())
            shown << a->text();
        QCOMPARE(shown, captions);
        QCOMPARE(
            f.mdi->menuAction(QStringLiteral("mnuUpdateGames"))->text(), QStringLiteral("&Games"));
        QCOMPARE(f.mdi->menuAction(QStringLiteral("mnu_techsupport"))->text(),
            QStringLiteral("&Quillmere Technical Support Website"));
        auto* exit = f.mdi->findChild<QPushButton*>(QStringLiteral("cmdExit"));
        QVERIFY(exit);
        QCOMPARE(exit->text(), QStringLiteral("Exit Scorvane"));
    }

    void enablingFollowsTeamCount()
    {
        GuiFixture f;
        auto enabled = [&](const char* name) {
            return f.mdi->menuAction(QString::fromLatin1(name))->isEnabled();
        };
        f.mdi->SelectionChanged(0);
        QVERIFY(enabled("mnuDataPath") && enabled("mnuBackUp") && enabled("mnuRestore")
            && enabled("mnuNameYourOwn"));
        QVERIFY(!enabled("mnuPlayer") && !enabled("mnuUpdateGames") && !enabled("mnuGames")
            && !enabled("mnuStandings"));
        f.mdi->SelectionChanged(1);
        QVERIFY(enabled("mnuPlayer") && enabled("mnuGames") && enabled("mnuRecord")
            && enabled("mnuDeleteFiles"));
        QVERIFY(!enabled("mnuStandings"));
        f.mdi->SelectionChanged(2);
        QVERIFY(enabled("mnuStandings") && enabled("mnuRoster"));
        QVERIFY(!enabled("mnuGames") && !enabled("mnuRecord"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
