// The sample league is the same every time and keeps every rule of the files.
#include "TestSupport.h"

#include "core/entry/Categories.h"
#include "core/store/GameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/TeamRecord.h"
#include "core/teams/SampleLeague.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

TEST(SampleLeague, IsTheSameEveryTimeAndWholeRecords)
{
    const auto files = SampleLeague::files();
    EXPECT_EQ(files, SampleLeague::files());
    EXPECT_EQ(files.size(), 1 + 4 * SampleLeague::TeamCount);
    EXPECT_EQ(files.value(QStringLiteral("KVTEAMS.DAT")).size(), 100 * TeamRecord::Length);
    for (int team = 1; team <= SampleLeague::TeamCount; ++team) {
        EXPECT_EQ(files.value(QStringLiteral("KVGS%1.DAT").arg(team)).size(),
            SampleLeague::GamesPerTeam * GameRecord::Length);
        EXPECT_EQ(
            files.value(QStringLiteral("KVPS%1.DAT").arg(team)).size() % PlayerStatRecord::Length,
            0);
    }
}

// What every report relies on: games numbered 1, 2, 3 ... in record order; results in game
// order with the game's type; the players' goals add up to the score; every figure passes the
// entry rules; both sides of a match agree on the score.
TEST(SampleLeague, KeepsEveryRuleOfTheFiles)
{
    const auto files = SampleLeague::files();
    for (int team = 1; team <= SampleLeague::TeamCount; ++team) {
        const auto games
            = decodeRecords<GameRecord>(files.value(QStringLiteral("KVGS%1.DAT").arg(team)));
        const auto results
            = decodeRecords<PlayerStatRecord>(files.value(QStringLiteral("KVPS%1.DAT").arg(team)));
        ASSERT_FALSE(results.empty());
        int wins = 0;
        for (std::size_t g = 0; g < games.size(); ++g) {
            EXPECT_EQ(games[g].gameNumber, static_cast<qint16>(g + 1));
            EXPECT_EQ(games[g].gameStatus, 'A');
            wins += games[g].goalsFor > games[g].goalsAgainst ? 1 : 0;
        }
        EXPECT_GT(wins, 0);
        std::vector<int> goals(games.size() + 1, 0);
        qint16 lastGame = 0;
        for (const PlayerStatRecord& r : results) {
            EXPECT_GE(r.gameNumber, lastGame);
            lastGame = r.gameNumber;
            ASSERT_GE(r.gameNumber, 1);
            ASSERT_LE(r.gameNumber, static_cast<qint16>(games.size()));
            EXPECT_EQ(r.statGameType, games[static_cast<std::size_t>(r.gameNumber - 1)].gameType);
            EXPECT_EQ(r.statStatus, 'A');
            std::array<qint32, 24> values{};
            std::copy_n(r.statValues.begin(), 24, values.begin());
            EXPECT_FALSE(checkFigures(values).has_value())
                << "team " << team << " game " << r.gameNumber;
            goals[static_cast<std::size_t>(r.gameNumber)] += r.statValues[StatGS];
        }
        for (std::size_t g = 0; g < games.size(); ++g)
            EXPECT_EQ(goals[g + 1], games[g].goalsFor) << "team " << team << " game " << g + 1;
    }
    // Game 1 of team 1 against its opponent's own record of the same match.
    const auto first = decodeRecords<GameRecord>(files.value(QStringLiteral("KVGS1.DAT")))[0];
    const auto second = decodeRecords<GameRecord>(files.value(QStringLiteral("KVGS2.DAT")))[0];
    EXPECT_EQ(first.opponent.trimmed(), QStringLiteral("Hillcrest United"));
    EXPECT_EQ(first.goalsFor, second.goalsAgainst);
    EXPECT_NE(first.homeGame, second.homeGame);
}
