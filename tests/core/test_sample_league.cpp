// The sample league is the same every time and keeps what every report relies on: the files pass
// the integrity check (whole records, games numbered in record order, results in game order with
// their game's type); the players' goals add up to the score; every figure passes the entry rules;
// both sides of a match agree on the score.
#include "TestSupport.h"

#include "core/entry/Categories.h"
#include "core/store/GameRecord.h"
#include "core/store/IntegrityCheck.h"
#include "core/store/PlayerStatRecord.h"
#include "core/teams/SampleLeague.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

TEST(SampleLeague, IsTheSameEveryTimeAndKeepsEveryRuleOfTheFiles)
{
    const auto files = SampleLeague::files();
    EXPECT_EQ(files, SampleLeague::files());
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    QString error;
    ASSERT_TRUE(SampleLeague::write(folder, &error)) << error.toStdString();
    ASSERT_TRUE(checkDataFolder(folder).empty());
    for (int team = 1; team <= SampleLeague::TeamCount; ++team) {
        const auto games
            = decodeRecords<GameRecord>(files.value(QStringLiteral("KVGS%1.DAT").arg(team)));
        const auto results
            = decodeRecords<PlayerStatRecord>(files.value(QStringLiteral("KVPS%1.DAT").arg(team)));
        ASSERT_EQ(games.size(), static_cast<std::size_t>(SampleLeague::GamesPerTeam));
        ASSERT_FALSE(results.empty());
        std::vector<int> goals(games.size() + 1, 0);
        for (const PlayerStatRecord& r : results) {
            std::array<qint32, 24> values{};
            std::copy_n(r.statValues.begin(), 24, values.begin());
            EXPECT_FALSE(checkFigures(values).has_value())
                << "team " << team << " game " << r.gameNumber;
            goals[static_cast<std::size_t>(r.gameNumber)] += r.statValues[StatGS];
        }
        int wins = 0;
        for (std::size_t g = 0; g < games.size(); ++g) {
            EXPECT_EQ(goals[g + 1], games[g].goalsFor) << "team " << team << " game " << g + 1;
            wins += games[g].goalsFor > games[g].goalsAgainst ? 1 : 0;
        }
        EXPECT_GT(wins, 0);
    }
    // Game 1 of team 1 against its opponent's own record of the same match.
    const auto first = decodeRecords<GameRecord>(files.value(QStringLiteral("KVGS1.DAT")))[0];
    const auto second = decodeRecords<GameRecord>(files.value(QStringLiteral("KVGS2.DAT")))[0];
    EXPECT_EQ(first.opponent.trimmed(), QStringLiteral("Hillcrest United"));
    EXPECT_EQ(first.goalsFor, second.goalsAgainst);
    EXPECT_NE(first.homeGame, second.homeGame);
}
