// The sample league: the File menu command, the offer on the first start, and the way back to
// the user's own data folder.
#include "GuiTestSupport.h"

#include "core/state/StartUp.h"
#include "core/store/DataFolderLock.h"
#include "core/teams/SampleLeague.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QTest>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Points the sample league's folder into the fixture's folder.
QString useSampleFolderIn(const GuiFixture& f)
{
    qputenv("XDG_DATA_HOME", (f.dir.path() + QStringLiteral("/xdg-data")).toLocal8Bit());
    return SampleLeague::defaultFolder();
}

const QString Welcome = QStringLiteral("Welcome to Scorvane for Soccer");

} // namespace

class TestSampleLeague : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sampleLeagueCommandSwitchesAndSaysHowBack()
    {
        GuiFixture f;
        const QString sample = useSampleFolderIn(f);
        const QString own = f.dataPath();
        QVERIFY(f.start());
        QCOMPARE(f.prompter.last().title, Welcome); // the first-start offer, answered No
        QCOMPARE(f.dataPath(), own);

        {
            // Another copy of the program works in the sample folder: nothing changes here.
            QDir().mkpath(sample);
            DataFolderLock other;
            QCOMPARE(other.lock(sample), DataFolderLock::Result::Locked);
            f.mdi->menuAction(QStringLiteral("mnuSampleLeague"))->trigger();
            QCOMPARE(f.prompter.last().title, QStringLiteral("Data Folder in Use"));
            QCOMPARE(f.dataPath(), own);
        }
        f.mdi->menuAction(QStringLiteral("mnuSampleLeague"))->trigger();
        QCOMPARE(f.dataPath(), sample);
        QVERIFY(QFileInfo::exists(sample + QStringLiteral("KVTEAMS.DAT")));
        QCOMPARE(f.state->teamChoice.names[1].trimmed(), QStringLiteral("Riverside Rovers"));
        QCOMPARE(f.currentName(), QStringLiteral("frmSelectTeam"));
        QCOMPARE(f.prompter.last().title, QStringLiteral("Sample League"));
        QVERIFY(f.prompter.last().text.contains(QStringLiteral("File > Data Directory")));
        QVERIFY(f.prompter.last().text.contains(own));
        QVERIFY(f.mdi->statusBar()->currentMessage().contains(own));
        // Saving the choice and moving the lock are the core folder change tests' part.

        // Changes made in the league stay when it is opened again.
        writeWholeFile(sample + QStringLiteral("KVGS1.DAT"), QByteArray());
        f.mdi->menuAction(QStringLiteral("mnuSampleLeague"))->trigger();
        QCOMPARE(f.dataPath(), sample);
        QCOMPARE(QFileInfo(sample + QStringLiteral("KVGS1.DAT")).size(), 0);
    }

    void firstStartOffersTheSampleLeagueOnce()
    {
        {
            GuiFixture f;
            const QString sample = useSampleFolderIn(f);
            f.prompter.answers = {Message::Answer::Yes};
            QVERIFY(f.start());
            QCOMPARE(f.prompter.asked.first().title, Welcome);
            QCOMPARE(f.dataPath(), sample);
            QCOMPARE(f.currentName(), QStringLiteral("frmSelectTeam"));
        }
        {
            // A data folder that already holds a team list is no first start.
            GuiFixture f;
            useSampleFolderIn(f);
            f.loadTeamList();
            f.state->files.closeDataFile(AllFiles);
            QVERIFY(f.start());
            QVERIFY(f.prompter.asked.isEmpty());
        }
    }
};

QTEST_MAIN(TestSampleLeague)
#include "test_sample_league.moc"
