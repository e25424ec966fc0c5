// The season commands as a user meets them: New Season from its name to the team window, Open
// Season on an archive (title bar, disabled writing items, a refused save, the report heading)
// and back to the current season, and a damaged archive listed but not offered.
#include "GuiTestSupport.h"

#include "core/seasons/SeasonArchive.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

bool enabled(GuiFixture& f, const char* item)
{
    return f.mdi->menuAction(QString::fromLatin1(item))->isEnabled();
}

// Team 1 with one game of 2002 and one result.
void oneSeason(GuiFixture& f)
{
    f.writeDataFile(QStringLiteral("KVPN1.DAT"), nameBytes(9, "Ann"));
    f.writeDataFile(QStringLiteral("KVGS1.DAT"), games({game(1, "Rovers", 2, 1)}));
    f.writeDataFile(QStringLiteral("KVPS1.DAT"), resultBytes(1, 9, {{2, 1}}));
}

void endSeason(GuiFixture& f, const QString& name)
{
    f.prompter.texts = {name};
    f.prompter.answers = {Message::Answer::Yes, Message::Answer::Ok};
    f.mdi->runMenuCommand(QStringLiteral("mnuNewSeason"));
}

// Chooses row `row` of the Open Season list (0 is the current season) and opens it.
QStringList openSeasonRow(GuiFixture& f, int row)
{
    QStringList shown;
    onNextModal([&](QWidget* dialog) {
        auto* list = in<QListWidget>(dialog, "lstSeasons");
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text()
                    + (list->item(i)->flags() & Qt::ItemIsEnabled ? QString()
                                                                  : QStringLiteral("*"));
        list->setCurrentRow(row);
        press(dialog, "cmdOK");
    });
    f.mdi->runMenuCommand(QStringLiteral("mnuOpenSeason"));
    return shown;
}

} // namespace

