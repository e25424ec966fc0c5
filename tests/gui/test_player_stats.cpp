// The player statistics window and its dialogs: opening for one team and for two, Compute with
// a changed range and a changed explicit list, choosing and editing formats, sorting, the split
// by a minimum, one player's games and their chart, and the printout matching the report tool.
// What the grid holds for a selection is the core tests' part.
#include "GuiTestSupport.h"

#include "core/store/FileFaults.h"
#include "core/store/SettingsRecord.h"
#include "gui/reports/PlayerStatsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <cerrno>

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
    StatsFixture()
    {
        writeDataFile(QStringLiteral("KVPN1.DAT"),
            nameBytes(3, "Ann Lee") + nameBytes(7, "Bo Kim") + nameBytes(9, "Cy Day"));
        writeDataFile(QStringLiteral("KVGS1.DAT"),
            GameBytes{.number = 1, .opponent = "Owls", .goalsFor = 2}.bytes()
                + GameBytes{.number = 2, .opponent = "Larks", .goalsFor = 1, .type = '2'}.bytes()
                + GameBytes{.number = 3, .opponent = "Owls", .goalsAgainst = 4}.bytes());
        writeDataFile(QStringLiteral("KVPS1.DAT"),
            join({resultBytes(1, 3, {{Min, 90}, {GS, 1}, {SOG, 2}}),
                resultBytes(1, 7, {{Min, 45}, {SOG, 1}}),
                resultBytes(2, 3, {{Min, 90}, {GS, 1}, {SOG, 3}}, 'A', '2'),
                resultBytes(2, 7, {{Min, 90}, {GS, 2}, {SOG, 2}}, 'A', '2'),
                resultBytes(2, 9, {{Min, 20}}, 'A', '2'), resultBytes(3, 3, {{Min, 90}, {SOG, 1}}),
                resultBytes(3, 7, {{Min, 90}, {GS, 1}, {SOG, 4}})}));
        writeDataFile(QStringLiteral("KVPN2.DAT"), nameBytes(4, "Di Fox"));
        writeDataFile(QStringLiteral("KVGS2.DAT"), GameBytes{.opponent = "Hawks"}.bytes());
        writeDataFile(QStringLiteral("KVPS2.DAT"), resultBytes(1, 4, {{Min, 60}, {GS, 3}}));
        nameTeams({"Hawks", "Owls"});
        state->settings.reportColumns.fill(0);
        state->settings.reportColumns[1] = 1; // G
        state->settings.reportColumns[2] = 7; // GS
        state->settings.reportColumns[3] = 4; // SOG
        state->settings.sortColumn = 7;
        state->settings.sortOrder = SortOrder::Descending;
        showMain();
    }

    // Reports > Player Statistics with the given teams chosen.
    PlayerStatsWindow* openReport(std::initializer_list<int> slots = {1})
    {
        return qobject_cast<PlayerStatsWindow*>(runReport("mnuPlayer", slots));
    }

    QTableWidget* grid() const { return child<QTableWidget>("tblStats"); }
    QStringList headings() const { return gridHeadings(grid()); }
    QStringList row(int r) const { return gridRow(grid(), r); }
    QStringList names() const
    {
        QStringList n;
        for (int r = 1; r < grid()->rowCount(); ++r)
            n << grid()->item(r, 0)->text();
        return n;
    }
    bool shown(const char* button) const { return child<QPushButton>(button)->isVisible(); }
    bool chartOffered() const
    {
        return shown("cmdChart") && child<QComboBox>("cboChartCategory")->isVisible();
    }
};

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
        QCOMPARE(f.headings(), texts({"3 Player(s)", "G", "GS", "SOG"}));
        // Sorted by the settings' GS, descending: Bo Kim (3), Ann Lee (2), Cy Day.
        QCOMPARE(f.names(), texts({"Bo Kim", "Ann Lee", "Cy Day"}));

        QVERIFY(f.openReport({1, 2}));
        auto* teams = f.child<QComboBox>("cboTeams");
        QVERIFY(teams->isVisible() && !f.child<QLabel>("lblTeam")->isVisible());
        QCOMPARE(teams->itemText(2), QStringLiteral("Owls"));
        teams->setCurrentIndex(2);
        QCOMPARE(teams->currentIndex(), 0); // a list to read, not a choice
        QCOMPARE(f.row(2).mid(0, 2), texts({"Di Fox", "Owls"}));
        QVERIFY(!f.shown("cmdPlayer") && !f.shown("cmdTeam"));
        // The name and team columns stay in view over the grid's left edge.
        auto* names = f.child<QTableView>("tblStatsNames");
        QVERIFY(names && names->isVisible());
        QCOMPARE(names->width(), f.grid()->columnWidth(0) + f.grid()->columnWidth(1));

        // Several teams offer the player boxes and no explicit list.
        onNextModal([](QWidget* dialog) {
            QCOMPARE(in<QListWidget>(dialog, "lstSpecialSelect")->count(), 0);
            in<QLineEdit>(dialog, "txtPlayerName")->setText(QStringLiteral("  DI fox"));
            press(dialog, "cmdCompute");
        });
        f.click("cmdCompute");
        QCOMPARE(f.names(), QStringList{QStringLiteral("Di Fox")});
    }

    void computeWritesTheExplicitListOnlyWhenItChanged()
    {
        StatsFixture f;
        QVERIFY(f.openReport());
        const QByteArray games = f.readDataFile(QStringLiteral("KVGS1.DAT"));
        const QByteArray results = f.readDataFile(QStringLiteral("KVPS1.DAT"));

        // An empty from game is refused and the window stays open; then 3 to 2 counts 2 and 3.
        onNextModal([&f](QWidget* dialog) {
            QCOMPARE(in<QListWidget>(dialog, "lstSpecialSelect")->count(), 3);
            QVERIFY(!in<QLineEdit>(dialog, "txtPlayerNumber")->isVisible());
            in<QLineEdit>(dialog, "txtLowGame")->clear();
            press(dialog, "cmdCompute");
            QVERIFY(f.prompter.wasAsked(
                QStringLiteral("From Game Invalid"), QStringLiteral("Must be 1 to 999")));
            QVERIFY(dialog->isVisible());
            fill(dialog, {{"txtLowGame", "3"}, {"txtHighGame", "2"}});
            press(dialog, "cmdCompute");
        });
        f.click("cmdCompute");
        QCOMPARE(f.row(0)[1], QStringLiteral("2"));
        QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), games);
        QCOMPARE(f.readDataFile(QStringLiteral("KVPS1.DAT")), results);

        // Changing the list and cancelling leaves files and selection alone.
        onNextModal([](QWidget* dialog) {
            in<QListWidget>(dialog, "lstSpecialSelect")->item(0)->setSelected(true);
            QVERIFY(in<QCheckBox>(dialog, "chkSpecialSelect")->isChecked());
            press(dialog, "cmdCancel");
        });
        f.click("cmdCompute");
        QCOMPARE(f.row(0)[1], QStringLiteral("2"));
        QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), games);

        // Only game 2, marked in the list: its game and its three results carry the mark. The
        // disk is full at first: Cancel keeps the window open with the choice and writes nothing.
        onNextModal([&f, &games](QWidget* dialog) {
            in<QPushButton>(dialog, "cmdAll")->click();
            in<QListWidget>(dialog, "lstSpecialSelect")->item(1)->setSelected(true);
            FileFaults::failAt(1, ENOSPC, true);
            press(dialog, "cmdCompute");
            FileFaults::reset();
            QCOMPARE(f.reporter.errors.size(), std::size_t{1});
            QVERIFY(dialog->isVisible());
            QVERIFY(in<QListWidget>(dialog, "lstSpecialSelect")->item(1)->isSelected());
            QCOMPARE(f.readDataFile(QStringLiteral("KVGS1.DAT")), games);
            press(dialog, "cmdCompute");
        });
        f.click("cmdCompute");
        QVERIFY(f.state->reportSelection.onlySelectedGames);
        QCOMPARE(f.row(0)[1], QStringLiteral("1"));
        // The mark reaches the files (which bytes is the core tests' part).
        QVERIFY(f.readDataFile(QStringLiteral("KVGS1.DAT")) != games);
        QVERIFY(f.readDataFile(QStringLiteral("KVPS1.DAT")) != results);
    }

    void aChosenFormatGivesTheColumnsAndTheEditorBuildsOne()
    {
        StatsFixture f;
        QVERIFY(f.openReport());
        // Add a format with SOG and Min, ascending; the editor's moves are the core tests'.
        onNextModal([](QWidget* dialog) {
            onNextModal([](QWidget* editor) {
                auto* all = in<QListWidget>(editor, "lstAll");
                all->setCurrentRow(3); // SOG
                press(editor, "cmdAdd");
                in<QListWidget>(editor, "lstSelCat")->setCurrentRow(0);
                all->setCurrentRow(1); // Min, before SOG
                press(editor, "cmdAdd");
                in<QComboBox>(editor, "cmbCats")->setCurrentIndex(3);
                in<QRadioButton>(editor, "optAsc")->setChecked(true);
                in<QLineEdit>(editor, "txtTitle")->setText(QStringLiteral("  Shots  "));
                press(editor, "cmdOK");
            });
            press(dialog, "cmdAdd");
            QCOMPARE(in<QListWidget>(dialog, "lstReports")->currentItem()->text(),
                QStringLiteral("Shots"));
            press(dialog, "cmdOK");
        });
        f.click("cmdFormat");
        QCOMPARE(f.headings().mid(1), texts({"Min", "SOG"}));
        QCOMPARE(f.state->settings.sortOrder, SortOrder::Ascending);
        QCOMPARE(f.names().first(), QStringLiteral("Cy Day")); // fewest shots first
    }

    // Sort and minimum reorder the grid, and the window hands them with its columns and page
    // choices to the report the tool prints.
    void sortMinimumAndPrintout()
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
        QCOMPARE(f.names(), texts({"Cy Day", "Ann Lee", "Bo Kim"}));
        // The sort is in the settings file at once, not only at the program's end.
        QCOMPARE(SettingsRecord::decode(readWholeFile(f.settingsPath())).sortColumn, qint16(4));

        // At least 3 games: Cy Day (1 game) goes behind the marker.
        onNextModal([](QWidget* dialog) {
            in<QRadioButton>(dialog, "optGames")->setChecked(true);
            fill(dialog, {{"txtMin", "3"}});
            press(dialog, "cmdOK");
        });
        f.click("cmdMin");
        QCOMPARE(f.names(), texts({"Ann Lee", "Bo Kim", "*  3 Games *", "Cy Day"}));
        const QByteArray printed = f.printTo(f.dir.filePath(QStringLiteral("window.txt")), 0,
            QStringLiteral("2"), QStringLiteral("25"));
        QVERIFY(f.prompter.asked.isEmpty());
        QCOMPARE(printed,
            f.toolOutput(
                texts({"players", "--teams", "1", "--columns", "1,7,4", "--sort", "4", "--order",
                    "A", "--minimum-games", "3", "--copies", "2", "--lines-per-page", "25"})));
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
            in<QListWidget>(dialog, "lstPlayers")->setCurrentRow(6); // Bo Kim
            press(dialog, "cmdOK");
        });
        f.click("cmdPlayer");
        QCOMPARE(f.headings().first(), QStringLiteral("Bo Kim"));
        QCOMPARE(f.row(2).mid(0, 2), texts({"Game  2", "GameType2"}));
        QVERIFY(f.shown("cmdTeam") && !f.shown("cmdSort") && !f.shown("cmdMin"));

        // His chart offers the entered statistics among the columns (not G) and draws the
        // grid's figures game by game.
        QVERIFY(f.chartOffered());
        auto* statistic = f.child<QComboBox>("cboChartCategory");
        QCOMPARE(statistic->count(), 2);
        statistic->setCurrentIndex(1);
        const ShownChart chart = f.pressChart();
        QCOMPARE(chart.title, QStringLiteral("Bo Kim - Shots on Goal by Game"));
        QCOMPARE(chart.labels.size(), 3);
        QCOMPARE(chart.values, (QList<double>{1, 2, 4}));

        f.click("cmdTeam");
        QVERIFY(!f.state->reportSelection.individual);
        QCOMPARE(f.headings().first(), QStringLiteral("3 Player(s)"));
        QVERIFY(!f.shown("cmdTeam") && f.shown("cmdSort") && !f.chartOffered());
    }
};

QTEST_MAIN(TestPlayerStats)
#include "test_player_stats.moc"
