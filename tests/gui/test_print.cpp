// The print settings dialog (defaults, hiding, the checks, fonts, Find and Setup) and the PDF
// destination read back with pdftotext.
#include "GuiTestSupport.h"

#include "core/roster/RosterPrintout.h"
#include "core/roster/RosterTable.h"
#include "gui/output/DesktopOutput.h"
#include "gui/output/PrintDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

struct PrintDialogFixture
{
    GuiFixture f;
    std::unique_ptr<PrintDialog> dialog;

    explicit PrintDialogFixture(ReportKind kind)
    {
        dialog
            = std::make_unique<PrintDialog>(kind, f.state->settings, f.prompter, programPrinter());
        dialog->show();
    }
    template <typename W> W* find(const char* name) const
    {
        return dialog->findChild<W*>(QString::fromLatin1(name));
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    void print() { QTest::mouseClick(find<QPushButton>("cmdOK"), Qt::LeftButton); }
};

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titleAndHiddenControlsFollowTheReportKind_data()
    {
        QTest::addColumn<ReportKind>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("topShown");
        QTest::addColumn<bool>("linesShown");
        QTest::newRow("players") << ReportKind::PlayerStatistics << "Player Statistics" << true
                                 << true;
        QTest::newRow("record") << ReportKind::Record << "Team Record" << false << false;
        QTest::newRow("scores") << ReportKind::GameScores << "Game Scores" << false << true;
        QTest::newRow("standings") << ReportKind::Standings << "Team Standings" << false << true;
        QTest::newRow("roster") << ReportKind::Roster << "Roster" << false << true;
    }
    void titleAndHiddenControlsFollowTheReportKind()
    {
        QFETCH(ReportKind, kind);
        QFETCH(QString, title);
        QFETCH(bool, topShown);
        QFETCH(bool, linesShown);
        PrintDialogFixture d(kind);
        QCOMPARE(d.box("txtTitle")->text(), title);
        QCOMPARE(d.box("txtTopX")->isVisible(), topShown);
        QCOMPARE(d.find<QLabel>("lblTopX2")->isVisible(), topShown);
        QCOMPARE(d.box("txtLines")->isVisible(), linesShown);
        QCOMPARE(d.box("txtLines")->text(), QStringLiteral("60"));
        QCOMPARE(d.box("txtCopies")->text(), QStringLiteral("1"));
        QCOMPARE(d.box("txtTopX")->text(), QStringLiteral("999"));
    }

    void checksRunInOrderAndKeepTheDialogOpen_data()
    {
        for (const char* column : {"copies", "lines", "top", "title", "text", "focus"})
            QTest::addColumn<QString>(column);
        const char* const rows[][7] = {
            {"no copies", "0", "10", "0", "Copies Invalid", "Must be greater than 1", "txtCopies"},
            {"empty copies", "", "60", "5", "Copies Invalid", "Must be greater than 1",
                "txtCopies"},
            {"51 copies", "51", "10", "5", "Copies Invalid", "50 copies maximum", "txtCopies"},
            {"20 lines", "50", "20", "0", "Lines per Page Invalid", "Must be greater than 20",
                "txtLines"},
            {"no top", "1", "21", "", "Top Players Invalid", "Must be 1 to 999", "txtTopX"},
        };
        for (const auto& r : rows) {
            QTestData& row = QTest::newRow(r[0]);
            for (int c = 1; c < 7; ++c)
                row << QString::fromLatin1(r[c]);
        }
    }
    void checksRunInOrderAndKeepTheDialogOpen()
    {
        QFETCH(QString, copies);
        QFETCH(QString, lines);
        QFETCH(QString, top);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        PrintDialogFixture d(ReportKind::PlayerStatistics);
        d.dialog->activateWindow();
        d.box("txtCopies")->setText(copies);
        d.box("txtLines")->setText(lines);
        d.box("txtTopX")->setText(top);
        d.print();
        QCOMPARE(d.f.prompter.asked.size(), 1);
        QCOMPARE(d.f.prompter.last().title, title);
        QCOMPARE(d.f.prompter.last().text, text);
        QCOMPARE(d.f.prompter.last().icon, Message::Icon::None);
        QVERIFY(d.dialog->isVisible());
        QCOMPARE(d.dialog->focusWidget()->objectName(), focus);
        QCOMPARE(d.f.state->settings.linesPerPage, 60); // nothing reached the state
    }

