// The player statistics window's chart of one player's statistic game by game: offered only in
// individual mode, with the report's entered statistics to choose from, and drawn from the games
// and figures the report counts.
#include "GuiTestSupport.h"

#include "core/store/TeamList.h"
#include "gui/reports/PlayerStatsWindow.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

constexpr int Min = 0;
constexpr int GS = 2;
constexpr int SOG = 3;

// Team 1 "Hawks": Ann Lee (3) and Bo Kim (7) over four games. Bo Kim sits out game 3, where
// only a record that does not count holds his name.
struct ChartFixture : GuiFixture
{
    explicit ChartFixture(QList<int> columns)
    {
        writeDataFile(
            QStringLiteral("KVPN1.DAT"), nameBytes(3, "Ann Lee") + nameBytes(7, "Bo Kim"));
        writeDataFile(QStringLiteral("KVGS1.DAT"),
            GameBytes{.number = 1, .date = "090526", .opponent = "Owls"}.bytes()
                + GameBytes{.number = 2, .date = "091226", .opponent = "Larks", .type = '2'}.bytes()
                + GameBytes{.number = 3, .date = "091926", .opponent = "Owls"}.bytes()
                + GameBytes{.number = 4, .date = "092626", .opponent = "Wrens"}.bytes());
        writeDataFile(QStringLiteral("KVPS1.DAT"),
            join({resultBytes(1, 3, {{Min, 90}, {GS, 1}, {SOG, 2}}),
                resultBytes(1, 7, {{Min, 45}, {SOG, 1}}),
                resultBytes(2, 7, {{Min, 90}, {GS, 2}, {SOG, 3}}, 'A', '2'),
                resultBytes(3, 3, {{Min, 90}, {SOG, 5}}),
                resultBytes(3, 7, {{Min, 10}, {SOG, 9}}, 'I'),
                resultBytes(4, 7, {{Min, 60}, {GS, 1}, {SOG, 4}})}));
        loadTeamList();
        writeTeamNames(state->files, 1, QStringLiteral("Hawks"), QStringLiteral("Hawks"));
        loadTeamList();
        state->settings.reportColumns.fill(0);
        for (int c = 0; c < columns.size(); ++c)
            state->settings.reportColumns[c + 1] = columns[c];
        mdi->show();
        QApplication::setActiveWindow(mdi.get());
        runReport("mnuPlayer", {1});
    }

