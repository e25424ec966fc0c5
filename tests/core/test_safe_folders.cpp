// The data folder as a whole: one program at a time, backing up onto the folder under another
// name, restoring onto a full disk, a kill at random moments of a large insert, and a change a
// crash left in a folder the program moves to, and the lock moving with the data folder.
#include "SafeWriteSupport.h"

#include "core/games/GameFile.h"
#include "core/state/DataFolderChange.h"
#include "core/state/StartUp.h"
#include "core/store/Backup.h"
#include "core/store/ChangeSet.h"
#include "core/store/DataFolderLock.h"
#include "core/store/FileFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

GameRecord insertedGame()
{
    return GameRecord::decode(GameBytes{.number = 2, .opponent = "Inserted"}.bytes());
}

} // namespace

TEST(FolderLock, ASecondProgramIsRefusedAndAStaleLockTakenOver)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    DataFolderLock first;
    DataFolderLock second;
    EXPECT_EQ(first.lock(folder), DataFolderLock::Result::Locked);
    EXPECT_EQ(second.lock(folder), DataFolderLock::Result::HeldByOther);
    EXPECT_TRUE(second.holder().contains(QString::number(::getpid())));
    EXPECT_TRUE(folderInUseText(folder, second.holder()).contains(folder));
    first.unlock();
    EXPECT_EQ(second.lock(folder), DataFolderLock::Result::Locked);
    second.unlock();

    // A program killed while holding the folder leaves its lock file behind.
    const pid_t child = runInChild([&] {
        DataFolderLock crashed;
        crashed.lock(folder);
        ::raise(SIGKILL);
    });
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(QFileInfo::exists(folder + DataFolderLock::lockFileName()));
    DataFolderLock next;
    EXPECT_EQ(next.lock(folder), DataFolderLock::Result::Locked);
}

TEST(BackupIdentity, TheDataFolderUnderAnotherNameIsRefusedAndNeverEmptied)
{
    TeamFolder t;
    const FolderSnapshot before = t.snapshot();
    const QString link = t.dir.path() + QStringLiteral("/link-to-data");
    ASSERT_TRUE(QFile::link(QDir(t.state.settings.dataFolder).absolutePath(), link));
    EXPECT_TRUE(isWorkingFolder(link + u'/', t.state.settings.dataFolder));
    EXPECT_TRUE(
        isWorkingFolder(t.dir.path() + QStringLiteral("//data/./"), t.state.settings.dataFolder));
    EXPECT_FALSE(isWorkingFolder(t.backup, t.state.settings.dataFolder));
    EXPECT_TRUE(isWorkingFolder(QStringLiteral("/HOME/A/Data"), QStringLiteral("/home/a/data/")));
    EXPECT_FALSE(
        isWorkingFolder(QStringLiteral("/home/a/data2/"), QStringLiteral("/home/a/data/")));

    // Even past the window's check, a file is never copied onto itself.
    EXPECT_EQ(copyDataFiles(t.state, t.state.settings.dataFolder, link + u'/'), 0);
    EXPECT_TRUE(sameFiles(t.snapshot(), before));
}

TEST(BackupIdentity, RestoreOntoAFullDiskLeavesTheDataAndKeepsWhatItReplaces)
{
    TeamFolder t;
    const FolderSnapshot before = t.snapshot();
    // The disk fills up halfway through writing the restored files.
    FileFaults::failAt(4, ENOSPC, true);
    EXPECT_EQ(copyDataFiles(t.state, t.backup, t.state.settings.dataFolder, {}, nullptr), -1);
    FileFaults::reset();
    EXPECT_TRUE(sameFiles(t.snapshot(), before));

    QString kept;
    EXPECT_EQ(copyDataFiles(t.state, t.backup, t.state.settings.dataFolder, {}, &kept), 2);
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_TRUE(kept.startsWith(t.state.settings.dataFolder + QStringLiteral("before-restore-")));
    EXPECT_EQ(readWholeFile(kept + QStringLiteral("KVPN1.DAT")),
        before.at(QStringLiteral("data/KVPN1.DAT")));
    EXPECT_EQ(t.readData("KVPN1.DAT"), nameBytes(40, "Old"));
}

