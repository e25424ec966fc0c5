// The print dialog's CSV and HTML destinations, chosen from a report window: what lands in the
// file, and what a failed write leaves.
#include "GuiTestSupport.h"

#include "../core/CsvReader.h"
#include "gui/output/PrintDialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// A team with two players on its roster, one with contact details, and the roster window open.
struct RosterExport : GuiFixture
{
    RosterExport()
    {
        writeDataFile(
            QStringLiteral("KVPN1.DAT"), nameBytes(4, "Mia Soto") + nameBytes(11, "O'Neil, Eli"));
        writeDataFile(QStringLiteral("KVPI1.DAT"),
            InfoBytes{.number = 11, .phone = "555-0111", .city = "Salem", .state = "OR"}.bytes());
        chooseTeam(1, QStringLiteral("Harbor FC"));
        open(WindowRoster);
    }

    // Prints through the dialog to `file` as the file type at `typeIndex`.
    void printTo(const QString& file, int typeIndex)
    {
        onNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<PrintDialog*>(modal);
            QVERIFY(dialog);
            dialog->findChild<QComboBox*>(QStringLiteral("cmbFileType"))
                ->setCurrentIndex(typeIndex);
            dialog->findChild<QLineEdit*>(QStringLiteral("txtFileName"))->setText(file);
            QTest::mouseClick(
                dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        click("cmdPrint");
    }
    QString status() const { return mdi->statusBar()->currentMessage(); }
};

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rosterExportsAsCsvAndHtml()
    {
        RosterExport r;
        const QString csv = r.dir.path() + QStringLiteral("/roster.csv");
        r.printTo(csv, 2);
        QVERIFY(r.prompter.asked.isEmpty());
        const CsvRead read = readCsv(readWholeFile(csv));
        QVERIFY(read.ok);
        QCOMPARE(read.records.size(), 3);
        QCOMPARE(read.records[0].mid(0, 4),
            (QStringList{QStringLiteral("Row"), QStringLiteral("Number"), QStringLiteral("Name"),
                QStringLiteral("Phone")}));
        QCOMPARE(read.records[2].mid(1, 4),
            (QStringList{QStringLiteral("11"), QStringLiteral("O'Neil, Eli"),
                QStringLiteral("555-0111"), QString()}));
        QCOMPARE(r.status(), QStringLiteral("Report written to ") + csv);

        const QString html = r.dir.path() + QStringLiteral("/roster.html");
        r.printTo(html, 3);
        const QByteArray page = readWholeFile(html);
        QVERIFY(page.contains("<h1>Roster</h1>"));
        QVERIFY(page.contains("<p class=\"team\">Harbor FC</p>"));
        QVERIFY(page.contains("<td>O'Neil, Eli</td>"));
        QVERIFY(!page.contains("http"));
        QCOMPARE(r.status(), QStringLiteral("Report written to ") + html);
    }

    void failedExportAsksRetryAndLeavesNoFile()
    {
        RosterExport r;
        const QString csv = r.dir.path() + QStringLiteral("/none/roster.csv");
        r.prompter.answers = {Message::Answer::Retry, Message::Answer::Cancel};
        r.printTo(csv, 2);
        QCOMPARE(r.prompter.asked.size(), 2);
        QCOMPARE(r.prompter.last().title, QStringLiteral("Printer/File Error"));
        QCOMPARE(r.prompter.last().buttons, Message::Buttons::RetryCancel);
        QVERIFY(!QFileInfo::exists(r.dir.path() + QStringLiteral("/none")));
        QVERIFY(r.status().isEmpty()); // nothing was written, so nothing is claimed
    }
};

QTEST_MAIN(TestExport)
#include "test_export.moc"
