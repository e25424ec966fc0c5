// The print settings dialog (defaults, hiding, the checks, fonts, Find and Setup) and the PDF
// destination read back with pdftotext.
#include "GuiTestSupport.h"

#include "core/roster/RosterPrintout.h"
#include "core/roster/RosterTable.h"
#include "gui/output/DesktopOutput.h"
#include "gui/output/PrintDialog.h"

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

    explicit PrintDialogFixture(const char* kind)
    {
        f.state->ReportKind = QString::fromLatin1(kind);
        f.state->DialogResult = QStringLiteral("N");
        dialog = std::make_unique<PrintDialog>(*f.state, f.prompter, programPrinter());
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
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("topShown");
        QTest::addColumn<bool>("linesShown");
        QTest::newRow("players") << "P"
                                 << "Player Statistics" << true << true;
        QTest::newRow("record") << "R"
                                << "Team Record" << false << false;
        QTest::newRow("scores") << "G"
                                << "Game Scores" << false << true;
        QTest::newRow("standings") << "S"
                                   << "Team Standings" << false << true;
        QTest::newRow("roster") << "X"
                                << "Roster" << false << true;
    }
    void titleAndHiddenControlsFollowTheReportKind()
    {
        QFETCH(QString, kind);
        QFETCH(QString, title);
        QFETCH(bool, topShown);
        QFETCH(bool, linesShown);
        PrintDialogFixture d(kind.toLatin1().constData());
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
        PrintDialogFixture d("P");
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
        QCOMPARE(d.f.state->LinesPerPage, qint16(60)); // nothing reached the state
    }

    void printStoresTheChoices()
    {
        PrintDialogFixture d("P");
        d.box("txtTitle")->setText(QStringLiteral("Spring"));
        d.box("txtCopies")->setText(QStringLiteral("50"));
        d.box("txtLines")->setText(QStringLiteral("21"));
        d.box("txtTopX")->setText(QStringLiteral("10"));
        d.box("txtFileName")->setText(QStringLiteral("/tmp/r.txt"));
        d.find<QRadioButton>("optAppend")->setChecked(true);
        d.find<QComboBox>("cmbReportFont")->setCurrentIndex(6);
        d.find<QCheckBox>("chkTitleBold")->setChecked(true);
        d.print();
        QVERIFY(d.f.prompter.asked.isEmpty());
        QVERIFY(!d.dialog->isVisible());
        const AppState& s = *d.f.state;
        QCOMPARE(s.DialogResult, QStringLiteral("N"));
        QCOMPARE(s.ReportTitle, QStringLiteral("Spring"));
        QCOMPARE(s.CopiesLeft, qint16(50));
        QCOMPARE(s.LinesPerPage, qint16(21));
        QCOMPARE(s.PrintTop, qint16(10));
        QCOMPARE(s.OutputFileName, QStringLiteral("/tmp/r.txt"));
        QCOMPARE(s.AppendToFile, QStringLiteral("A"));
        QCOMPARE(s.ReportFontSize, qint16(18));
        QCOMPARE(s.TitleBold, qint16(-1));
        QCOMPARE(s.ReportBold, qint16(0));
    }

    void fontSizesOutsideTheListAreShownAndSavedAsTwelve()
    {
        GuiFixture f;
        f.state->TitleFontSize = 5;
        f.state->ReportFontSize = 20;
        f.state->ReportKind = QStringLiteral("X");
        PrintDialog dialog(*f.state, f.prompter, programPrinter());
        auto* title = dialog.findChild<QComboBox*>(QStringLiteral("cmbTitleFont"));
        QCOMPARE(title->count(), 7);
        QCOMPARE(title->itemText(0), QStringLiteral(" 6"));
        QCOMPARE(title->currentText(), QStringLiteral(" 12"));
        QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("cmbReportFont"))->currentText(),
            QStringLiteral(" 12"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(f.state->TitleFontSize, qint16(12));
        QCOMPARE(f.state->ReportFontSize, qint16(12));
    }

    void cancelFindAndSetup()
    {
        PrintDialogFixture d("X");
        d.f.prompter.fileNames.push_back(QStringLiteral("/tmp/team.TXT"));
        QTest::mouseClick(d.find<QPushButton>("cmdFind"), Qt::LeftButton);
        QCOMPARE(d.box("txtFileName")->text(), QStringLiteral("/tmp/team.TXT"));
        const FileQuestion q = d.f.prompter.fileQuestions.value(0);
        QCOMPARE(q.title, QStringLiteral("Set Filename to Print To:"));
        QCOMPARE(q.filter, QStringLiteral("Text (*.TXT)"));
        QCOMPARE(q.defaultSuffix, QStringLiteral("TXT"));
        QCOMPARE(q.startFolder, d.f.state->DataPath);
        // A cancelled file dialog keeps the name.
        QTest::mouseClick(d.find<QPushButton>("cmdFind"), Qt::LeftButton);
        QCOMPARE(d.box("txtFileName")->text(), QStringLiteral("/tmp/team.TXT"));
        QTest::mouseClick(d.find<QPushButton>("cmdSetup"), Qt::LeftButton);
        QCOMPARE(d.f.prompter.printerSetups, 1);
        QTest::mouseClick(d.find<QPushButton>("cmdCancel"), Qt::LeftButton);
        QCOMPARE(d.f.state->DialogResult, QStringLiteral("Y"));
        QVERIFY(d.f.state->OutputFileName.isEmpty());
    }

    void pdfNeedsAFileNameAndNeverAppends()
    {
        PrintDialogFixture d("X");
        d.find<QRadioButton>("optAppend")->setChecked(true);
        d.find<QCheckBox>("chkSavePdf")->setChecked(true);
        QVERIFY(!d.find<QRadioButton>("optAppend")->isEnabled());
        d.print();
        QCOMPARE(d.f.prompter.last().title, QStringLiteral("File Name Invalid"));
        d.box("txtFileName")->setText(QStringLiteral("/tmp/roster.pdf"));
        d.print();
        QCOMPARE(d.f.state->OutputAsPdf, QStringLiteral("Y"));
        QCOMPARE(d.f.state->AppendToFile, QStringLiteral("R"));
    }

    void pdfPagesReadBackAsText()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        GuiFixture f;
        AppState& s = *f.state;
        s.TeamSlot = 1;
        s.TeamNames[1] = QStringLiteral("Lakeside United");
        s.ReportTitle = QStringLiteral("Roster");
        s.LinesPerPage = 21;
        s.CopiesLeft = 1;
        s.OutputFileName = f.dir.path() + QStringLiteral("/roster.pdf");
        s.OutputAsPdf = QStringLiteral("Y");
        for (int n = 1; n <= 9; ++n)
            applyNameEdit(s, n, QStringLiteral("Player Nr%1").arg(n));
        PlayerContactTable contacts;
        contacts[2].City = QStringLiteral("Bayview");
        contacts[2].State = QStringLiteral("CA");
        contacts[2].Zip = QStringLiteral("94000");
        DesktopOutput output(nullptr, s, f.prompter);
        printRoster(s, contacts, output.engine());
        QVERIFY(f.prompter.asked.isEmpty());

        QProcess process;
        process.start(
            pdftotext, {QStringLiteral("-layout"), s.OutputFileName, QStringLiteral("-")});
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

    void outputErrorsOfferRetryAndCancel()
    {
        GuiFixture f;
        AppState& s = *f.state;
        s.OutputFileName = f.dir.path() + QStringLiteral("/missing/out.txt");
        f.prompter.answers = {Message::Answer::Retry, Message::Answer::Cancel};
        DesktopOutput output(nullptr, s, f.prompter);
        output.engine().outputLine(QString(), 80, QStringLiteral("O"));
        QCOMPARE(f.prompter.asked.size(), 2);
        QCOMPARE(f.prompter.last().title, QStringLiteral("Printer/File Error"));
        QCOMPARE(f.prompter.last().buttons, Message::Buttons::RetryCancel);
        QCOMPARE(s.OutputStopped, QStringLiteral("Y"));
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
