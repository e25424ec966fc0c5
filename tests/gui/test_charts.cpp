// The chart window writes its picture and its PDF page where the user chose and prints on the
// program's printer. What the charts show is the core chart tests' and the report windows' part.
#include "GuiTestSupport.h"

#include "gui/output/DesktopOutput.h"
#include "gui/reports/ChartWindow.h"

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
    void savesAPictureAndAPdfAndPrints()
    {
        GameRecord first;
        first.gameNumber = 1;
        first.gameDate = QStringLiteral("090526");
        first.goalsFor = 3;
        ScriptedPrompter prompter;
        ChartWindow window(prompter, teamGoalsChart({first}, QStringLiteral("Rovers")),
            ChartWindow::Style::Bars, nullptr);
        window.show();

        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("goals.png"));
        const QString pdf = dir.filePath(QStringLiteral("goals.pdf"));
        prompter.fileNames = {png, pdf};
        press(&window, "cmdSave");
        QVERIFY(QImage(png).width() >= 700);
        press(&window, "cmdSave");
        QFile page(pdf);
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().startsWith("%PDF"));
        QVERIFY(prompter.asked.isEmpty());

        // The printer is pointed at a file, as a user's "print to file" would.
        const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
        programPrinter().setOutputFileName(printed);
        press(&window, "cmdPrint");
        QCOMPARE(prompter.printerSetups, 1);
        QVERIFY(QFile::exists(printed));
        programPrinter().setOutputFileName(QString());
    }
};

QTEST_MAIN(ChartTest)
#include "test_charts.moc"