    void printReturnsTheChoices()
    {
        PrintDialogFixture d(ReportKind::PlayerStatistics);
        d.box("txtTitle")->setText(QStringLiteral("Spring"));
        d.box("txtCopies")->setText(QStringLiteral("50"));
        d.box("txtLines")->setText(QStringLiteral("21"));
        d.box("txtTopX")->setText(QStringLiteral("10"));
        d.box("txtFileName")->setText(QStringLiteral("/tmp/r.txt"));
        d.find<QRadioButton>("optAppend")->setChecked(true);
        d.find<QComboBox>("cmbReportFont")->setCurrentIndex(6);
        d.find<QCheckBox>("chkTitleBold")->setChecked(true);
        d.print();
        QCOMPARE(d.dialog->result(), int(QDialog::Accepted));
        const PrintChoice& c = d.dialog->choice();
        QCOMPARE(c.title, QStringLiteral("Spring"));
        QCOMPARE(c.copies, 50);
        QCOMPARE(c.linesPerPage, 21);
        QCOMPARE(c.top, 10);
        QCOMPARE(c.outputFile, QStringLiteral("/tmp/r.txt"));
        QVERIFY(c.append);
        QCOMPARE(c.reportFontSize, 18);
        QVERIFY(c.titleBold && !c.reportBold);
        // The dialog itself changes nothing: the caller takes the choice.
        QCOMPARE(d.f.state->settings.reportFontSize, 12);
        QVERIFY(d.f.state->printJob.outputFile.isEmpty());
    }

    void showPrintDialogTakesTheChoiceOnlyWhenPrinted()
    {
        GuiFixture f;
        AppState& s = *f.state;
        s.settings.titleFontSize = 5;
        s.settings.reportFontSize = 14;
        s.printJob.outputFile = QStringLiteral("/tmp/before.txt");
        const auto answerNextDialog = [](const char* button, const QString& fileName) {
            onNextModal([button, fileName](QWidget* dialog) {
                dialog->findChild<QLineEdit*>(QStringLiteral("txtFileName"))->setText(fileName);
                dialog->findChild<QCheckBox*>(QStringLiteral("chkReportBold"))->setChecked(true);
                dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
            });
        };

        // Cancelled: the job and the bold flag stay, but a font size the dialog cannot offer
        // (shown as 12) has become 12 all the same.
        answerNextDialog("cmdCancel", QStringLiteral("/tmp/cancelled.txt"));
        QVERIFY(!showPrintDialog(nullptr, ReportKind::Roster, s, f.prompter));
        QCOMPARE(s.printJob.outputFile, QStringLiteral("/tmp/before.txt"));
        QVERIFY(!s.settings.reportBold);
        QCOMPARE(s.settings.titleFontSize, 12);
        QCOMPARE(s.settings.reportFontSize, 14);

        answerNextDialog("cmdOK", QStringLiteral("/tmp/printed.txt"));
        QVERIFY(showPrintDialog(nullptr, ReportKind::Roster, s, f.prompter));
        QCOMPARE(s.printJob.outputFile, QStringLiteral("/tmp/printed.txt"));
        QCOMPARE(s.printJob.title, QStringLiteral("Roster"));
        QVERIFY(s.settings.reportBold);
    }

    void cancelFindAndSetup()
    {
        PrintDialogFixture d(ReportKind::Roster);
        d.f.prompter.fileNames.push_back(QStringLiteral("/tmp/team.TXT"));
        QTest::mouseClick(d.find<QPushButton>("cmdFind"), Qt::LeftButton);
        QCOMPARE(d.box("txtFileName")->text(), QStringLiteral("/tmp/team.TXT"));
        const FileQuestion q = d.f.prompter.fileQuestions.value(0);
        QCOMPARE(q.filter, QStringLiteral("Text (*.TXT)"));
        QCOMPARE(q.startFolder, d.f.state->settings.dataFolder);
        // A cancelled file dialog keeps the name.
        QTest::mouseClick(d.find<QPushButton>("cmdFind"), Qt::LeftButton);
        QCOMPARE(d.box("txtFileName")->text(), QStringLiteral("/tmp/team.TXT"));
        QTest::mouseClick(d.find<QPushButton>("cmdSetup"), Qt::LeftButton);
        QCOMPARE(d.f.prompter.printerSetups, 1);
        QTest::mouseClick(d.find<QPushButton>("cmdCancel"), Qt::LeftButton);
        QCOMPARE(d.dialog->result(), int(QDialog::Rejected));
        QVERIFY(d.f.state->printJob.outputFile.isEmpty());
    }

