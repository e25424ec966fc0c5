#include "TestSupport.h"

#include "core/state/DataFolderChange.h"
#include "core/state/StartUp.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

using namespace scorvane;
using namespace scorvane::testing;

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
