// The print settings dialog: the checks, the choices handed over, Find and Setup, and the file
// types. Titles and page lengths reaching the printouts are checked where each window prints.
#include "GuiTestSupport.h"

#include "core/store/SettingsRecord.h"
#include "gui/output/DesktopOutput.h"
#include "gui/output/PrintDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
    void checksRunInOrderAndKeepTheDialogOpen_data()
    {
        for (const char* column : {"copies", "lines", "top", "title", "text", "focus"})
            QTest::addColumn<QString>(column);
        const char* const rows[][7] = {
            {"no copies", "0", "10", "0", "Copies Invalid", "Must be greater than 1", "txtCopies"},
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
        QVERIFY(d.dialog->isVisible());
        QCOMPARE(d.dialog->focusWidget()->objectName(), focus);
        QCOMPARE(d.f.state->settings.linesPerPage, 60); // nothing reached the state
    }

    // Find and Setup ask the user; Cancel keeps nothing but a font size the dialog cannot offer
    // (made 12 on opening); Print hands every choice to the print job and the settings, which
    // are written at once.
    void onlyAPrintedDialogHandsOverItsChoices()
    {
        GuiFixture f;
        AppState& s = *f.state;
        s.settings.reportFolder = f.dir.path() + QStringLiteral("/reports/");
        s.settings.titleFontSize = 5;
        s.printJob.outputFile = QStringLiteral("/tmp/before.txt");
        const auto fillIn = [&f](const char* button) {
            onNextModal([&f, button](QWidget* dialog) {
                const auto box = [dialog](const char* name) {
                    return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
                };
                const auto press = [dialog](const char* name) {
                    QTest::mouseClick(
                        dialog->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
                };
                f.prompter.fileNames = {QStringLiteral("/tmp/team.TXT")};
                press("cmdFind");
                press("cmdFind"); // cancelled: the name stays
                QCOMPARE(box("txtFileName")->text(), QStringLiteral("/tmp/team.TXT"));
                press("cmdSetup");
                box("txtTitle")->setText(QStringLiteral("Spring"));
                box("txtCopies")->setText(QStringLiteral("50"));
                box("txtLines")->setText(QStringLiteral("21"));
                box("txtTopX")->setText(QStringLiteral("10"));
                box("txtFileName")->setText(QStringLiteral("r.txt"));
                dialog->findChild<QRadioButton*>(QStringLiteral("optAppend"))->setChecked(true);
                dialog->findChild<QComboBox*>(QStringLiteral("cmbReportFont"))->setCurrentIndex(6);
                dialog->findChild<QCheckBox*>(QStringLiteral("chkTitleBold"))->setChecked(true);
                press(button);
            });
        };
        fillIn("cmdCancel");
        QVERIFY(!showPrintDialog(nullptr, ReportKind::PlayerStatistics, s, f.prompter));
        QCOMPARE(s.printJob.outputFile, QStringLiteral("/tmp/before.txt"));
        QVERIFY(!s.settings.titleBold);
        QCOMPARE(s.settings.titleFontSize, 12);
        QCOMPARE(f.prompter.fileQuestions.value(0).filter, QStringLiteral("Text (*.TXT)"));
        QCOMPARE(f.prompter.printerSetups, 1);

        fillIn("cmdOK");
        QVERIFY(showPrintDialog(nullptr, ReportKind::PlayerStatistics, s, f.prompter));
        const PrintJob& job = s.printJob;
        QCOMPARE(job.title, QStringLiteral("Spring"));
        QCOMPARE(
            QList<int>({job.copies, job.top, s.settings.linesPerPage}), QList<int>({50, 10, 21}));
        QCOMPARE(job.outputFile, s.settings.reportFolder + QStringLiteral("r.txt"));
        QVERIFY(job.append);
        QCOMPARE(s.settings.reportFontSize, 18);
        QVERIFY(s.settings.titleBold && !s.settings.reportBold);
        QCOMPARE(SettingsRecord::decode(readWholeFile(f.settingsPath())).linesPerPage, 21);
    }

    // A PDF needs a file name and cannot be appended to; the other file types take the same
    // path, and the roster test's CSV and HTML files show that each type reaches the output.
    void aFileTypeNeedsAFileNameAndOnlyTextAppends()
    {
        PrintDialogFixture d(ReportKind::Roster);
        auto* type = d.find<QComboBox>("cmbFileType");
        d.find<QRadioButton>("optAppend")->setChecked(true);
        type->setCurrentIndex(1);
        QVERIFY(!d.find<QRadioButton>("optAppend")->isEnabled());
        d.print();
        QCOMPARE(d.f.prompter.last().text, QStringLiteral("Enter the name of the PDF file"));
        QCOMPARE(d.dialog->focusWidget()->objectName(), QStringLiteral("txtFileName"));
        QTest::mouseClick(d.find<QPushButton>("cmdFind"), Qt::LeftButton);
        QCOMPARE(d.f.prompter.fileQuestions.last().filter, QStringLiteral("PDF (*.PDF)"));
        d.box("txtFileName")->setText(QStringLiteral("/tmp/roster.pdf"));
        d.print();
        QCOMPARE(d.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(d.dialog->choice().format, OutputFormat::Pdf);
        QVERIFY(!d.dialog->choice().append);
        type->setCurrentIndex(0); // back to text: appending is offered again
        QVERIFY(d.find<QRadioButton>("optAppend")->isEnabled());
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
