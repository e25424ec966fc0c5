// How the reports find and read a team's files: the exact name, a name in another letter case
// (a folder copied from a case-insensitive system), a missing file, and one that cannot be read.
#include "GameBytes.h"
#include "TestSupport.h"

#include "core/reports/PlayerStatsComputation.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

TEST(TeamFileReading, FindsFilesInAnyLetterCaseAndReportsUnreadableOnes)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    writeWholeFile(folder + QStringLiteral("kvps1.dat"), statBytes(1, 7) + statBytes(2, 7));
    writeWholeFile(folder + QStringLiteral("Kvpn1.Dat"), nameBytes(7, "Sam"));
    QDir(folder).mkdir(QStringLiteral("KVPS3.DAT")); // opens, but cannot be read as a file

    PlayerStatsInput input;
    input.dataFolder = folder;
    input.teams = {1, 2};
    const PlayerStatsResult found = computePlayerStats(input);
    ASSERT_FALSE(found.error);
    ASSERT_EQ(found.table.rowCount(), 2); // team 2 has no files: no rows, no error
    EXPECT_EQ(found.table.row(2).name, u"Sam");
    EXPECT_EQ(found.table.row(2).games, 2);
    EXPECT_EQ(found.table.row(2).totals[0], 14);

    input.teams = {1, 3};
    const PlayerStatsResult broken = computePlayerStats(input);
    ASSERT_TRUE(broken.error);
    EXPECT_TRUE(broken.error->path.endsWith(QStringLiteral("KVPS3.DAT")));
}
