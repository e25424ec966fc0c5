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
        p.playerNumber = static_cast<qint16>(number);
        p.playerName = QStringLiteral("Name %1").arg(number);
        bytes += p.encode();
    }
    t.writeData("KVPN1.DAT", bytes + QByteArray(50, 'x'));
    chooseTeam(t.state);
    EXPECT_FALSE(t.state.roster.free[5]);
    EXPECT_FALSE(t.state.roster.free[99]);
    // The record numbered 0 ends the reading: 7 stays free.
    EXPECT_TRUE(t.state.roster.free[7]);
    EXPECT_EQ(t.state.roster.names[7], QStringLiteral("Player 7         "));
    EXPECT_EQ(t.state.teamChoice.count, 1);
    EXPECT_EQ(t.state.teamChoice.currentSlot, 1);
}

TEST(BadInput, StatisticsWithOddPlayerNumbersAreNotIndexed)
{
    TempState t;
    QByteArray bytes;
    for (int number : {3, 0, 120, -1, 8})
        bytes += resultBytes(2, number, {}, 'A', '9');
    t.writeData("KVPS1.DAT", bytes);
    t.state.files.openDataFile(FileStats);
    const StatIndex index = buildStatIndex(t.state.files, 2);
    GameRecord game;
    game.gameNumber = 2;
    game.gameType = '3';
    updateCopiedGameFields(t.state.files, index, game);
    EXPECT_EQ(index.recordOf[3], 1);
    EXPECT_EQ(index.recordOf[8], 5);
    EXPECT_EQ(index.playersRecorded, 2);
    EXPECT_EQ(index.insertPosition, 6);
    // Every active result of the game carries the game's type again.
    t.state.files.closeDataFile(AllFiles);
    const QByteArray after = t.readData("KVPS1.DAT");
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(after[r * 115 + 6], '3');
}

TEST(TeamSelection, AnotherTeamForgetsTheGameLastWorkedOn)
{
    TempState t;
    chooseTeam(t.state);
    t.state.currentGame.number = 5;
    t.state.currentGame.reselect = 5;
    chooseTeam(t.state); // the same team keeps it
    EXPECT_EQ(t.state.currentGame.number, 5);
    chooseTeam(t.state, 4);
    EXPECT_EQ(t.state.teamChoice.currentSlot, 4);
    EXPECT_EQ(t.state.currentGame.number, 0);
    EXPECT_EQ(t.state.currentGame.reselect, 0);
}
