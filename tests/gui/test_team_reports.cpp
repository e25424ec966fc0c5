// The record, game scores and standings windows: the grids over a small league, Compute and
// Cancel, the buttons over an empty selection, the current team kept by the standings, the team
// chart, and each printout matching the report tool's bytes.
#include "GuiTestSupport.h"

#include "ReportCommand.h"

#include "core/state/Settings.h"
#include "gui/output/PrintDialog.h"
#include "gui/reports/ChartWindow.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <cstdio>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Hawks (1): a home 2-1 win, an away 1-0 win in a type 2 game, a 0-4 loss and a 1-1 tie, so 2-1-1
// in all. Owls (2): three wins. Larks (3): no games.
struct LeagueFixture : GuiFixture
{
    LeagueFixture()
    {
        writeDataFile(QStringLiteral("KVGS1.DAT"),
            GameBytes{.number = 1,
                .opponent = "Owls",
                .goalsFor = 2,
                .goalsAgainst = 1,
                .comment = "Rain all afternoon, the long grass slowed every pass"}
                    .bytes()
                + GameBytes{.number = 2,
                    .location = "Lark Park",
                    .opponent = "Larks",
                    .goalsFor = 1,
                    .type = '2',
                    .home = '2'}
                      .bytes()
                + GameBytes{.number = 3, .opponent = "Owls", .goalsAgainst = 4}.bytes()
                + GameBytes{.number = 4, .opponent = "Larks", .goalsFor = 1, .goalsAgainst = 1}
                      .bytes());
        writeDataFile(QStringLiteral("KVGS2.DAT"),
            GameBytes{.number = 1, .opponent = "Hawks", .goalsFor = 1}.bytes()
                + GameBytes{.number = 2, .opponent = "Larks", .goalsFor = 3}.bytes()
                + GameBytes{.number = 3, .opponent = "Hawks", .goalsFor = 4}.bytes());
        loadTeamList();
        writeTeamNames(state->files, 1, QStringLiteral("Hawks"), QStringLiteral("Hawks"));
        writeTeamNames(state->files, 2, QStringLiteral("Owls"), QStringLiteral("Owls"));
        writeTeamNames(state->files, 3, QStringLiteral("Larks"), QStringLiteral("Larks"));
        loadTeamList();
        mdi->show();
        QApplication::setActiveWindow(mdi.get());
    }

    ChildWindow* openReport(const char* menuItem, std::initializer_list<int> slots = {1})
    {
        return runReport(menuItem, slots);
    }

    QTableWidget* grid(const char* name) const { return child<QTableWidget>(name); }
    QStringList headings(const char* name) const
    {
        QStringList h;
        for (int c = 0; c < grid(name)->columnCount(); ++c)
            h << grid(name)->horizontalHeaderItem(c)->text();
        return h;
    }
    QStringList row(const char* name, int r) const
    {
        QStringList cells;
        for (int c = 0; c < grid(name)->columnCount(); ++c)
            cells << grid(name)->item(r, c)->text();
        return cells;
    }
    bool shown(const char* button) const { return child<QPushButton>(button)->isVisible(); }

