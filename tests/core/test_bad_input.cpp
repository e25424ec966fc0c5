// Choosing a team: a roster written by another installation or damaged on the way must neither
// crash nor reach outside the program's tables, and another team forgets the current game.
#include "TestSupport.h"

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