    // P&layer, then the player of `number` in the Select Player list.
    void choosePlayer(int number)
    {
        onNextModal([number](QWidget* dialog) {
            dialog->findChild<QListWidget*>(QStringLiteral("lstPlayers"))
                ->setCurrentRow(number - 1);
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        click("cmdPlayer");
    }

    bool chartOffered() const
    {
        return child<QPushButton>("cmdChart")->isVisible()
            && child<QComboBox>("cboChartCategory")->isVisible();
    }

    QStringList categories() const
    {
        QStringList names;
        auto* combo = child<QComboBox>("cboChartCategory");
        for (int i = 0; i < combo->count(); ++i)
            names << combo->itemText(i);
        return names;
    }

    // The figures of the grid's column headed `heading`, one per game row.
    QList<double> gridFigures(const QString& heading) const
    {
        auto* grid = child<QTableWidget>("tblStats");
        int column = -1;
        for (int c = 0; c < grid->columnCount(); ++c) {
            if (grid->horizontalHeaderItem(c)->text().trimmed() == heading)
                column = c;
        }
        QList<double> figures;
        for (int r = 1; column >= 0 && r < grid->rowCount(); ++r)
            figures << grid->item(r, column)->text().toDouble();
        return figures;
    }
};

// What a chart window shows: its title, its bottom labels and its one line's values.
struct ShownChart
{
    QString title;
    QStringList labels;
    QList<double> values;
};

// Presses C&hart and reads the chart window it opens, then closes that window.
ShownChart pressChart(ChartFixture& f)
{
    ShownChart shown;
    onNextModal([&shown](QWidget* dialog) {
        shown.title = dialog->windowTitle();
        auto* view = dialog->findChild<QChartView*>(QStringLiteral("chartView"));
        QVERIFY(view != nullptr);
        const auto axes = view->chart()->axes(Qt::Horizontal);
        QCOMPARE(axes.size(), 1);
        shown.labels = qobject_cast<QBarCategoryAxis*>(axes[0])->categories();
        const auto series = view->chart()->series();
        QCOMPARE(series.size(), 1);
        for (const QPointF& point : qobject_cast<QLineSeries*>(series[0])->points())
            shown.values << point.y();
        qobject_cast<QDialog*>(dialog)->accept();
    });
    f.click("cmdChart");
    return shown;
}

} // namespace

class TestPlayerChart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The choice lists the report's entered statistics once each, in column order; the chart
    // follows the games the report counts, before and after Compute narrows them.
    void chartsTheChosenStatisticOfTheCountedGames()
    {
        ChartFixture f({1, 7, 4, 8, 2, 4}); // G, GS, SOG, QS%, Min, SOG again
        f.choosePlayer(7);
        QVERIFY(f.chartOffered());
        QCOMPARE(f.categories(),
            (QStringList{QStringLiteral("Goals Scored"), QStringLiteral("Shots on Goal"),
                QStringLiteral("Minutes Played")}));
        auto* label = f.child<QLabel>("lblChartCategory");
        QCOMPARE(label->buddy(), f.child<QComboBox>("cboChartCategory"));

        f.child<QComboBox>("cboChartCategory")->setCurrentIndex(1);
        ShownChart chart = pressChart(f);
        QCOMPARE(chart.title, QStringLiteral("Bo Kim - Shots on Goal by Game"));
        QCOMPARE(chart.labels,
            (QStringList{QStringLiteral("1  09/05/26"), QStringLiteral("2  09/12/26"),
                QStringLiteral("4  09/26/26")}));
        QCOMPARE(chart.values, (QList<double>{1, 3, 4}));
        QCOMPARE(chart.values, f.gridFigures(QStringLiteral("SOG")));

        // Games 2 to 4 only; the statistic chosen before stays chosen.
        onNextModal([](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("txtLowGame"))
                ->setText(QStringLiteral("2"));
            dialog->findChild<QPushButton*>(QStringLiteral("cmdCompute"))->click();
        });
        f.click("cmdCompute");
        QCOMPARE(
            f.child<QComboBox>("cboChartCategory")->currentText(), QStringLiteral("Shots on Goal"));
        chart = pressChart(f);
        QCOMPARE(chart.labels,
            (QStringList{QStringLiteral("2  09/12/26"), QStringLiteral("4  09/26/26")}));
        QCOMPARE(chart.values, (QList<double>{3, 4}));

        f.child<QComboBox>("cboChartCategory")->setCurrentIndex(2);
        chart = pressChart(f);
        QCOMPARE(chart.title, QStringLiteral("Bo Kim - Minutes Played by Game"));
        QCOMPARE(chart.values, f.gridFigures(QStringLiteral("Min")));
        QVERIFY(f.prompter.asked.isEmpty());
    }

    // No chart for the whole team or for a player without counted games.
    void noChartForTheTeamOrAPlayerWithoutGames()
    {
        ChartFixture f({1, 7, 4});
        QVERIFY(f.child<QPushButton>("cmdPrint")->isVisible());
        QVERIFY(!f.chartOffered());
        f.choosePlayer(7);
        QVERIFY(f.chartOffered());
        f.choosePlayer(20);
        QVERIFY(!f.chartOffered());
        f.choosePlayer(3);
        QVERIFY(f.chartOffered());
        f.click("cmdTeam");
        QVERIFY(!f.chartOffered());
    }

    // Games played, total shots and a percentage are not figures of one game's record.
    void noChartWhenEveryColumnIsComputed()
    {
        ChartFixture f({1, 6, 9}); // G, TS, TS%
        f.choosePlayer(7);
        QVERIFY(f.child<QPushButton>("cmdPrint")->isVisible());
        QVERIFY(!f.chartOffered());
    }
};

QTEST_MAIN(TestPlayerChart)
#include "test_player_chart.moc"
