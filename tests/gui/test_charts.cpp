#include "GuiTestSupport.h"

#include "gui/output/DesktopOutput.h"
#include "gui/reports/ChartWindow.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QtTest>

using namespace scorvane;
using namespace scorvane::testing;

class ChartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The games along the bottom carry their numbers, dates and the record after them; the
    // picture and the PDF page are written where the user chose.
    void teamChartLabelsSavesAndPrints()
    {
        GameRecord first;
        first.gameNumber = 1;
        first.gameDate = QStringLiteral("090526");
        first.goalsFor = 3;
        GameRecord second = first;
        second.gameNumber = 2;
        second.gameDate = QStringLiteral("091226");
        second.goalsAgainst = 5;
        ScriptedPrompter prompter;
        ChartWindow window(prompter, teamGoalsChart({first, second}, QStringLiteral("Rovers")),
            ChartWindow::Style::Bars, nullptr);
        window.show();

        auto* view = window.findChild<QChartView*>(QStringLiteral("chartView"));
        QVERIFY(view != nullptr);
        const auto axes = view->chart()->axes(Qt::Horizontal);
        QCOMPARE(axes.size(), 1);
        auto* games = qobject_cast<QBarCategoryAxis*>(axes[0]);
        QVERIFY(games != nullptr);
        QCOMPARE(games->categories(),
            (QStringList{
                QStringLiteral("1  09/05/26  (1-0-0)"), QStringLiteral("2  09/12/26  (1-1-0)")}));

        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("goals.png"));
        prompter.fileNames.push_back(png);
        window.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
        QImage picture(png);
        QVERIFY(!picture.isNull());
        QVERIFY(picture.width() >= 700);

        const QString pdf = dir.filePath(QStringLiteral("goals.pdf"));
        prompter.fileNames.push_back(pdf);
        window.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
        QFile page(pdf);
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().startsWith("%PDF"));
        QVERIFY(prompter.asked.isEmpty());

        // The printer is pointed at a file, as a user's "print to file" would.
        const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
        programPrinter().setOutputFileName(printed);
        window.findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        QCOMPARE(prompter.printerSetups, 1);
        QVERIFY(QFile::exists(printed));
        programPrinter().setOutputFileName(QString());
    }
};

QTEST_MAIN(ChartTest)
#include "test_charts.moc"
