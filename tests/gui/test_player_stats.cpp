// The player statistics window and its dialogs: opening for one team and for two, Compute with
// a changed range and a changed explicit list, choosing and editing formats, sorting, the split
// by a minimum, one player's games, "No Players", and the printout matching the report tool.
#include "GuiTestSupport.h"

#include "ReportCommand.h"

#include "core/store/SettingsRecord.h"
#include "gui/output/PrintDialog.h"
#include "gui/reports/ComputeDialog.h"
#include "gui/reports/PlayerStatsWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <cstdio>
#include <memory>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

constexpr int Min = 0;
constexpr int GS = 2;
constexpr int SOG = 3;

// Team 1 "Hawks": Ann Lee (3), Bo Kim (7) and Cy Day (9) over three games; team 2 "Owls": Di Fox
// (4) in one game. The report shows G, GS and SOG.
struct StatsFixture : GuiFixture
{
    explicit StatsFixture(bool withResults = true)
    {
        writeDataFile(QStringLiteral("KVPN1.DAT"),
            nameBytes(3, "Ann Lee") + nameBytes(7, "Bo Kim") + nameBytes(9, "Cy Day"));
        writeDataFile(QStringLiteral("KVGS1.DAT"),
            GameBytes{.number = 1, .opponent = "Owls", .goalsFor = 2}.bytes()
                + GameBytes{.number = 2, .opponent = "Larks", .goalsFor = 1, .type = '2'}.bytes()
                + GameBytes{.number = 3, .opponent = "Owls", .goalsAgainst = 4}.bytes());
        if (withResults)
            writeDataFile(QStringLiteral("KVPS1.DAT"),
                join({resultBytes(1, 3, {{Min, 90}, {GS, 1}, {SOG, 2}}),
                    resultBytes(1, 7, {{Min, 45}, {SOG, 1}}),
                    resultBytes(2, 3, {{Min, 90}, {GS, 1}, {SOG, 3}}, 'A', '2'),
                    resultBytes(2, 7, {{Min, 90}, {GS, 2}, {SOG, 2}}, 'A', '2'),
                    resultBytes(2, 9, {{Min, 20}}, 'A', '2'),
                    resultBytes(3, 3, {{Min, 90}, {SOG, 1}}),
                    resultBytes(3, 7, {{Min, 90}, {GS, 1}, {SOG, 4}})}));
        writeDataFile(QStringLiteral("KVPN2.DAT"), nameBytes(4, "Di Fox"));
        writeDataFile(QStringLiteral("KVGS2.DAT"), GameBytes{.opponent = "Hawks"}.bytes());
        writeDataFile(QStringLiteral("KVPS2.DAT"), resultBytes(1, 4, {{Min, 60}, {GS, 3}}));
        loadTeamList();
        writeTeamNames(state->files, 1, QStringLiteral("Hawks"), QStringLiteral("Hawks"));
        writeTeamNames(state->files, 2, QStringLiteral("Owls"), QStringLiteral("Owls"));
        loadTeamList();
        state->settings.reportColumns.fill(0);
        state->settings.reportColumns[1] = 1; // G
        state->settings.reportColumns[2] = 7; // GS
        state->settings.reportColumns[3] = 4; // SOG
        state->settings.sortColumn = 7;
        state->settings.sortOrder = SortOrder::Descending;
        mdi->show();
        QApplication::setActiveWindow(mdi.get());
    }

    // Reports > Player Statistics with the given teams chosen.
    PlayerStatsWindow* openReport(std::initializer_list<int> slots = {1})
    {
        return qobject_cast<PlayerStatsWindow*>(runReport("mnuPlayer", slots));
    }

    QTableWidget* grid() const { return child<QTableWidget>("tblStats"); }
    QStringList headings() const
    {
        QStringList h;
        for (int c = 0; c < grid()->columnCount(); ++c)
            h << grid()->horizontalHeaderItem(c)->text();
        return h;
    }
    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < grid()->columnCount(); ++c)
            cells << grid()->item(r, c)->text();
        return cells;
    }
    QStringList names() const
    {
        QStringList n;
        for (int r = 1; r < grid()->rowCount(); ++r)
            n << grid()->item(r, 0)->text();
        return n;
    }
    bool shown(const char* button) const { return child<QPushButton>(button)->isVisible(); }
};

template <typename W> W* in(QWidget* dialog, const char* name)
{
    return dialog->findChild<W*>(QString::fromLatin1(name));
}

