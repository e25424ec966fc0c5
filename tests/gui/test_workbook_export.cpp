// Workbooks from the windows: File > Export Season Workbook over the sample league (the save
// question, the sheets of every chosen team, Cancel, a failed write), and a report printed to an
// .xlsx file from the print dialog, as the report tool writes it.
#include "GuiTestSupport.h"
#include "WorkbookReader.h"

#include "core/teams/SampleLeague.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// The sample league as the data folder, the program started on it and the teams chosen in the
// team window.
void startOnLeague(GuiFixture& f, std::initializer_list<int> slots)
{
    QString error;
    QVERIFY2(SampleLeague::write(f.dataPath(), &error), qPrintable(error));
    QVERIFY(f.start());
    auto* list = f.child<QListWidget>("lstSelectTeam");
    QVERIFY(list);
    list->clearSelection();
    for (int slot : slots)
        list->item(slot - 1)->setSelected(true);
}

QAction* exportItem(GuiFixture& f)
{
    return f.mdi->menuAction(QStringLiteral("mnuExportWorkbook"));
}

} // namespace

class TestWorkbookExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportWritesEveryChosenTeamsSheets()
    {
        GuiFixture f;
        startOnLeague(f, {});
        QVERIFY(!exportItem(f)->isEnabled()); // as Players: one or more teams
        f.child<QListWidget>("lstSelectTeam")->item(0)->setSelected(true);
        f.child<QListWidget>("lstSelectTeam")->item(1)->setSelected(true);
        QVERIFY(exportItem(f)->isEnabled());
        QCOMPARE(exportItem(f)->text(), QStringLiteral("Export Season &Workbook..."));
        const QString path = f.dir.filePath(QStringLiteral("season.xlsx"));
        f.prompter.fileNames.push_back(path);
        exportItem(f)->trigger();

        const FileQuestion asked = f.prompter.fileQuestions.last();
        QCOMPARE(asked.filter, QStringLiteral("Workbook (*.xlsx)"));
        QVERIFY(asked.confirmOverwrite); // an existing file is replaced only when the user says so
        const WorkbookRead book = readWorkbook(path);
        QCOMPARE(book.sheets.size(), 10);
        const QString first = f.state->teamChoice.shortNames[1].trimmed();
        const QString second = f.state->teamChoice.shortNames[2].trimmed();
        QCOMPARE(book.names().mid(0, 5),
            QStringList({first + QStringLiteral(" Roster"), first + QStringLiteral(" Games"),
                first + QStringLiteral(" Player Statistics"), first + QStringLiteral(" Record"),
                first + QStringLiteral(" Game Scores")}));
        QCOMPARE(book.names()[5], second + QStringLiteral(" Roster"));
        // Each team's game list has its season of games, a date in every row.
        const SheetRead& games = book.sheets[6];
        QCOMPARE(games.rowCount(), 1 + SampleLeague::GamesPerTeam);
        QCOMPARE(games.at(SampleLeague::GamesPerTeam, 1).type, 'd');
        // The team window is as it was, both teams still chosen.
        QCOMPARE(f.currentName(), QStringLiteral("frmSelectTeam"));
        QCOMPARE(f.child<QListWidget>("lstSelectTeam")->selectedItems().size(), 2);
        QCOMPARE(f.state->teamChoice.count, 2);
    }

    void cancelOrAFailedWriteLeavesTheEarlierFile()
    {
        GuiFixture f;
        startOnLeague(f, {3});
        const QString path = f.dir.filePath(QStringLiteral("season.xlsx"));
        writeWholeFile(path, QByteArray("earlier"));
        f.prompter.fileNames.push_back(QString()); // Cancel in the save dialog
        exportItem(f)->trigger();
        QCOMPARE(readWholeFile(path), QByteArray("earlier"));
        QVERIFY(f.prompter.asked.isEmpty());

        // A folder that does not exist: asked Retry or Cancel; Retry tries again, Cancel gives up.
        f.prompter.fileNames.push_back(f.dir.filePath(QStringLiteral("none/season.xlsx")));
        f.prompter.answers = {Message::Answer::Retry, Message::Answer::Cancel};
        exportItem(f)->trigger();
        QCOMPARE(f.prompter.asked.size(), 2);
        QCOMPARE(f.prompter.last().title, QStringLiteral("Export Season Workbook"));
        QCOMPARE(f.prompter.last().buttons, Message::Buttons::RetryCancel);
        QVERIFY(f.prompter.last().text.contains(QStringLiteral("none/season.xlsx")));
        QVERIFY(!QFileInfo::exists(f.dir.filePath(QStringLiteral("none"))));
        QCOMPARE(readWholeFile(path), QByteArray("earlier"));
    }

    // The print dialog's workbook type writes the sheet the report tool writes for the same
    // report.
    void aReportPrintedToAWorkbook()
    {
        GuiFixture f;
        startOnLeague(f, {2});
        f.runReport("mnuRecord", {2});
        QCOMPARE(f.currentName(), QStringLiteral("frmRecord"));
        const QString path = f.dir.filePath(QStringLiteral("record.xlsx"));
        QVERIFY(f.printTo(path, 4).startsWith("PK"));
        const WorkbookRead window = readWorkbook(path);
        QCOMPARE(window.names(), QStringList{QStringLiteral("Team Record")});
        const QByteArray tool
            = f.toolOutput(QStringList{QStringLiteral("record"), QStringLiteral("--teams"),
                QStringLiteral("2"), QStringLiteral("--format"), QStringLiteral("xlsx")});
        const QString toolPath = f.dir.filePath(QStringLiteral("tool.xlsx"));
        writeWholeFile(toolPath, tool);
        QVERIFY(window.sheets == readWorkbook(toolPath).sheets);
    }
};

QTEST_MAIN(TestWorkbookExport)
#include "test_workbook_export.moc"