class TestSeasons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newSeasonKeepsTheRosterAndEmptiesTheGames()
    {
        GuiFixture f;
        oneSeason(f);
        QVERIFY(f.start());
        const QString title = f.mdi->windowTitle();
        endSeason(f, QStringLiteral("Spring"));
        QVERIFY(f.prompter.wasAsked(QStringLiteral("New Season"),
            QStringLiteral("The season \"Spring\" is kept in\n%1\n\nThe new season has started.")
                .arg(seasonsFolder(f.dataPath()) + QStringLiteral("Spring/"))));
        QCOMPARE(f.currentName(), QStringLiteral("frmSelectTeam"));
        QVERIFY(!QFileInfo::exists(f.dataPath() + QStringLiteral("KVGS1.DAT")));
        QCOMPARE(f.readDataFile(QStringLiteral("KVPN1.DAT")), nameBytes(9, "Ann"));
        QCOMPARE(f.mdi->windowTitle(), title);

        // Cancelling the name, or saying No, changes nothing.
        f.writeDataFile(QStringLiteral("KVGS1.DAT"), games({game(1, "Rovers", 2, 1)}));
        f.prompter.texts = {QString()};
        f.mdi->runMenuCommand(QStringLiteral("mnuNewSeason"));
        f.prompter.texts = {QStringLiteral("Autumn")};
        f.prompter.answers = {Message::Answer::No};
        f.mdi->runMenuCommand(QStringLiteral("mnuNewSeason"));
        QVERIFY(QFileInfo::exists(f.dataPath() + QStringLiteral("KVGS1.DAT")));
        QVERIFY(!QFileInfo::exists(seasonsFolder(f.dataPath()) + QStringLiteral("Autumn")));
    }

    void anArchivedSeasonIsShownReadOnly()
    {
        GuiFixture f;
        oneSeason(f);
        QVERIFY(f.start());
        endSeason(f, QStringLiteral("2002"));
        const QString home = f.dataPath();

        QCOMPARE(openSeasonRow(f, 1),
            QStringList({QStringLiteral("Current season"), QStringLiteral("2002")}));
        QVERIFY(f.mdi->windowTitle().endsWith(QStringLiteral(" - Season 2002 (read-only)")));
        auto* note = f.mdi->findChild<QLabel*>(QStringLiteral("lblViewedSeason"));
        QVERIFY(note && note->isVisibleTo(f.mdi.get()));
        QCOMPARE(note->text(), QStringLiteral("Season 2002 (read-only)"));
        f.mdi->selectionChanged(1);
        QVERIFY(!enabled(f, "mnuRoster") && !enabled(f, "mnuTeamName")
            && !enabled(f, "mnuDeleteFiles") && !enabled(f, "mnuRestore")
            && !enabled(f, "mnuNewSeason") && !enabled(f, "mnuDataPath"));
        QVERIFY(enabled(f, "mnuPlayer") && enabled(f, "mnuBackUp"));

        // The old season's game is read; printing its record names the season.
        f.runReport("mnuRecord", {1});
        const QByteArray printed = f.printTo(f.dir.filePath(QStringLiteral("record.txt")));
        QVERIFY2(printed.contains("- Season 2002"), printed.constData());

        // Back to the current season: its folder, its title, its items.
        f.mdi->closeChildWindows();
        openSeasonRow(f, 0);
        QCOMPARE(f.dataPath(), home);
        QVERIFY(!f.mdi->windowTitle().contains(QStringLiteral("Season")));
        QVERIFY(!note->isVisibleTo(f.mdi.get()));
        f.mdi->selectionChanged(1);
        QVERIFY(enabled(f, "mnuRoster") && enabled(f, "mnuNewSeason"));
    }

    // The Compute window's Career choice: the renumbered player is one row with two seasons, the
    // printout is what the tool prints for the same seasons, and without Career the window is
    // the one-season report again.
    void careerInTheComputeWindow()
    {
        GuiFixture f;
        oneSeason(f);
        QVERIFY(f.start());
        endSeason(f, QStringLiteral("2002"));
        f.writeDataFile(QStringLiteral("KVPN1.DAT"), nameBytes(4, "ANN"));
        f.writeDataFile(QStringLiteral("KVGS1.DAT"), games({game(1, "Rovers", 1, 0)}));
        f.writeDataFile(QStringLiteral("KVPS1.DAT"), resultBytes(1, 4, {{2, 1}}));
        f.runReport("mnuPlayer", {1});
        auto* grid = f.child<QTableWidget>("tblStats");
        QVERIFY(grid);
        QVERIFY(!gridHeadings(grid).contains(QStringLiteral("Seasons")));

        const auto compute = [&f](bool career) {
            onNextModal([career](QWidget* dialog) {
                in<QCheckBox>(dialog, "chkCareer")->setChecked(career);
                auto* list = in<QListWidget>(dialog, "lstCareerSeasons");
                QCOMPARE(list->count(), 1);
                list->item(0)->setCheckState(Qt::Checked);
                press(dialog, "cmdCompute");
            });
            f.click("cmdCompute");
        };
        compute(true);
        const QStringList headings = gridHeadings(grid);
        const auto seasons = headings.indexOf(QStringLiteral("Seasons"));
        QVERIFY(seasons > 0);
        QCOMPARE(grid->rowCount(), 2); // totals and the one player of both seasons
        QCOMPARE(gridRow(grid, 1).at(seasons).trimmed(), QStringLiteral("2"));
        const QByteArray printed = f.printTo(f.dir.filePath(QStringLiteral("career.txt")));
        QCOMPARE(printed, f.toolOutput(texts({"players", "--teams", "1", "--seasons", "2002"})));

        compute(false);
        QVERIFY(!gridHeadings(grid).contains(QStringLiteral("Seasons")));
    }

    void aDamagedArchiveIsListedWithItsProblemAndCannotBeChosen()
    {
        GuiFixture f;
        oneSeason(f);
        QVERIFY(f.start());
        endSeason(f, QStringLiteral("2002"));
        QFile::remove(seasonsFolder(f.dataPath()) + QStringLiteral("2002/KVGS1.DAT"));
        const QStringList shown = openSeasonRow(f, 0);
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1], QStringLiteral("2002  (cannot be opened: KVGS1.DAT is missing)*"));
    }
};

QTEST_MAIN(TestSeasons)
#include "test_seasons.moc"
