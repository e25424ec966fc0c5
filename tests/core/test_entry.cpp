// The player screen's model of one game: the result index, loading the slots, team totals and
// saving every result back into the statistics file. The heading, the table's rows and the played
// mark are checked through the windows.
#include "GameBytes.h"

#include "core/entry/PlayerEntry.h"
#include "core/entry/StatIndex.h"
#include "core/store/GameRecord.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

constexpr int R = 115; // bytes per result

struct EntryFiles : GameFiles
{
    using GameFiles::GameFiles;
    PlayerEntry open(int game)
    {
        auto found = findEntryGame(state.files, static_cast<qint16>(game));
        if (!found)
            throw std::runtime_error("game not found");
        return PlayerEntry(state.files, *found);
    }
};

// An index's first record, insert position and players recorded.
std::tuple<int, int, int> summary(const StatIndex& index)
{
    return {index.firstRecord, index.insertPosition, index.playersRecorded};
}

} // namespace

TEST(StatIndexBuild, IndexesActiveResultsAndFindsTheInsertPosition)
{
    // Game 3's results are records 4 (deleted), 5, 6 (not counted), 7, and 8 and 9 whose player
    // numbers lie outside 1-99 (written by another program: never indexed); game 4 starts at 10.
    const QByteArray file = join({statBytes(1, 1), statBytes(2, 1), statBytes(2, 4),
        statBytes(3, 9, 'D'), statBytes(3, 7), statBytes(3, 8, 'I'), statBytes(3, 12),
        statBytes(3, 0), statBytes(3, 120), statBytes(4, 1), statBytes(5, 1)});
    EntryFiles f(numberedGames(5), file);
    const StatIndex index = buildStatIndex(f.state.files, 3);
    EXPECT_EQ(index.recordCount, 11);
    EXPECT_EQ(summary(index), std::tuple(5, 10, 2));
    EXPECT_EQ(
        std::tuple(index.recordOf[7], index.recordOf[12], index.recordOf[8], index.recordOf[9]),
        std::tuple(5, 7, 0, 0));
    EXPECT_EQ(f.results(), file); // the index only reads
    EXPECT_EQ(summary(buildStatIndex(f.state.files, 5)), std::tuple(11, 12, 1));
    EXPECT_EQ(summary(buildStatIndex(f.state.files, 6)), std::tuple(0, 12, 0));
}

TEST(StatIndexBuild, ScansPastTheFirstBlockOfALargeFile)
{
    // 5,000 results of game 1, then game 2's, then game 3's: the answers lie beyond the first
    // few thousand records.
    QByteArray file;
    for (int i = 0; i < 5000; ++i)
        file += statBytes(1, 1 + i % 99);
    file += statBytes(2, 17) + statBytes(2, 40) + statBytes(3, 1);
    EntryFiles f(numberedGames(5), file);
    const StatIndex index = buildStatIndex(f.state.files, 2);
    EXPECT_EQ(summary(index), std::tuple(5001, 5003, 2));
    EXPECT_EQ(index.recordOf[40], 5002);
}

TEST(PlayerEntryOpening, FindsTheActiveGameAndLoadsItsResults)
{
    // Record 3 is a deleted game that carries number 2 as well; the active game 2 is record 2.
    const QByteArray games
        = join({GameBytes{.number = 1}.bytes(), GameBytes{.number = 2, .type = '6'}.bytes(),
            GameBytes{.number = 2, .status = 'D', .type = '3'}.bytes()});
    EntryFiles f(
        games, join({resultBytes(2, 4, {{0, 90}, {28, 7}}, 'A', '6'), statBytes(2, 5, 'I')}));
    PlayerEntry entry = f.open(2);
    EXPECT_EQ(std::tuple(entry.game().gameType, entry.slot(4).played, entry.slot(4).values[0],
                  entry.slot(4).values[28], entry.slot(5).played, entry.playersRecorded()),
        std::tuple('6', true, 90, 7, false, 1));
    EXPECT_EQ(entry.slot(5).values, StatValueArray{});
    EXPECT_FALSE(findEntryGame(f.state.files, 3).has_value());
}

