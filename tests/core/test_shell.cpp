// Start-up, the first-start move, shut-down, back-up copies, team naming and deletion.
#include "TestSupport.h"

#include "core/state/DefaultSettings.h"
#include "core/state/StartUp.h"
#include "core/store/Backup.h"
#include "core/store/FolderBrowsing.h"
#include "core/store/SettingsRecord.h"
#include "core/store/TeamList.h"
#include "core/teams/TeamSetup.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <tuple>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

QString settingsFile(const AppState& s)
{
    return s.settings.settingsFolder + QStringLiteral("QMKV.INI");
}

ProgramFolders foldersUnder(const QString& root, bool standard)
{
    ProgramFolders f;
    f.programFilesFolder = root + QStringLiteral("/opt/");
    f.commonDataFolder = root + QStringLiteral("/var/");
    f.programFolder = standard
        ? f.programFilesFolder + QStringLiteral("Quillmere Software/Scorvane for Soccer/")
        : root + QStringLiteral("/elsewhere/");
    f.tempFolder = root + QStringLiteral("/tmp/");
    f.executableName = QStringLiteral("scorvane");
    QDir().mkpath(f.programFolder);
    return f;
}

} // namespace

TEST(DefaultSettings, ValuesOfANewInstallation)
{
    const SettingsRecord s = defaultSettingsRecord(QStringLiteral("/home/coach/data"));
    EXPECT_EQ(s.reportPathText.trimmed(), QStringLiteral("/home/coach/data/"));
    EXPECT_EQ(s.dataPathText.trimmed(), QStringLiteral("/home/coach/data/"));
    EXPECT_EQ(s.gameTypeNames[1].trimmed(), QStringLiteral("League"));
    EXPECT_EQ(s.userStatCodes[5], QStringLiteral("KV5"));
    // Report columns G, GS, SOG, SAG ... Sv, then zeros.
    EXPECT_EQ(std::tuple(s.reportColumns[1], s.reportColumns[4], s.reportColumns[18],
                  s.reportColumns[19], s.reportColumns[50]),
        std::tuple(1, 5, 28, 0, 0));
    // Sort column GS, descending, 60 lines, title and report in 12 points, not bold.
    EXPECT_EQ(s.encode().mid(566, 13),
        le16(7) + "D" + le16(60) + le16(12) + le16(0) + le16(12) + le16(0));
}

TEST(DefaultSettings, SupplyCreatesFoldersAndNeverOverwrites)
{
    QTemporaryDir dir;
    const QString settings = dir.path() + QStringLiteral("/cfg/Scorvane/");
    const QString data = dir.path() + QStringLiteral("/share/Scorvane/");
    EXPECT_TRUE(supplyDefaultSettings(settings, data).isEmpty());
    EXPECT_TRUE(QFileInfo(data).isDir());
    EXPECT_EQ(readWholeFile(settings + QStringLiteral("QMKV.INI")).size(), 669);
    writeWholeFile(settings + QStringLiteral("QMKV.INI"), "mine");
    EXPECT_TRUE(supplyDefaultSettings(settings, data).isEmpty());
    EXPECT_EQ(readWholeFile(settings + QStringLiteral("QMKV.INI")), QByteArray("mine"));
}

class StartUpTest : public ::testing::Test
{
protected:
    TempState t;
    ProgramFolders folders = foldersUnder(t.dir.path(), false);
};

TEST_F(StartUpTest, GoodSettingsLoadTheTeamList)
{
    writeWholeFile(settingsFile(t.state),
        defaultSettingsRecord(QStringLiteral("  ") + t.state.settings.dataFolder.chopped(1))
            .encode());
    t.state.settings.dataFolder.clear();
    EXPECT_EQ(startUp(t.state, folders), StartOutcome::TeamWindow);
    EXPECT_EQ(t.state.settings.dataFolder, t.dir.path() + QStringLiteral("/data/"));
    EXPECT_EQ(std::tuple(t.state.settings.sortColumn, t.state.settings.sortOrder),
        std::tuple(7, SortOrder::Descending));
    EXPECT_EQ(t.state.settings.categoryCodes[33], QStringLiteral("KV1"));
    EXPECT_EQ(t.state.teamChoice.names[100].trimmed(), QStringLiteral("Team 100"));
    EXPECT_EQ(t.readData("KVTEAMS.DAT").size(), 4000);
    EXPECT_FALSE(t.state.teamChoice.listMissing);
}

TEST_F(StartUpTest, MissingDataFolderLeadsToTheDataFolderWindow)
{
    writeWholeFile(settingsFile(t.state),
        defaultSettingsRecord(t.dir.path() + QStringLiteral("/gone/")).encode());
    EXPECT_EQ(startUp(t.state, folders), StartOutcome::DataFolderWindow);
    EXPECT_TRUE(t.state.teamChoice.listMissing);
}