    void fileTypesNeedAFileNameAndOnlyTextAppends_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("pdf") << 1 << OutputFormat::Pdf << "Enter the name of the PDF file"
                             << "PDF (*.PDF)"
                             << "PDF";
        QTest::newRow("csv") << 2 << OutputFormat::Csv << "Enter the name of the CSV file"
                             << "CSV (*.csv)"
                             << "csv";
        QTest::newRow("html") << 3 << OutputFormat::Html << "Enter the name of the HTML file"
                              << "HTML (*.html)"
                              << "html";
    }
    void fileTypesNeedAFileNameAndOnlyTextAppends()
    {
        QFETCH(int, index);
        QFETCH(OutputFormat, format);
        QFETCH(QString, text);
        QFETCH(QString, filter);
        QFETCH(QString, suffix);
        PrintDialogFixture d(ReportKind::Roster);
        auto* type = d.find<QComboBox>("cmbFileType");
        QCOMPARE(type->count(), 4);
        d.find<QRadioButton>("optAppend")->setChecked(true);
        type->setCurrentIndex(index);
        QVERIFY(!d.find<QRadioButton>("optAppend")->isEnabled());
        QVERIFY(d.find<QRadioButton>("optReplace")->isChecked());
        d.print();
        QCOMPARE(d.f.prompter.last().title, QStringLiteral("File Name Invalid"));
        QCOMPARE(d.f.prompter.last().text, text);
        QCOMPARE(d.dialog->focusWidget()->objectName(), QStringLiteral("txtFileName"));
        QTest::mouseClick(d.find<QPushButton>("cmdFind"), Qt::LeftButton);
        QCOMPARE(d.f.prompter.fileQuestions.last().filter, filter);
        QCOMPARE(d.f.prompter.fileQuestions.last().defaultSuffix, suffix);
        d.box("txtFileName")->setText(QStringLiteral("/tmp/roster.") + suffix);
        d.print();
        QCOMPARE(d.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(d.dialog->choice().format, format);
        QVERIFY(!d.dialog->choice().append);
        // Back to text: appending is offered again.
        type->setCurrentIndex(0);
        QVERIFY(d.find<QRadioButton>("optAppend")->isEnabled());
    }

    void pdfPagesReadBackAsText()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        GuiFixture f;
        AppState& s = *f.state;
        s.teamChoice.currentSlot = 1;
        s.teamChoice.names[1] = QStringLiteral("Lakeside United");
        s.printJob.title = QStringLiteral("Roster");
        s.settings.linesPerPage = 21;
        s.printJob.copies = 1;
        s.printJob.outputFile = f.dir.path() + QStringLiteral("/roster.pdf");
        s.printJob.format = OutputFormat::Pdf;
        for (int n = 1; n <= 9; ++n)
            applyNameEdit(s, n, QStringLiteral("Player Nr%1").arg(n));
        PlayerContactTable contacts;
        contacts[2].city = QStringLiteral("Bayview");
        contacts[2].state = QStringLiteral("CA");
        contacts[2].zip = QStringLiteral("94000");
        DesktopOutput output(nullptr, s, f.prompter);
        printRoster(s, contacts, output.engine());
        QVERIFY(f.prompter.asked.isEmpty());

        QProcess process;
        process.start(
            pdftotext, {QStringLiteral("-layout"), s.printJob.outputFile, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(20000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        // Two-line blocks on 21-line pages: 8 players on the first page, the ninth on a second
        // page under the heading again. The closing form feed leaves no empty third page.
        QCOMPARE(text.count(u'\f'), 2);
        const QStringList pages = text.split(u'\f');
        QVERIFY(pages[0].contains(QStringLiteral("Lakeside United")));
        QVERIFY(pages[0].contains(QStringLiteral("2 - Player Nr2")));
        QVERIFY(pages[0].contains(QStringLiteral("Bayview, CA 94000")));
        QVERIFY(pages[0].contains(QStringLiteral("8 - Player Nr8")));
        QVERIFY(!pages[0].contains(QStringLiteral("9 - Player Nr9")));
        QVERIFY(pages[1].contains(QStringLiteral("Roster")));
        QVERIFY(pages[1].contains(QStringLiteral("9 - Player Nr9")));
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