void press(QWidget* dialog, const char* button)
{
    QTest::mouseClick(in<QPushButton>(dialog, button), Qt::LeftButton);
}

} // namespace

class TestPlayerStats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensForOneTeamAndForTwo()
    {
        StatsFixture f;
        QVERIFY(f.openReport());
        QCOMPARE(f.child<QLabel>("lblTeam")->text(), QStringLiteral("Hawks"));
        QVERIFY(!f.child<QComboBox>("cboTeams")->isVisible());
        QCOMPARE(f.headings(),
            (QStringList{QStringLiteral("3 Player(s)"), QStringLiteral("G"), QStringLiteral("GS"),
                QStringLiteral("SOG")}));
        QCOMPARE(f.row(0),
            (QStringList{QStringLiteral("Totals:"), QStringLiteral("3"), QStringLiteral("5"),
                QStringLiteral("13")}));
        // Sorted by GS, ties to more games: Bo Kim (3 in 3), Ann Lee (2 in 3), Cy Day.
        QCOMPARE(f.names(),
            (QStringList{
                QStringLiteral("Bo Kim"), QStringLiteral("Ann Lee"), QStringLiteral("Cy Day")}));
        QCOMPARE(f.row(1)[2], QStringLiteral(" 3"));
        QCOMPARE(f.grid()->item(1, 2)->textAlignment() & Qt::AlignRight, int(Qt::AlignRight));
        QVERIFY(f.shown("cmdPlayer") && f.shown("cmdSort") && f.shown("cmdPrint"));
        QVERIFY(!f.shown("cmdTeam"));
        // Nothing in the grid is narrower than its text.
        const QFontMetrics metrics(f.grid()->font());
        for (int c = 0; c < f.grid()->columnCount(); ++c)
            QVERIFY(f.grid()->columnWidth(c)
                > metrics.horizontalAdvance(f.grid()->horizontalHeaderItem(c)->text()));

        QVERIFY(f.openReport({1, 2}));
        auto* teams = f.child<QComboBox>("cboTeams");
        QVERIFY(teams->isVisible());
        QVERIFY(!f.child<QLabel>("lblTeam")->isVisible());
        QCOMPARE(teams->count(), 3);
        QCOMPARE(teams->itemText(0), QStringLiteral("Multiple Teams:"));
        QCOMPARE(teams->itemText(2), QStringLiteral("Owls"));
        teams->setCurrentIndex(2);
        QCOMPARE(teams->currentIndex(), 0);
        QCOMPARE(f.headings().mid(0, 2),
            (QStringList{QStringLiteral("4 Player(s)"), QStringLiteral("Team")}));
        QCOMPARE(f.row(1).mid(0, 3),
            (QStringList{QStringLiteral("Bo Kim"), QStringLiteral("Hawks"), QStringLiteral(" 3")}));
        QCOMPARE(
            f.row(2).mid(0, 2), (QStringList{QStringLiteral("Di Fox"), QStringLiteral("Owls")}));
        QVERIFY(!f.shown("cmdPlayer") && !f.shown("cmdTeam"));
        // The name and team columns stay in view over the grid's left edge.
        auto* names = f.child<QTableView>("tblStatsNames");
        QVERIFY(names && names->isVisible());
        QVERIFY(!names->isColumnHidden(0) && !names->isColumnHidden(1));
        QVERIFY(names->isColumnHidden(2));
        QCOMPARE(names->width(), f.grid()->columnWidth(0) + f.grid()->columnWidth(1));
    }

    void computeWritesTheExplicitListOnlyWhenItChanged()
    {
        StatsFixture f;
        QVERIFY(f.openReport());
        const QByteArray games = f.readDataFile(QStringLiteral("KVGS1.DAT"));
        const QByteArray results = f.readDataFile(QStringLiteral("KVPS1.DAT"));

        // An empty from game is refused and the window stays open; then 3 to 2 counts 2 and 3.
        onNextModal([&f](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Compute"));
            QCOMPARE(in<QListWidget>(dialog, "lstSpecialSelect")->count(), 3);
            QCOMPARE(in<QListWidget>(dialog, "lstSpecialSelect")->item(1)->text(),
                QStringLiteral(" 2   09/15/02  Larks                       1 - 0  "));
            QVERIFY(!in<QLineEdit>(dialog, "txtPlayerNumber")->isVisible());
            in<QLineEdit>(dialog, "txtLowGame")->clear();
            press(dialog, "cmdCompute");
            QVERIFY(f.prompter.wasAsked(
                QStringLiteral("From Game Invalid"), QStringLiteral("Must be 1 to 999")));
            QVERIFY(dialog->isVisible());
            in<QLineEdit>(dialog, "txtLowGame")->setText(QStringLiteral("3"));
            in<QLineEdit>(dialog, "txtHighGame")->setText(QStringLiteral("2"));
            press(dialog, "cmdCompute");
        });
        f.click("cmdCompute");
        QCOMPARE(f.state->reportSelection.fromGame, 2);
        QCOMPARE(f.state->reportSelection.toGame, 3);
        QCOMPARE(f.row(0)[1], QStringLiteral("2"));
        QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), games);
        QCOMPARE(f.readDataFile(QStringLiteral("KVPS1.DAT")), results);

        // Changing the list and cancelling leaves files and selection alone.
        onNextModal([](QWidget* dialog) {
            in<QListWidget>(dialog, "lstSpecialSelect")->item(0)->setSelected(true);
            QVERIFY(in<QCheckBox>(dialog, "chkSpecialSelect")->isChecked());
            QCOMPARE(in<QLabel>(dialog, "lblGamesSelected")->text(), QStringLiteral("  1"));
            in<QPushButton>(dialog, "cmdAll")->click();
            press(dialog, "cmdCancel");
        });
        f.click("cmdCompute");
        QCOMPARE(f.state->reportSelection.fromGame, 2);
        QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), games);

        // Only game 2, marked in the list: its game and its three results carry the mark.
        onNextModal([](QWidget* dialog) {
            in<QPushButton>(dialog, "cmdAll")->click();
            in<QListWidget>(dialog, "lstSpecialSelect")->item(1)->setSelected(true);
            press(dialog, "cmdCompute");
        });
        f.click("cmdCompute");
        QVERIFY(f.state->reportSelection.onlySelectedGames);
        QCOMPARE(f.row(0)[1], QStringLiteral("1"));
        QCOMPARE(f.names().size(), 3);
        const QByteArray marked = f.readDataFile(QStringLiteral("KVGS1.DAT"));
        QCOMPARE(marked.at(150 + 120), '2');
        QCOMPARE(marked.at(120), '1');
        const QByteArray markedResults = f.readDataFile(QStringLiteral("KVPS1.DAT"));
        for (int r = 0; r < 7; ++r)
            QCOMPARE(markedResults.at(r * 115 + 7), r >= 2 && r <= 4 ? '2' : '1');

        // Deselecting the last marked game clears the box; the list's Clear empties the count.
        onNextModal([](QWidget* dialog) {
            auto* list = in<QListWidget>(dialog, "lstSpecialSelect");
            QVERIFY(list->item(1)->isSelected());
            QCOMPARE(in<QLabel>(dialog, "lblGamesSelected")->text(), QStringLiteral("  1"));
            list->item(1)->setSelected(false);
            QVERIFY(!in<QCheckBox>(dialog, "chkSpecialSelect")->isChecked());
            list->item(2)->setSelected(true);
            press(dialog, "cmdClearGameList");
            QCOMPARE(list->selectedItems().size(), 0);
            press(dialog, "cmdClearGT");
            QVERIFY(
                !dialog->findChildren<QCheckBox*>(QStringLiteral("chkGameType"))[6]->isChecked());
            press(dialog, "cmdCancel");
        });
        f.click("cmdCompute");
        QVERIFY(f.state->reportSelection.allTypesCounted);
    }

    void severalTeamsOfferThePlayerBoxesAndNoList()
    {
        StatsFixture f;
        QVERIFY(f.openReport({1, 2}));
        onNextModal([](QWidget* dialog) {
            QCOMPARE(in<QListWidget>(dialog, "lstSpecialSelect")->count(), 0);
            QVERIFY(!in<QPushButton>(dialog, "cmdClearGameList")->isEnabled());
            QVERIFY(in<QLineEdit>(dialog, "txtPlayerNumber")->isVisible());
            in<QLineEdit>(dialog, "txtPlayerName")->setText(QStringLiteral("  DI fox"));
            press(dialog, "cmdCompute");
        });
        f.click("cmdCompute");
        QCOMPARE(f.state->reportSelection.playerName, QStringLiteral("di fox"));
        QCOMPARE(f.names(), QStringList{QStringLiteral("Di Fox")});
    }

    void aChosenFormatGivesTheColumnsAndTheEditorBuildsOne()
    {
        StatsFixture f;
        QVERIFY(f.openReport());
        // The starting formats; "Discipline" (G, Min, CY, CR, F, OS, BTI).
        onNextModal([](QWidget* dialog) {
            auto* list = in<QListWidget>(dialog, "lstReports");
            QCOMPARE(list->item(3)->text(), QStringLiteral("Discipline"));
            list->setCurrentRow(3);
            press(dialog, "cmdOK");
        });
        f.click("cmdFormat");
        QCOMPARE(f.headings().mid(1, 3),
            (QStringList{QStringLiteral("G"), QStringLiteral("Min"), QStringLiteral("CY")}));
        QCOMPARE(f.state->settings.sortColumn, 18);

        // Add: "Report 5" with SOG put before the "end" of the report line and Min before it.
        onNextModal([&f](QWidget* dialog) {
            onNextModal([](QWidget* editor) {
                QCOMPARE(in<QLineEdit>(editor, "txtTitle")->text(), QStringLiteral("Report 5"));
                auto* line = in<QListWidget>(editor, "lstSelCat");
                auto* all = in<QListWidget>(editor, "lstAll");
                QCOMPARE(line->count(), 1); // just "end"
                all->setCurrentRow(3);      // SOG
                QCOMPARE(all->currentItem()->text(), QStringLiteral("SOG         4"));
                press(editor, "cmdAdd");
                line->setCurrentRow(0); // SOG: Min goes before it, with the spacing of its old list
                all->setCurrentRow(1);
                press(editor, "cmdAdd");
                QCOMPARE(line->item(0)->text(), QStringLiteral("Min         2"));
                QCOMPARE(line->item(2)->text(), QStringLiteral("end"));
                in<QComboBox>(editor, "cmbCats")->setCurrentIndex(3);
                in<QRadioButton>(editor, "optAsc")->setChecked(true);
                in<QLineEdit>(editor, "txtTitle")->setText(QStringLiteral("  Shots  "));
                press(editor, "cmdOK");
            });
            press(dialog, "cmdAdd");
            auto* list = in<QListWidget>(dialog, "lstReports");
            QCOMPARE(list->count(), 5);
            QCOMPARE(list->currentItem()->text(), QStringLiteral("Shots"));
            // Deleting asks first; No keeps the format.
            f.prompter.answers.push_back(Message::Answer::No);
            press(dialog, "cmdDelete");
            QCOMPARE(f.prompter.last().title, QStringLiteral("Delete Report!"));
            QCOMPARE(list->count(), 5);
            press(dialog, "cmdOK");
        });
        f.click("cmdFormat");
        QCOMPARE(f.headings().mid(1), (QStringList{QStringLiteral("Min"), QStringLiteral("SOG")}));
        QCOMPARE(f.state->settings.sortOrder, SortOrder::Ascending);
        QCOMPARE(f.names().first(), QStringLiteral("Cy Day")); // fewest shots first

        // Cancel keeps the report as it was, though the list changed meanwhile.
        onNextModal([](QWidget* dialog) {
            onNextModal([](QWidget* editor) {
                auto* line = in<QListWidget>(editor, "lstSelCat");
                line->setCurrentRow(0);
                press(editor, "cmdDelete");
                line->setCurrentRow(0);
                press(editor, "cmdDelete");
                press(editor, "cmdOK"); // an empty line gives the default format
            });
            QCOMPARE(in<QListWidget>(dialog, "lstReports")->currentRow(), 4); // remembered
            press(dialog, "cmdChange");
            press(dialog, "cmdCancel");
        });
        f.click("cmdFormat");
        QCOMPARE(f.headings().mid(1), (QStringList{QStringLiteral("Min"), QStringLiteral("SOG")}));
        onNextModal([](QWidget* dialog) { press(dialog, "cmdOK"); });
        f.click("cmdFormat");
        QCOMPARE(f.headings().size(), 19); // the default's 18 columns
    }

    void sortAndMinimumReorderTheGrid()
    {
        StatsFixture f;
        QVERIFY(f.openReport());
        onNextModal([](QWidget* dialog) {
            auto* list = in<QListWidget>(dialog, "lstCat");
            QCOMPARE(list->currentRow(), 6); // GS
            list->setCurrentRow(3);          // SOG
            in<QRadioButton>(dialog, "optAsc")->setChecked(true);
            press(dialog, "cmdOK");
        });
        f.click("cmdSort");
        QCOMPARE(f.names(),
            (QStringList{
                QStringLiteral("Cy Day"), QStringLiteral("Ann Lee"), QStringLiteral("Bo Kim")}));
        // The sort is in the settings file at once, not only at the program's end.
        const SettingsRecord saved = SettingsRecord::decode(
            readWholeFile(f.state->settings.settingsFolder + QStringLiteral("QMKV.INI")));
        QCOMPARE(saved.sortColumn, qint16(4));
        QCOMPARE(saved.sortOrder, 'A');

        // Shots on goal chosen and cancelled: the kind holds, nothing is split.
        onNextModal([](QWidget* dialog) {
            in<QRadioButton>(dialog, "optOther")->setChecked(true);
            QCOMPARE(in<QLabel>(dialog, "lblMin")->text(),
                QStringLiteral("Minimum Shots on Goal (SOG)"));
            press(dialog, "cmdCancel");
        });
        f.click("cmdMin");
        QCOMPARE(f.state->reportSelection.minimumKind, MinimumKind::ShotsOnGoal);
        QCOMPARE(f.grid()->rowCount(), 4);

        // At least 3 games: Cy Day (1 game) goes behind the marker.
        onNextModal([](QWidget* dialog) {
            in<QRadioButton>(dialog, "optGames")->setChecked(true);
            in<QLineEdit>(dialog, "txtMin")->setText(QStringLiteral("3"));
            press(dialog, "cmdOK");
        });
        f.click("cmdMin");
        QCOMPARE(f.names(),
            (QStringList{QStringLiteral("Ann Lee"), QStringLiteral("Bo Kim"),
                QStringLiteral("*  3 Games *"), QStringLiteral("Cy Day")}));
        QCOMPARE(f.row(3).mid(1),
            (QStringList{QStringLiteral("----------"), QStringLiteral("----------"),
                QStringLiteral("----------")}));
        // Sorting again drops the split.
        onNextModal([](QWidget* dialog) { press(dialog, "cmdOK"); });
        f.click("cmdSort");
        QCOMPARE(f.grid()->rowCount(), 4);
    }

    void onePlayersGamesAndBackToTheTeam()
    {
        StatsFixture f;
        QVERIFY(f.openReport());
        onNextModal([](QWidget* dialog) {
            auto* list = in<QListWidget>(dialog, "lstPlayers");
            QCOMPARE(list->count(), 99);
            QCOMPARE(list->currentRow(), 0);
            list->setCurrentRow(6); // Bo Kim
            press(dialog, "cmdOK");
        });
        f.click("cmdPlayer");
        QCOMPARE(f.headings().mid(0, 3),
            (QStringList{
                QStringLiteral("Bo Kim"), QStringLiteral("Game Type"), QStringLiteral("G")}));
        QCOMPARE(f.names(),
            (QStringList{
                QStringLiteral("Game  1"), QStringLiteral("Game  2"), QStringLiteral("Game  3")}));
        QCOMPARE(f.row(2)[1], QStringLiteral("GameType2"));
        QVERIFY(f.shown("cmdTeam") && f.shown("cmdPlayer") && f.shown("cmdPrint"));
        QVERIFY(!f.shown("cmdSort") && !f.shown("cmdMin"));

        // Number 20 has no games.
        onNextModal([](QWidget* dialog) {
            QCOMPARE(in<QListWidget>(dialog, "lstPlayers")->currentRow(), 6);
            in<QListWidget>(dialog, "lstPlayers")->setCurrentRow(19);
            press(dialog, "cmdOK");
        });
        f.click("cmdPlayer");
        QCOMPARE(f.grid()->item(0, 0)->text(), QStringLiteral("No Games"));
        QVERIFY(f.shown("cmdTeam") && f.shown("cmdPlayer"));
        QVERIFY(!f.shown("cmdPrint") && !f.shown("cmdFormat"));

        f.click("cmdTeam");
        QVERIFY(!f.state->reportSelection.individual);
        QCOMPARE(f.headings().first(), QStringLiteral("3 Player(s)"));
        QVERIFY(!f.shown("cmdTeam") && f.shown("cmdSort"));
    }

    void noPlayersLeavesComputeAndClose()
    {
        StatsFixture f(false);
        QVERIFY(f.openReport());
        QCOMPARE(f.grid()->rowCount(), 1);
        QCOMPARE(f.grid()->item(0, 0)->text(), QStringLiteral("No Players"));
        for (const char* hidden :
            {"cmdPrint", "cmdSort", "cmdFormat", "cmdMin", "cmdPlayer", "cmdTeam"})
            QVERIFY2(!f.shown(hidden), hidden);
        QVERIFY(f.shown("cmdCompute") && f.shown("cmdExit"));
        f.click("cmdExit");
        QCOMPARE(f.current()->kind(), WindowSelectTeam);
    }

    void printingToAFileMatchesTheReportTool()
    {
        StatsFixture f;
        QVERIFY(f.openReport());
        onNextModal([](QWidget* dialog) {
            in<QListWidget>(dialog, "lstCat")->setCurrentRow(3); // SOG
            press(dialog, "cmdOK");
        });
        f.click("cmdSort");
        onNextModal([](QWidget* dialog) {
            in<QLineEdit>(dialog, "txtMin")->setText(QStringLiteral("2"));
            press(dialog, "cmdOK");
        });
        f.click("cmdMin");
        const QString file = f.dir.path() + QStringLiteral("/window.txt");
        onNextModal([&file](QWidget* modal) {
            auto* dialog = qobject_cast<PrintDialog*>(modal);
            QVERIFY(dialog);
            in<QLineEdit>(dialog, "txtFileName")->setText(file);
            in<QLineEdit>(dialog, "txtCopies")->setText(QStringLiteral("2"));
            in<QLineEdit>(dialog, "txtLines")->setText(QStringLiteral("25"));
            press(dialog, "cmdOK");
        });
        f.click("cmdPrint");
        QVERIFY(f.prompter.asked.isEmpty());

        const QString toolFile = f.dir.path() + QStringLiteral("/tool.txt");
        std::FILE* sink = std::tmpfile();
        const int code = runReportCommand(
            {QStringLiteral("players"), QStringLiteral("--data"), f.dataPath(),
                QStringLiteral("--teams"), QStringLiteral("1"), QStringLiteral("--columns"),
                QStringLiteral("1,7,4"), QStringLiteral("--sort"), QStringLiteral("4"),
                QStringLiteral("--order"), QStringLiteral("D"), QStringLiteral("--minimum-games"),
                QStringLiteral("2"), QStringLiteral("--copies"), QStringLiteral("2"),
                QStringLiteral("--lines-per-page"), QStringLiteral("25"), QStringLiteral("-o"),
                toolFile},
            sink, sink);
        std::fclose(sink);
        QCOMPARE(code, 0);
        QFile a(file);
        QFile b(toolFile);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray printed = a.readAll();
        QVERIFY(printed.contains("*** Less than 2 Games ***"));
        QCOMPARE(printed.count("Hawks"), 2);
        QCOMPARE(printed, b.readAll());

        // The same report as CSV from the window holds what the tool's CSV holds: the rows as
        // shown, the totals marked.
        const QString csv = f.dir.path() + QStringLiteral("/window.csv");
        onNextModal([&csv](QWidget* modal) {
            in<QComboBox>(modal, "cmbFileType")->setCurrentIndex(2);
            in<QLineEdit>(modal, "txtFileName")->setText(csv);
            press(modal, "cmdOK");
        });
        f.click("cmdPrint");
        QVERIFY(f.prompter.asked.isEmpty());
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), &std::fclose);
        QCOMPARE(runReportCommand(
                     {QStringLiteral("players"), QStringLiteral("--data"), f.dataPath(),
                         QStringLiteral("--teams"), QStringLiteral("1"),
                         QStringLiteral("--columns"), QStringLiteral("1,7,4"),
                         QStringLiteral("--sort"), QStringLiteral("4"), QStringLiteral("--order"),
                         QStringLiteral("D"), QStringLiteral("--minimum-games"),
                         QStringLiteral("2"), QStringLiteral("--format"), QStringLiteral("csv")},
                     out.get(), out.get()),
            0);
        std::rewind(out.get());
        QFile tool;
        QVERIFY(tool.open(out.get(), QIODevice::ReadOnly));
        QFile window(csv);
        QVERIFY(window.open(QIODevice::ReadOnly));
        const QByteArray exported = window.readAll();
        QVERIFY(exported.startsWith("Row,Player,G,GS,SOG\r\n"));
        QVERIFY(exported.contains("\r\nTotals,Totals,"));
        QCOMPARE(exported, tool.readAll());
    }
};

QTEST_MAIN(TestPlayerStats)
#include "test_player_stats.moc"