TEST(PlayerEntryEditing, TotalsSumPlayedSlotsBeyondSixteenBits)
{
    EntryFiles f(numberedGames(5), {});
    PlayerEntry entry = f.open(1);
    StatValueArray big{};
    big[0] = 30000;
    big[28] = 2;
    for (int n : {3, 4, 5}) {
        entry.setPlayed(n, true);
        entry.storeValues(n, big);
    }
    entry.storeValues(6, big); // figures of a player not ticked do not count
    const TeamTotals totals = entry.totals();
    EXPECT_EQ(std::tuple(totals.sums[0], totals.sums[28], totals.playersCounted),
        std::tuple(90000, 6, 3));
}

TEST(PlayerEntrySaving, SeveralNewResultsGoInPlayerOrderAndExistingOnesAreRewritten)
{
    EntryFiles f(numberedGames(5), resultsOfGames(5, 1, 2));
    PlayerEntry entry = f.open(2);
    for (int n : {60, 7}) {
        entry.setPlayed(n, true);
        entry.storeValues(n, StatValueArray{static_cast<qint16>(n)});
    }
    StatValueArray changed{};
    changed[20] = 3;
    changed[21] = 9;
    entry.storeValues(2, changed);
    entry.setPlayed(1, false);
    entry.saveAll();

    const QByteArray before = resultsOfGames(5, 1, 2);
    QByteArray markedOut = statBytes(2, 1);
    markedOut[5] = 'I'; // the rest of a result no longer counted keeps its bytes
    const QByteArray expected
        = join({before.left(2 * R), markedOut, resultBytes(2, 2, {{20, 3}, {21, 9}}),
            resultBytes(2, 7, {{0, 7}}), resultBytes(2, 60, {{0, 60}}), before.mid(4 * R)});
    EXPECT_EQ(f.results(), expected);

    // Reopened: player 1 is not played, the new ones are.
    PlayerEntry again = f.open(2);
    EXPECT_EQ(std::tuple(again.slot(1).played, again.slot(7).played, again.playersRecorded()),
        std::tuple(false, true, 3));
}

TEST(PlayerEntrySaving, SavingTwiceRewritesWhatTheFirstSaveInserted)
{
    EntryFiles f(numberedGames(5), resultsOfGames(5, 1, 2));
    PlayerEntry entry = f.open(1);
    entry.setPlayed(3, true);
    entry.saveAll();
    entry.storeValues(3, StatValueArray{5});
    entry.saveAll();
    const QByteArray after = f.results();
    ASSERT_EQ(after.size(), 11 * R);
    EXPECT_EQ(after.mid(2 * R, R), resultBytes(1, 3, {{0, 5}}));
    EXPECT_EQ(after.mid(3 * R), resultsOfGames(5, 1, 2).mid(2 * R));
}

TEST(PlayerEntrySaving, AppendsToTheEndAndIntoAnEmptyFile)
{
    EntryFiles f(numberedGames(5), resultsOfGames(5, 1, 2));
    PlayerEntry last = f.open(5);
    last.setPlayed(9, true);
    last.saveAll();
    EXPECT_EQ(f.results(), resultsOfGames(5, 1, 2) + resultBytes(5, 9, {}));

    // New results copy the game's type and mark.
    EntryFiles empty(GameBytes{.number = 1, .type = '5', .special = '2'}.bytes(), {});
    PlayerEntry first = empty.open(1);
    first.setPlayed(2, true);
    first.setPlayed(1, true);
    first.saveAll();
    EXPECT_EQ(empty.results(),
        resultBytes(1, 1, {}, 'A', '5', '2') + resultBytes(1, 2, {}, 'A', '5', '2'));
}
