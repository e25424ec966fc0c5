// File > Import from Spreadsheet as a coach uses it: the file question, the column mapping, the
// preview with its problems and per-conflict choices, and OK or Cancel. How rows are read and
// stored is the core import tests' part.
#include "GuiTestSupport.h"

#include "core/store/GameRecord.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Team 1 "Rovers" holds number 10 "Ann"; a spreadsheet file waits beside the data folder.
struct ImportFixture : GuiFixture
{
    QString file;

    explicit ImportFixture(const QByteArray& csv)
    {
        writeDataFile(QStringLiteral("KVPN1.DAT"), nameBytes(10, "Ann"));
        chooseTeam(1, QStringLiteral("Rovers"));
        showMain();
        open(WindowSelectTeam);
        file = dir.filePath(QStringLiteral("import.csv"));
        writeWholeFile(file, csv);
        prompter.fileNames = {file};
    }
    // Runs the menu command with `step` acting in the import dialog.
    void runImport(std::function<void(QWidget*)> step)
    {
        if (step)
            onNextModal(std::move(step));
        mdi->menuAction(QStringLiteral("mnuImportSpreadsheet"))->trigger();
    }
};

QComboBox* combo(QWidget* dialog, const QString& name)
{
    return dialog->findChild<QComboBox*>(name);
}

int column(const QTableWidget* grid, const char* heading)
{
    return static_cast<int>(gridHeadings(grid).indexOf(QString::fromLatin1(heading)));
}

} // namespace

class TestImportWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aWrongMatchIsFixedAndAConflictReplaced()
    {
        // "Nick" is no heading the program knows: the user maps it as the name.
        ImportFixture f("No;Nick;Phone\r\n10;Ann Lee;555-1\r\n12;Bo;\r\n");
        QVERIFY(f.mdi->menuAction(QStringLiteral("mnuImportSpreadsheet"))->isEnabled());
        f.runImport([&](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("frmImportSpreadsheet"));
            QVERIFY(in<QRadioButton>(dialog, "optRoster")->isChecked());
            QVERIFY(in<QLabel>(dialog, "lblFile")->text().contains(QStringLiteral("semicolons")));
            QVERIFY(in<QLabel>(dialog, "lblMissing")->text().contains(QStringLiteral("name")));
            QVERIFY(!in<QPushButton>(dialog, "cmdOK")->isEnabled());
            combo(dialog, QStringLiteral("cboField1"))
                ->setCurrentText(QStringLiteral("Player Name"));
            QVERIFY(in<QLabel>(dialog, "lblMissing")->isHidden());

            auto* preview = in<QTableWidget>(dialog, "tblPreview");
            QCOMPARE(preview->rowCount(), 2);
            QCOMPARE(preview->item(1, column(preview, "Name"))->text(), QStringLiteral("Bo"));
            QVERIFY(preview->item(0, column(preview, "Problems"))
                        ->text()
                        .contains(QStringLiteral("number 10 is already Ann")));
            QComboBox* action = combo(dialog, QStringLiteral("cboAction0"));
            QVERIFY(action != nullptr);
            QCOMPARE(action->currentText(), QStringLiteral("Skip"));
            QVERIFY(!action->accessibleName().isEmpty());
            action->setCurrentText(QStringLiteral("Replace"));
            QVERIFY(in<QLabel>(dialog, "lblSummary")
                        ->text()
                        .startsWith(QStringLiteral("2 players to store (1 replacing)")));
            press(dialog, "cmdOK");
        });
        QCOMPARE(f.readDataFile(QStringLiteral("KVPN1.DAT")),
            nameBytes(10, "Ann Lee") + nameBytes(12, "Bo"));
        QCOMPARE(f.readDataFile(QStringLiteral("KVPI1.DAT")), (InfoBytes{10, "555-1"}.bytes()));
        QCOMPARE(f.currentName(), QStringLiteral("frmSelectTeam"));
        QVERIFY(
            f.mdi->statusBar()->currentMessage().contains(QStringLiteral("Imported 2 players")));
        QCOMPARE(f.prompter.fileQuestions.size(), 1);

        // The import is one undo step: the roster and its contacts come back as they were.
        QAction* undo = f.mdi->menuAction(QStringLiteral("mnuUndo"));
        QCOMPARE(undo->text(), QStringLiteral("&Undo Roster Import"));
        undo->trigger();
        QCOMPARE(f.readDataFile(QStringLiteral("KVPN1.DAT")), nameBytes(10, "Ann"));
        QVERIFY(f.readDataFile(QStringLiteral("KVPI1.DAT")).isEmpty());
        QVERIFY(f.state->roster.free[12]); // the roster in memory follows its file
    }

    void cancelAndEscapeWriteNothing()
    {
        ImportFixture f("Number,Name\n11,Cy\n");
        const QByteArray before = f.readDataFile(QStringLiteral("KVPN1.DAT"));
        f.runImport([](QWidget* dialog) { press(dialog, "cmdCancel"); });
        f.prompter.fileNames = {f.file};
        f.runImport([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        QCOMPARE(f.readDataFile(QStringLiteral("KVPN1.DAT")), before);
        QCOMPARE(f.currentName(), QStringLiteral("frmSelectTeam"));
        // No file chosen: nothing shown at all.
        f.runImport({});
        QCOMPARE(f.currentName(), QStringLiteral("frmSelectTeam"));
        QVERIFY(f.prompter.asked.isEmpty());
    }

    void rowsWithProblemsAreLeftOutOnlyWhenTheUserSaysSo()
    {
        ImportFixture f("Date,Opponent,Result,GF,GA\n"
                        "9/14/2024,City,W,2,1\n"
                        "9/31/2024,Town,L,0,1\n");
        f.runImport([&](QWidget* dialog) {
            QVERIFY(in<QRadioButton>(dialog, "optGames")->isChecked());
            auto* preview = in<QTableWidget>(dialog, "tblPreview");
            QCOMPARE(
                preview->item(1, column(preview, "Action"))->text(), QStringLiteral("Left out"));
            QVERIFY(preview->item(1, column(preview, "Problems"))
                        ->text()
                        .contains(QStringLiteral("\"9/31/2024\" is not a real day")));
            f.prompter.answers = {Message::Answer::No};
            press(dialog, "cmdOK");
            QVERIFY(dialog->isVisible());
            QCOMPARE(f.prompter.last().title, QStringLiteral("Rows With Problems"));
            f.prompter.answers = {Message::Answer::Yes};
            press(dialog, "cmdOK");
        });
        const QByteArray games = f.readDataFile(QStringLiteral("KVGS1.DAT"));
        QCOMPARE(games.size(), GameRecord::Length);
        QCOMPARE(GameRecord::decode(games).opponent.trimmed(), QStringLiteral("City"));
    }

    void addingWithNoNumberFreeCanBeTakenBack()
    {
        ImportFixture f("No,Name\n5,Extra\n");
        QByteArray full;
        for (int n = 1; n <= 99; ++n)
            full += nameBytes(n, "Someone");
        f.writeDataFile(QStringLiteral("KVPN1.DAT"), full);
        f.chooseTeam(1);
        f.open(WindowSelectTeam);
        f.runImport([&](QWidget* dialog) {
            auto* preview = in<QTableWidget>(dialog, "tblPreview");
            combo(dialog, QStringLiteral("cboAction0"))->setCurrentText(QStringLiteral("Add"));
            QTest::qWait(0); // the preview is shown again once the box's signal is over
            QVERIFY(preview->item(0, column(preview, "Problems"))
                        ->text()
                        .contains(QStringLiteral("no number is free")));
            QVERIFY(!in<QPushButton>(dialog, "cmdOK")->isEnabled());
            combo(dialog, QStringLiteral("cboAction0"))->setCurrentText(QStringLiteral("Replace"));
            QTest::qWait(0);
            QVERIFY(in<QPushButton>(dialog, "cmdOK")->isEnabled());
            press(dialog, "cmdOK");
        });
        QVERIFY(f.readDataFile(QStringLiteral("KVPN1.DAT")).contains("Extra"));
    }

    void aFileThatIsNoSpreadsheetIsRefused()
    {
        ImportFixture f(QByteArray("\x7F"
                                   "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
            16));
        f.runImport({});
        QCOMPARE(f.prompter.last().title, QStringLiteral("Import from Spreadsheet"));
        QVERIFY(f.prompter.last().text.contains(QStringLiteral("binary")));
        QCOMPARE(f.currentName(), QStringLiteral("frmSelectTeam"));
    }
};

QTEST_MAIN(TestImportWindow)
#include "test_import_window.moc"