TEST_F(StartUpTest, ShutDownWritesSettingsAndRemovesEmptyFiles)
{
    writeWholeFile(
        settingsFile(t.state), defaultSettingsRecord(t.state.settings.dataFolder).encode());
    ASSERT_EQ(startUp(t.state, folders), StartOutcome::TeamWindow);
    t.state.files.openDataFile(FileStats); // opened, nothing written
    t.writeData("KVPN1.DAT", QByteArray(201, 'n'));
    t.writeData("other.txt", QByteArray());
    t.state.settings.dataFolder = t.dir.path() + QStringLiteral("/data/");
    t.state.settings.linesPerPage = 55;

    shutDown(t.state);

    // The state's current values are saved; the layout belongs to the settings test.
    EXPECT_EQ(readWholeFile(settingsFile(t.state)).mid(569, 2), le16(55));
    EXPECT_FALSE(QFile::exists(t.state.settings.dataFolder + QStringLiteral("KVPS1.DAT")));
    EXPECT_TRUE(QFile::exists(t.state.settings.dataFolder + QStringLiteral("KVPN1.DAT")));
    EXPECT_TRUE(QFile::exists(t.state.settings.dataFolder + QStringLiteral("other.txt")));
}

TEST(FirstStartMove, MovesOnceAndKeepsProgramLogsAndHelp)
{
    QTemporaryDir dir;
    const ProgramFolders f = foldersUnder(dir.path(), true);
    const QString shared = sharedDataFolder(f);
    EXPECT_EQ(
        shared, f.commonDataFolder + QStringLiteral("Quillmere Software/Scorvane for Soccer/"));
    writeWholeFile(shared + QStringLiteral("movefile.txt"), "");
    writeWholeFile(shared + QStringLiteral("KVRPTFMT.DAT"), "old");
    for (const char* name : {"scorvane", "KVRPTFMT.DAT", "install.LOG", "readme.txt"})
        writeWholeFile(f.programFolder + QString::fromLatin1(name), name);
    QDir().mkpath(f.programFolder + QStringLiteral("help"));
    QDir().mkpath(f.programFolder + QStringLiteral("samples"));
    writeWholeFile(f.programFolder + QStringLiteral("samples/KVTEAMS.DAT"), "teams");

    int yields = 0;
    EXPECT_EQ(moveProgramFilesOnFirstStart(f, [&] { ++yields; }), 3);
    EXPECT_GT(yields, 0);
    EXPECT_FALSE(QFile::exists(shared + QStringLiteral("movefile.txt")));
    EXPECT_EQ(readWholeFile(shared + QStringLiteral("KVRPTFMT.DAT")), QByteArray("KVRPTFMT.DAT"));
    EXPECT_EQ(readWholeFile(shared + QStringLiteral("samples/KVTEAMS.DAT")), QByteArray("teams"));
    EXPECT_EQ(QDir(f.programFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
        texts({"help", "install.LOG", "scorvane"}));

    writeWholeFile(f.programFolder + QStringLiteral("late.txt"), "x");
    EXPECT_EQ(moveProgramFilesOnFirstStart(f), 0); // the marker is gone: once only

    // Outside the standard place the program's folder is the shared one: nothing moves.
    const ProgramFolders own = foldersUnder(dir.path() + QStringLiteral("/own"), false);
    EXPECT_EQ(sharedDataFolder(own), own.programFolder);
    writeWholeFile(own.programFolder + QStringLiteral("movefile.txt"), "");
    EXPECT_EQ(moveProgramFilesOnFirstStart(own), 0);
    EXPECT_TRUE(QFile::exists(own.programFolder + QStringLiteral("movefile.txt")));
}

TEST(BackupCopies, CopiesNonEmptyDataFilesOnly)
{
    TempState t;
    const QString target = t.dir.path() + QStringLiteral("/usb/");
    QDir().mkpath(target);
    t.writeData("KVTEAMS.DAT", QByteArray(4000, 't'));
    t.writeData("KVPN1.DAT", QByteArray(201, 'n'));
    t.writeData("kvgs1.dat", QByteArray(150, 'g'));
    t.writeData("KVPS1.DAT", QByteArray());
    t.writeData("notes.DAT", QByteArray(5, 'x'));
    writeWholeFile(target + QStringLiteral("KVPN1.DAT"), "stale");
    t.state.files.openDataFile(FileTeamList);

    QStringList told;
    EXPECT_EQ(copyDataFiles(t.state, t.state.settings.dataFolder, target,
                  [&](const QString& name) { told << QFileInfo(name).fileName(); }),
        3);
    EXPECT_EQ(told.size(), 3);
    EXPECT_FALSE(t.state.files.isOpen(FileTeamList));
    EXPECT_EQ(readWholeFile(target + QStringLiteral("KVPN1.DAT")), QByteArray(201, 'n'));
    EXPECT_EQ(QDir(target).entryList(QDir::Files, QDir::Name),
        texts({"KVPN1.DAT", "KVTEAMS.DAT", "kvgs1.dat"}));

    const QString empty = t.dir.path() + QStringLiteral("/empty/");
    QDir().mkpath(empty);
    EXPECT_EQ(copyDataFiles(t.state, empty, t.state.settings.dataFolder), 0);
    // A target that is not there is reported and cancels the copy.
    EXPECT_EQ(copyDataFiles(
                  t.state, t.state.settings.dataFolder, t.dir.path() + QStringLiteral("/none/")),
        -1);
    ASSERT_EQ(t.reporter.errors.size(), 1u);
    EXPECT_EQ(t.reporter.errors[0].operation, QStringLiteral("Backing up the data files"));

    // Restoring "kvgs1.dat" over a data folder that holds "KVGS1.DAT" replaces that file.
    t.writeData("KVPN1.DAT", QByteArray(201, 'o'));
    writeWholeFile(target + QStringLiteral("kvpn1.dat"), QByteArray(402, 'r'));
    QFile::remove(target + QStringLiteral("KVPN1.DAT"));
    copyDataFiles(t.state, target, t.state.settings.dataFolder);
    EXPECT_EQ(t.readData("KVPN1.DAT"), QByteArray(402, 'r'));
    EXPECT_FALSE(QFile::exists(t.state.settings.dataFolder + QStringLiteral("kvpn1.dat")));
}

TEST(BackupCopies, RestorePlanCountsReplacedAndLeftFiles)
{
    TempState t;
    const QString backup = t.dir.path() + QStringLiteral("/usb/");
    QDir().mkpath(backup);
    writeWholeFile(backup + QStringLiteral("kvpn1.dat"), QByteArray(201, 'n'));
    writeWholeFile(backup + QStringLiteral("KVTEAMS.DAT"), QByteArray(4000, 't'));
    writeWholeFile(backup + QStringLiteral("KVGS1.DAT"), QByteArray()); // empty: not copied
    t.writeData("KVPN1.DAT", QByteArray(201, 'o'));
    t.writeData("KVGS1.DAT", QByteArray(150, 'g'));
    t.writeData("KVPS2.DAT", QByteArray(115, 's'));
    t.writeData("KVPI2.DAT", QByteArray()); // empty

    const RestorePlan plan = planRestore(backup, t.state.settings.dataFolder);
    EXPECT_EQ(plan.copied, texts({"KVTEAMS.DAT", "kvpn1.dat"}));
    EXPECT_EQ(plan.replaced, 1); // the roster, found without regard to case
    EXPECT_EQ(plan.leftAlone, texts({"KVGS1.DAT", "KVPS2.DAT"}));
}

class TeamSetupTest : public ::testing::Test
{
protected:
    TempState t;
    void SetUp() override
    {
        checkAndLoadTeamList(
            t.state.files, t.state.teamChoice.names, t.state.teamChoice.shortNames);
        t.state.teamChoice.currentSlot = 12;
    }
    QByteArray slotBytes(int slot) { return t.readData("KVTEAMS.DAT").mid((slot - 1) * 40, 40); }
};

TEST_F(TeamSetupTest, NamingRules)
{
    nameTeam(t.state, QStringLiteral("  Riverside Rovers Under Twelve Girls "), QString());
    EXPECT_EQ(
        slotBytes(12), pad("Riverside Rovers Under Tw", 25) + pad("Riverside", 10) + pad("", 5));
    EXPECT_EQ(t.state.teamChoice.currentName, QStringLiteral("Riverside Rovers Under Tw"));

    nameTeam(t.state, QString(), QStringLiteral("Rovers"));
    EXPECT_EQ(slotBytes(12), pad("Team 12", 25) + pad("Rovers", 10) + pad("", 5));

    nameTeam(t.state, QStringLiteral(" "), QStringLiteral(" "));
    EXPECT_EQ(slotBytes(12), pad("Team 12", 25) + pad("Team 12", 10) + pad("", 5));
    EXPECT_EQ(slotBytes(11), pad("Team 11", 25) + pad("Team 11", 10) + pad("", 5));
}

TEST_F(TeamSetupTest, DeletingTouchesOnlyThisTeam)
{
    nameTeam(t.state, QStringLiteral("Rovers"), QStringLiteral("R"));
    for (const char* name : {"KVPN12.DAT", "KVGS12.DAT", "KVPS12.DAT", "KVPN1.DAT", "KVPS2.DAT"})
        writeWholeFile(t.state.settings.dataFolder + QString::fromLatin1(name), "data");
    t.state.files.openDataFile(FileStats); // an open team file is closed first
    deleteTeamFiles(t.state);              // KVPI12.DAT never existed
    EXPECT_TRUE(t.reporter.errors.empty());
    const QStringList left = QDir(t.state.settings.dataFolder).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(left, texts({"KVPN1.DAT", "KVPS2.DAT", "KVTEAMS.DAT"}));
    EXPECT_EQ(slotBytes(12), pad("Team 12", 25) + pad("Team 12", 10) + pad("", 5));
}

TEST(FolderLists, NewFolders)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_EQ(createFolder(dir.path(), QStringLiteral(" season 2025 "), &error),
        dir.path() + QStringLiteral("/season 2025/"));
    for (const char* bad : {"", "a/b", "..", "season 2025"}) {
        error.clear();
        EXPECT_TRUE(createFolder(dir.path(), QString::fromLatin1(bad), &error).isEmpty()) << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
    }
    EXPECT_TRUE(
        createFolder(dir.path() + QStringLiteral("/gone"), QStringLiteral("x"), &error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("No such file or directory"))) << error.toStdString();
}