TEST(KilledInsert, EveryKillLeavesTheGamesAndResultsBeforeOrAfter)
{
    constexpr int Results = 30000;
    FolderSnapshot after;
    FolderSnapshot before;
    {
        TeamFolder clean(Results);
        before = clean.snapshot();
        ASSERT_NE(saveGame(clean.state.files, GameEdit::Insert, 2, insertedGame()), 0);
        after = clean.snapshot();
    }
    // Kill moments spread over the length of one insert, measured on a warm-up run.
    int spanMicros = 0;
    {
        TeamFolder warm(Results);
        const auto start = std::chrono::steady_clock::now();
        const pid_t child
            = runInChild([&] { saveGame(warm.state.files, GameEdit::Insert, 2, insertedGame()); });
        int status = 0;
        ::waitpid(child, &status, 0);
        spanMicros = static_cast<int>(std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start)
                                          .count());
    }
    std::mt19937 random(20260314);
    std::uniform_int_distribution<int> moment(0, std::max(spanMicros, 1000));
    int sawBefore = 0;
    int sawAfter = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (int round = 0; round < 12 && std::chrono::steady_clock::now() < deadline; ++round) {
        TeamFolder t(Results);
        const pid_t child
            = runInChild([&] { saveGame(t.state.files, GameEdit::Insert, 2, insertedGame()); });
        killAndRecover(child, moment(random), t.state.settings.dataFolder);
        const FolderSnapshot now = t.snapshot();
        const bool valid = now == before || now == after;
        EXPECT_TRUE(valid) << "round " << round;
        sawBefore += now == before ? 1 : 0;
        sawAfter += now == after ? 1 : 0;
    }
    EXPECT_GT(sawBefore + sawAfter, 0);
}

TEST(DataFolderChange, AChangeACrashLeftInTheNewFolderIsSettledBeforeItIsRead)
{
    TempState t;
    const QString newFolder = t.dir.path() + QStringLiteral("/other/");
    QDir().mkpath(newFolder);
    // A staged file with no journal is a change that never committed: it is thrown away.
    writeWholeFile(newFolder + QStringLiteral("KVGS1.DAT.new"), QByteArray(150, 'x'));
    StartNotes notes;
    ASSERT_EQ(changeDataFolder(t.state, notes, newFolder), FolderChange::Changed);
    EXPECT_FALSE(QFileInfo::exists(newFolder + QStringLiteral("KVGS1.DAT.new")));
}

// Moving to another data folder takes that folder's lock before letting go of the old one, so
// two programs never work in one folder, and a refusal leaves the program where it was.
TEST(DataFolderChange, TheLockMovesWithTheFolderAndARefusalChangesNothing)
{
    TempState t;
    const QString oldFolder = t.state.settings.dataFolder;
    const QString newFolder = t.dir.path() + QStringLiteral("/other/");
    const QString busyFolder = t.dir.path() + QStringLiteral("/busy/");
    QDir().mkpath(newFolder);
    QDir().mkpath(busyFolder);
    StartNotes notes;
    ASSERT_EQ(notes.lock.lock(oldFolder), DataFolderLock::Result::Locked);

    DataFolderLock otherProgram;
    ASSERT_EQ(otherProgram.lock(busyFolder), DataFolderLock::Result::Locked);
    EXPECT_EQ(changeDataFolder(t.state, notes, busyFolder), FolderChange::InUse);
    EXPECT_EQ(t.state.settings.dataFolder, oldFolder);
    EXPECT_TRUE(notes.lock.holds(oldFolder));
    EXPECT_FALSE(notes.lock.holder().isEmpty());

    EXPECT_EQ(changeDataFolder(t.state, notes, newFolder), FolderChange::Changed);
    EXPECT_EQ(t.state.settings.dataFolder, newFolder);
    EXPECT_FALSE(t.state.teamChoice.listMissing);
    EXPECT_EQ(t.state.teamChoice.names[3].trimmed(), QStringLiteral("Team 3"));
    DataFolderLock second;
    EXPECT_EQ(second.lock(newFolder), DataFolderLock::Result::HeldByOther);
    EXPECT_EQ(second.lock(oldFolder), DataFolderLock::Result::Locked); // let go of
}