    // Compute with the game range typed in and OK, or Cancel after typing it.
    void compute(const char* from, const char* to, bool ok = true)
    {
        onNextModal([from, to, ok](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("txtLowGame"))
                ->setText(QString::fromLatin1(from));
            dialog->findChild<QLineEdit*>(QStringLiteral("txtHighGame"))
                ->setText(QString::fromLatin1(to));
            QTest::mouseClick(dialog->findChild<QPushButton*>(
                                  ok ? QStringLiteral("cmdCompute") : QStringLiteral("cmdCancel")),
                Qt::LeftButton);
        });
        click("cmdCompute");
    }

    // Prints from the open window to `name` in the temporary folder, as the file type at
    // `fileType` in the print dialog's list (text first); returns the file's bytes.
    QByteArray printToFile(const char* name, int fileType = 0)
    {
        const QString file = dir.filePath(QString::fromLatin1(name));
        onNextModal([&file, fileType](QWidget* modal) {
            QVERIFY(qobject_cast<PrintDialog*>(modal));
            modal->findChild<QComboBox*>(QStringLiteral("cmbFileType"))->setCurrentIndex(fileType);
            modal->findChild<QLineEdit*>(QStringLiteral("txtFileName"))->setText(file);
            modal->findChild<QLineEdit*>(QStringLiteral("txtLines"))->setText(QStringLiteral("25"));
            modal->findChild<QLineEdit*>(QStringLiteral("txtCopies"))->setText(QStringLiteral("2"));
            QTest::mouseClick(
                modal->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        click("cmdPrint");
        QFile printed(file);
        return printed.open(QIODevice::ReadOnly) ? printed.readAll() : QByteArray();
    }

    // The report tool's bytes for the same report, with the program's settings and two copies
    // of 25-line pages.
    QByteArray toolBytes(QStringList arguments)
    {
        Settings::save(*state);
        const QString file = dir.filePath(QStringLiteral("tool.txt"));
        arguments << QStringLiteral("--data") << dataPath() << QStringLiteral("--settings")
                  << state->settings.settingsFolder + QStringLiteral("QMKV.INI")
                  << QStringLiteral("--copies") << QStringLiteral("2")
                  << QStringLiteral("--lines-per-page") << QStringLiteral("25")
                  << QStringLiteral("-o") << file;
        std::FILE* sink = std::tmpfile();
        const int code = runReportCommand(arguments, sink, sink);
        std::fclose(sink);
        QFile written(file);
        if (code != 0 || !written.open(QIODevice::ReadOnly))
            return QByteArray("tool failed");
        return written.readAll();
    }
};

QStringList cells(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromLatin1(text);
    return list;
}

} // namespace

class TestTeamReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordByGameTypeFollowsTheCountedGames()
    {
        LeagueFixture f;
        QVERIFY(f.openReport("mnuRecord"));
        QCOMPARE(f.currentName(), QStringLiteral("frmRecord"));
        QCOMPARE(f.current()->windowTitle(), QStringLiteral("Record - Hawks"));
        QCOMPARE(f.headings("tblRecord"),
            cells({"Game Type", "Won", "Lost", "Ties", "Pct", "GF", "GA"}));
        QCOMPARE(f.grid("tblRecord")->rowCount(), 4);
        QCOMPARE(f.row("tblRecord", 0).mid(1), cells({"1", "1", "1", ".500", "3", "6"}));
        QCOMPARE(f.row("tblRecord", 1).mid(1), cells({"1", "0", "0", "1.000", "1", "0"}));
        QCOMPARE(f.row("tblRecord", 2), QStringList(7, QString()));
        QCOMPARE(f.row("tblRecord", 3), cells({"Totals", "2", "1", "1", ".625", "4", "6"}));
        QCOMPARE(
            f.grid("tblRecord")->item(3, 4)->textAlignment() & Qt::AlignRight, int(Qt::AlignRight));
        // The type column is the widest; nothing is narrower than its text.
        const QFontMetrics metrics(f.grid("tblRecord")->font());
        for (int c = 1; c < 7; ++c) {
            QVERIFY(f.grid("tblRecord")->columnWidth(0) >= f.grid("tblRecord")->columnWidth(c));
            QVERIFY(f.grid("tblRecord")->columnWidth(c)
                > metrics.horizontalAdvance(f.row("tblRecord", 3)[c]));
        }
        QVERIFY(f.shown("cmdCompute") && f.shown("cmdPrint") && f.shown("cmdChart"));

        // Games 1 to 3 hold no tie: no Ties column.
        f.compute("1", "3");
        QCOMPARE(f.headings("tblRecord"), cells({"Game Type", "Won", "Lost", "Pct", "GF", "GA"}));
        QCOMPARE(f.row("tblRecord", 3), cells({"Totals", "2", "1", ".667", "3", "5"}));

        // Cancel after typing another range changes nothing.
        f.compute("4", "4", false);
        QCOMPARE(f.state->reportSelection.toGame, 3);
        QCOMPARE(f.row("tblRecord", 3), cells({"Totals", "2", "1", ".667", "3", "5"}));

        // No game in the range: the headings alone, Compute stays to choose again.
        f.compute("7", "9");
        QCOMPARE(f.grid("tblRecord")->rowCount(), 0);
        QVERIFY(f.shown("cmdCompute") && !f.shown("cmdPrint") && !f.shown("cmdChart"));

        f.click("cmdClose");
        QCOMPARE(f.current()->kind(), WindowSelectTeam);
    }

    void withoutGamesOnOpeningOnlyCloseRemains()
    {
        LeagueFixture f;
        for (const char* item : {"mnuRecord", "mnuGames"}) {
            QVERIFY(f.openReport(item, {3}));
            for (const char* button : {"cmdCompute", "cmdPrint", "cmdChart"})
                QVERIFY2(!f.shown(button), button);
            QVERIFY(f.shown("cmdClose"));
        }
        QVERIFY(!f.shown("cmdLong") && !f.shown("cmdShort"));
        QCOMPARE(f.grid("tblScores")->rowCount(), 0);
    }

    void gameScoresInBothFormsAndAnEmptySelection()
    {
        LeagueFixture f;
        QVERIFY(f.openReport("mnuGames"));
        QCOMPARE(f.current()->windowTitle(), QStringLiteral("Game Scores - Hawks"));
        auto* table = f.grid("tblScores");
        QVERIFY(!table->horizontalHeader()->isVisible());
        QCOMPARE(table->rowCount(), 16);
        // At home the opponent comes first, with the result of the game on its row.
        QCOMPARE(f.row("tblScores", 0).mid(0, 5), cells({"1.   ", "09/15/02", "Owls", "1", "Won"}));
        QCOMPARE(f.row("tblScores", 1).mid(1, 3), cells({"GameType1", "Hawks", "2"}));
        QCOMPARE(f.row("tblScores", 2)[1], QStringLiteral("Field"));
        QCOMPARE(f.row("tblScores", 3), QStringList(6, QString()));
        // Away, the team itself comes first.
        QCOMPARE(f.row("tblScores", 4).mid(2, 3), cells({"Hawks", "1", "Won"}));
        QCOMPARE(f.row("tblScores", 12)[4], QStringLiteral("Tie"));
        // The comment column is as wide as the longest comment.
        const QString comment = f.row("tblScores", 0)[5];
        QVERIFY(comment.startsWith(QStringLiteral("Rain all afternoon")));
        QVERIFY(table->columnWidth(5) > table->fontMetrics().horizontalAdvance(comment));
        QVERIFY(f.shown("cmdShort") && !f.shown("cmdLong") && f.shown("cmdPrint"));

        f.click("cmdShort");
        QCOMPARE(table->columnCount(), 8);
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(f.row("tblScores", 2).mid(2), cells({"GameType1", "Owls", "0", "-", "4", "Lost"}));
        QVERIFY(f.shown("cmdLong") && !f.shown("cmdShort"));

        // Compute keeps the form shown.
        f.compute("2", "3");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->columnCount(), 8);

        f.compute("10", "20");
        QCOMPARE(table->rowCount(), 0);
        for (const char* button : {"cmdPrint", "cmdLong", "cmdShort", "cmdChart"})
            QVERIFY2(!f.shown(button), button);
        QVERIFY(f.shown("cmdCompute"));
    }

    void standingsRankTheTeamsAndKeepTheCurrentTeam()
    {
        LeagueFixture f;
        QVERIFY(f.openReport("mnuStandings", {1, 2, 3}));
        QCOMPARE(f.state->teamChoice.currentSlot, 1);
        QCOMPARE(f.headings("tblStandings"),
            cells({"Team", "Won", "Lost", "Ties", "Pct", "Streak", "GF", "GA", "GB"}));
        QCOMPARE(f.row("tblStandings", 0),
            cells({"Owls", "3", "0", "0", "1.000", "Won 3", "8", "0", "___"}));
        QCOMPARE(f.row("tblStandings", 1),
            cells({"Hawks", "2", "1", "1", ".625", "-", "4", "6", "1.0"}));
        QCOMPARE(f.row("tblStandings", 2),
            cells({"Larks", "0", "0", "0", ".000", "-", "0", "0", "1.5"}));
        QVERIFY(f.child<QPushButton>("cmdChart") == nullptr);

        // Without game 4 no tie is left; the Hawks end on a loss. The current team stays.
        f.compute("1", "3");
        QCOMPARE(f.headings("tblStandings"),
            cells({"Team", "Won", "Lost", "Pct", "Streak", "GF", "GA", "GB"}));
        QCOMPARE(f.row("tblStandings", 1),
            cells({"Hawks", "2", "1", ".667", "Lost 1", "3", "5", "1.0"}));
        QCOMPARE(f.state->teamChoice.currentSlot, 1);
        QCOMPARE(f.state->teamChoice.currentName, QStringLiteral("Hawks"));
    }

    void theChartShowsTheCountedGames()
    {
        LeagueFixture f;
        QVERIFY(f.openReport("mnuGames"));
        f.compute("2", "4");
        QStringList labels;
        onNextModal([&labels](QWidget* modal) {
            auto* chart = qobject_cast<ChartWindow*>(modal);
            QVERIFY(chart);
            auto* view = chart->findChild<QChartView*>(QStringLiteral("chartView"));
            QVERIFY(view);
            const auto axes = view->chart()->axes(Qt::Horizontal);
            QCOMPARE(axes.size(), 1);
            labels = qobject_cast<QBarCategoryAxis*>(axes[0])->categories();
            chart->close();
        });
        f.click("cmdChart");
        QCOMPARE(labels,
            cells({"2  09/15/02  (1-0-0)", "3  09/15/02  (1-1-0)", "4  09/15/02  (1-1-1)"}));
    }

    void printingFromEachWindowMatchesTheReportTool()
    {
        LeagueFixture f;
        QVERIFY(f.openReport("mnuRecord"));
        f.compute("1", "3");
        const QByteArray record = f.printToFile("record.txt");
        QVERIFY(record.contains("Totals         2       1    .667       3       5"));
        QCOMPARE(record,
            f.toolBytes({QStringLiteral("record"), QStringLiteral("--to"), QStringLiteral("3")}));

        QVERIFY(f.openReport("mnuGames"));
        const QByteArray longForm = f.printToFile("long.txt");
        QCOMPARE(longForm, f.toolBytes({QStringLiteral("scores")}));
        f.click("cmdShort");
        const QByteArray shortForm = f.printToFile("short.txt");
        QVERIFY(shortForm != longForm);
        QCOMPARE(shortForm, f.toolBytes({QStringLiteral("scores"), QStringLiteral("--short")}));
        // As CSV, the window writes the tool's table.
        const QByteArray csv = f.printToFile("scores.csv", 2);
        QVERIFY(csv.contains("Owls"));
        QCOMPARE(csv,
            f.toolBytes({QStringLiteral("scores"), QStringLiteral("--short"),
                QStringLiteral("--format"), QStringLiteral("csv")}));

        QVERIFY(f.openReport("mnuStandings", {1, 2, 3}));
        const QByteArray standings = f.printToFile("standings.txt");
        QVERIFY(standings.contains("   ___"));
        QCOMPARE(standings,
            f.toolBytes(
                {QStringLiteral("standings"), QStringLiteral("--teams"), QStringLiteral("1,2,3")}));
    }
};

QTEST_MAIN(TestTeamReports)
#include "test_team_reports.moc"
