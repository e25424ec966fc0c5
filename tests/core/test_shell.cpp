// Start-up, the first-start move, back-up copies, team naming and deleting a team's files, new
// folders, and the help and web page messages. Shut-down and the restore plan are checked
// through the windows.
#include "TestSupport.h"

#include "core/state/DefaultSettings.h"
#include "core/state/HelpTopics.h"
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

// A new installation's settings, its data path written with leading blanks.
TEST(StartUp, ANewInstallationsSettingsLoadTheTeamList)
{
    TempState t;
    const SettingsRecord defaults
        = defaultSettingsRecord(QStringLiteral("  ") + t.state.settings.dataFolder.chopped(1));
    // Sort column GS, descending, 60 lines, title and report in 12 points, not bold.
    EXPECT_EQ(defaults.encode().mid(566, 13),
        le16(7) + "D" + le16(60) + le16(12) + le16(0) + le16(12) + le16(0));
    writeWholeFile(settingsFile(t.state), defaults.encode());
    t.state.settings.dataFolder.clear();
    EXPECT_EQ(startUp(t.state, foldersUnder(t.dir.path(), false)), StartOutcome::TeamWindow);
    const ProgramSettings& s = t.state.settings;
    EXPECT_EQ(s.dataFolder, t.dir.path() + QStringLiteral("/data/"));
    EXPECT_EQ(s.reportFolder, s.dataFolder);
    // Report columns G, GS, SOG, SAG ... Sv, then zeros; the first type and the user's codes.
    EXPECT_EQ(std::tuple(s.reportColumns[1], s.reportColumns[4], s.reportColumns[18],
                  s.reportColumns[19], s.reportColumns[50], s.sortColumn),
        std::tuple(1, 5, 28, 0, 0, 7));
    EXPECT_EQ(s.gameTypeNames[1].trimmed() + s.categoryCodes[33] + s.userStatCodes[5],
        QStringLiteral("LeagueKV1KV5"));
    EXPECT_EQ(t.state.teamChoice.names[100].trimmed(), QStringLiteral("Team 100"));
    EXPECT_EQ(t.readData("KVTEAMS.DAT").size(), 4000);
    EXPECT_FALSE(t.state.teamChoice.listMissing);
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

    EXPECT_EQ(copyDataFiles(t.state, t.state.settings.dataFolder, target), 3);
    EXPECT_FALSE(t.state.files.isOpen(FileTeamList));
    EXPECT_EQ(readWholeFile(target + QStringLiteral("KVPN1.DAT")), QByteArray(201, 'n'));
    EXPECT_EQ(QDir(target).entryList(QDir::Files, QDir::Name),
        texts({"KVPN1.DAT", "KVTEAMS.DAT", "kvgs1.dat"}));

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

// The team record's layout: 25 name characters, 10 short ones, 5 blanks.
TEST(TeamSetup, NamingRulesAndDeletingOnlyThisTeamsFiles)
{
    TempState t;
    checkAndLoadTeamList(t.state.files, t.state.teamChoice.names, t.state.teamChoice.shortNames);
    t.state.teamChoice.currentSlot = 12;
    const auto slotBytes
        = [&t](int slot) { return t.readData("KVTEAMS.DAT").mid((slot - 1) * 40, 40); };
    nameTeam(t.state, QStringLiteral("  Riverside Rovers Under Twelve Girls "), QString());
    EXPECT_EQ(
        slotBytes(12), pad("Riverside Rovers Under Tw", 25) + pad("Riverside", 10) + pad("", 5));
    EXPECT_EQ(t.state.teamChoice.currentName, QStringLiteral("Riverside Rovers Under Tw"));

    nameTeam(t.state, QString(), QStringLiteral("Rovers"));
    EXPECT_EQ(slotBytes(12), pad("Team 12", 25) + pad("Rovers", 10) + pad("", 5));

    nameTeam(t.state, QStringLiteral(" "), QStringLiteral(" "));
    EXPECT_EQ(slotBytes(12), pad("Team 12", 25) + pad("Team 12", 10) + pad("", 5));
    EXPECT_EQ(slotBytes(11), pad("Team 11", 25) + pad("Team 11", 10) + pad("", 5));

    // Deleting a team's files touches no other team's.
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
    EXPECT_TRUE(QDir(dir.path() + QStringLiteral("/season 2025")).exists());
    for (const char* bad : {"", "  ", "a/b", ".", "..", "season 2025"}) {
        error.clear();
        EXPECT_TRUE(createFolder(dir.path(), QString::fromLatin1(bad), &error).isEmpty()) << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
    }
    EXPECT_TRUE(
        createFolder(dir.path() + QStringLiteral("/gone"), QStringLiteral("x"), &error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("No such file or directory"))) << error.toStdString();
}

TEST(HelpAndWeb, MessagesAndPlaces)
{
    EXPECT_EQ(webPageErrorText(QStringLiteral("http://x.example"), WebOpenResult::NoOpener),
        QStringLiteral("Unable to link to http://x.example from WebPage.\nError code: 2\n\nYour "
                       "browser may not be installed correctly."));
    EXPECT_TRUE(webPageErrorText(QStringLiteral("mailto:a@b.example"), WebOpenResult::Refused)
                    .contains(QStringLiteral("\nError code: 31\n")));
    EXPECT_FALSE(isLocalPath(QStringLiteral("//server/share/kvhelp.html")));
    EXPECT_TRUE(isLocalPath(QDir::tempPath() + QStringLiteral("/no/such/page.html")));
    EXPECT_TRUE(isNetworkFileSystem("nfs4") && isNetworkFileSystem("CIFS"));
    EXPECT_FALSE(isNetworkFileSystem("ext4"));
    EXPECT_EQ(helpTopicPage(
                  QStringLiteral("/usr/share/scorvane/help/kvhelp.html"), QStringLiteral(" 240")),
        QStringLiteral("/usr/share/scorvane/help/topic240.html"));
}
