// Files written by other installations or damaged on the way: odd player numbers and statuses
// must neither crash nor reach outside the program's tables.
#include "GameBytes.h"

#include "core/entry/StatIndex.h"
#include "core/store/GameRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/teams/TeamSelection.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

TEST(BadInput, RosterRecordsOutsideOneToNinetyNineAreSkipped)
{
    TempState t;
    QByteArray bytes;
    for (int number : {5, 150, -3, 99, 0, 7}) {
        PlayerNameRecord p;
        p.PlayerNumber = static_cast<qint16>(number);
        p.PlayerName = QStringLiteral("Name %1").arg(number);
        bytes += p.encode();
    }
    writeWholeFile(t.state.DataPath + QStringLiteral("KVPN1.DAT"), bytes + QByteArray(50, 'x'));
    chooseTeam(t.state);
    EXPECT_EQ(t.state.RosterFree[5], QStringLiteral("N"));
    EXPECT_EQ(t.state.RosterFree[99], QStringLiteral("N"));
    // The record numbered 0 ends the reading: 7 stays free.
    EXPECT_EQ(t.state.RosterFree[7], QStringLiteral("Y"));
    EXPECT_EQ(t.state.RosterNames[7], QStringLiteral("Player 7         "));
    EXPECT_EQ(t.state.TeamCount, 1);
    EXPECT_EQ(t.state.TeamNo, QStringLiteral("1"));
}

TEST(BadInput, StatisticsWithOddPlayerNumbersAreNotIndexed)
{
    TempState t;
    QByteArray bytes;
    for (int number : {3, 0, 120, -1, 8})
        bytes += resultBytes(2, number, {}, 'A', '9');
    writeWholeFile(t.state.DataPath + QStringLiteral("KVPS1.DAT"), bytes);
    t.state.Files.openDataFile(FileStats);
    const StatIndex index = buildStatIndex(t.state.Files, 2);
    GameRecord game;
    game.GameNumber = 2;
    game.GameType = '3';
    updateCopiedGameFields(t.state.Files, index, game);
    EXPECT_EQ(index.recordOf[3], 1);
    EXPECT_EQ(index.recordOf[8], 5);
    EXPECT_EQ(index.playersRecorded, 2);
    EXPECT_EQ(index.insertPosition, 6);
    // Every active result of the game carries the game's type again.
    t.state.Files.closeDataFile(AllFiles);
    const QByteArray after = readWholeFile(t.state.DataPath + QStringLiteral("KVPS1.DAT"));
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(after[r * 115 + 6], '3');
}

TEST(TeamSelection, AnotherTeamForgetsTheGameLastWorkedOn)
{
    TempState t;
    chooseTeam(t.state);
    t.state.CurrentGame = 5;
    t.state.ReselectGame = 5;
    chooseTeam(t.state); // the same team keeps it
    EXPECT_EQ(t.state.CurrentGame, 5);
    chooseTeam(t.state, 4);
    EXPECT_EQ(t.state.TeamNo, QStringLiteral("4"));
    EXPECT_EQ(t.state.CurrentGame, 0);
    EXPECT_EQ(t.state.ReselectGame, 0);
}
