// The player screen's model of one game: the result index, loading the slots, the played mark,
// team totals and saving every result back into the statistics file.
#include "GameBytes.h"

#include "core/entry/PlayerEntry.h"
#include "core/entry/StatIndex.h"
#include "core/store/GameRecord.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

constexpr int R = 115; // bytes per result

struct EntryFiles : GameFiles
{
    using GameFiles::GameFiles;
    PlayerEntry open(int game)
    {
        auto found = FindEntryGame(state.Files, static_cast<qint16>(game));
        if (!found)
            throw std::runtime_error("game not found");
        return PlayerEntry(state.Files, *found);
    }
};

QByteArray FiveGames()
{
    QByteArray games;
    for (int g = 1; g <= 5; ++g)
        games += GameBytes{.number = g}.bytes();
    return games;
}

// Results of games 1-5: players 1 and 2 in each game, in game order (records 1..10).
QByteArray TenResults()
{
    QByteArray all;
    for (int g = 1; g <= 5; ++g)
        all += StatBytes(g, 1) + StatBytes(g, 2);
    return all;
}

} // namespace

TEST(StatIndexBuild, IndexesActiveResultsAndFindsTheInsertPosition)
{
    // Game 3's results are records 4 (deleted), 5, 6 (not counted) and 7; game 4 starts at 8.
    const QByteArray file = Join(
        {StatBytes(1, 1), StatBytes(2, 1), StatBytes(2, 4), StatBytes(3, 9, 'D'), StatBytes(3, 7),
            StatBytes(3, 8, 'I'), StatBytes(3, 12), StatBytes(4, 1), StatBytes(5, 1)});
    EntryFiles f(FiveGames(), file);
    const StatIndex index = BuildStatIndex(f.state.Files, 3, '1', '1');
    EXPECT_EQ(index.StatRecordCount, 9);
    EXPECT_EQ(index.FirstStatRecord, 5);
    EXPECT_EQ(index.StatRecordOf[7], 5);
    EXPECT_EQ(index.StatRecordOf[12], 7);
    EXPECT_EQ(index.StatRecordOf[8], 0);
    EXPECT_EQ(index.StatRecordOf[9], 0);
    EXPECT_EQ(index.PlayersRecorded, 2);
    EXPECT_EQ(index.StatInsertPos, 8);
    EXPECT_EQ(f.results(), file); // nothing needed rewriting

    const StatIndex last = BuildStatIndex(f.state.Files, 5, '1', '1');
    EXPECT_EQ(last.StatInsertPos, 10);
    EXPECT_EQ(last.FirstStatRecord, 9);
    const StatIndex none = BuildStatIndex(f.state.Files, 6, '1', '1');
    EXPECT_EQ(none.StatInsertPos, 10);
    EXPECT_EQ(none.FirstStatRecord, 0);
    EXPECT_EQ(none.PlayersRecorded, 0);
}

TEST(StatIndexBuild, BringsOnlyTheGamesActiveCopiesUpToDate)
{
    // Game 2 is now type 4 and marked: its active results copy that; its "I" result and the
    // other games' results keep their bytes.
    const QByteArray file = Join({StatBytes(1, 1, 'A', '1', '1'), StatBytes(2, 3, 'A', '1', '1'),
        StatBytes(2, 5, 'I', '1', '1'), StatBytes(2, 6, 'A', '4', '2'), StatBytes(3, 3)});
    EntryFiles f(FiveGames(), file);
    BuildStatIndex(f.state.Files, 2, '4', '2');
    QByteArray expected = file;
    expected[R + 6] = '4';
    expected[R + 7] = '2';
    EXPECT_EQ(f.results(), expected);
}

TEST(StatIndexBuild, ScansPastTheFirstBlockOfALargeFile)
{
    // 5,000 results of game 1, then game 2's, then game 3's: the answers lie beyond the first
    // few thousand records.
    QByteArray file;
    for (int i = 0; i < 5000; ++i)
        file += StatBytes(1, 1 + i % 99);
    file += StatBytes(2, 17) + StatBytes(2, 40) + StatBytes(3, 1);
    EntryFiles f(FiveGames(), file);
    const StatIndex index = BuildStatIndex(f.state.Files, 2, '1', '1');
    EXPECT_EQ(index.FirstStatRecord, 5001);
    EXPECT_EQ(index.StatRecordOf[40], 5002);
    EXPECT_EQ(index.StatInsertPos, 5003);
    EXPECT_EQ(index.PlayersRecorded, 2);
}

TEST(PlayerEntryOpening, FindsTheActiveGameAndLoadsItsResults)
{
    // Record 3 is a deleted game that carries number 2 as well; the active game 2 is record 2.
    const QByteArray games
        = Join({GameBytes{.number = 1}.bytes(), GameBytes{.number = 2, .type = '6'}.bytes(),
            GameBytes{.number = 2, .status = 'D', .type = '3'}.bytes()});
    EntryFiles f(
        games, Join({ResultBytes(2, 4, {{0, 90}, {28, 7}}, 'A', '6'), StatBytes(2, 5, 'I')}));
    PlayerEntry entry = f.open(2);
    EXPECT_EQ(entry.game().GameType, '6');
    EXPECT_TRUE(entry.slot(4).Played);
    EXPECT_EQ(entry.slot(4).Values[0], 90);
    EXPECT_EQ(entry.slot(4).Values[28], 7);
    EXPECT_FALSE(entry.slot(5).Played);
    EXPECT_EQ(entry.slot(5).Values, StatValueArray{});
    EXPECT_EQ(entry.PlayersRecorded(), 1);
    EXPECT_FALSE(FindEntryGame(f.state.Files, 3).has_value());
}

TEST(PlayerEntryOpening, TableListsRosterAndPlayedPlayersOrPlayerOne)
{
    EntryFiles f(FiveGames(), Join({StatBytes(1, 30), StatBytes(2, 8)}));
    OneBasedArray<QString, 99> free;
    free.fill(QStringLiteral("Y"));
    free[5] = QStringLiteral("N");
    free[40] = QStringLiteral("N");
    PlayerEntry first = f.open(1);
    EXPECT_EQ(first.TablePlayers(free), (QList<int>{5, 30, 40})); // 30 left the roster
    first.SetPlayed(77, true);
    EXPECT_EQ(first.TablePlayers(free), (QList<int>{5, 30, 40, 77}));

    free.fill(QStringLiteral("Y"));
    EXPECT_EQ(f.open(3).TablePlayers(free), QList<int>{1});
}

TEST(PlayerEntryEditing, PlayedMarkCountsAndUntickingClearsFigures)
{
    EntryFiles f(FiveGames(), TenResults());
    PlayerEntry entry = f.open(2);
    EXPECT_EQ(entry.PlayersRecorded(), 2);
    entry.SetPlayed(9, true);
    entry.SetPlayed(9, true); // already ticked: not counted twice
    EXPECT_EQ(entry.PlayersRecorded(), 3);
    entry.SetPlayed(1, false);
    EXPECT_EQ(entry.PlayersRecorded(), 2);
    EXPECT_EQ(entry.slot(1).Values, StatValueArray{});
    entry.SetPlayed(1, false);
    EXPECT_EQ(entry.PlayersRecorded(), 2);
}

TEST(PlayerEntryEditing, TotalsSumPlayedSlotsBeyondSixteenBits)
{
    EntryFiles f(FiveGames(), {});
    PlayerEntry entry = f.open(1);
    StatValueArray big{};
    big[0] = 30000;
    big[28] = 2;
    for (int n : {3, 4, 5}) {
        entry.SetPlayed(n, true);
        entry.StoreValues(n, big);
    }
    entry.StoreValues(6, big); // figures of a player not ticked do not count
    const TeamTotals totals = entry.Totals();
    EXPECT_EQ(totals.Sums[0], 90000);
    EXPECT_EQ(totals.Sums[28], 6);
    EXPECT_EQ(totals.PlayersCounted, 3);
}

TEST(PlayerEntrySaving, NewResultLandsAfterItsGameAndShiftsLaterGames)
{
    EntryFiles f(FiveGames(), TenResults());
    PlayerEntry entry = f.open(3);
    StatValueArray values{};
    values[0] = 45;
    values[5] = 1;
    values[6] = 2;
    entry.SetPlayed(14, true);
    entry.StoreValues(14, values);
    entry.SaveAll();

    const QByteArray before = TenResults();
    const QByteArray after = f.results();
    ASSERT_EQ(after.size(), 11 * R);
    EXPECT_EQ(after.left(6 * R), before.left(6 * R)); // games 1-3 in place
    EXPECT_EQ(after.mid(6 * R, R), ResultBytes(3, 14, {{0, 45}, {5, 1}, {6, 2}}));
    EXPECT_EQ(after.mid(7 * R), before.mid(6 * R)); // games 4 and 5 one record up
}

TEST(PlayerEntrySaving, SeveralNewResultsGoInPlayerOrderAndExistingOnesAreRewritten)
{
    EntryFiles f(FiveGames(), TenResults());
    PlayerEntry entry = f.open(2);
    for (int n : {60, 7}) {
        entry.SetPlayed(n, true);
        entry.StoreValues(n, StatValueArray{static_cast<qint16>(n)});
    }
    StatValueArray changed{};
    changed[20] = 3;
    changed[21] = 9;
    entry.StoreValues(2, changed);
    entry.SetPlayed(1, false);
    entry.SaveAll();

    const QByteArray before = TenResults();
    QByteArray markedOut = StatBytes(2, 1);
    markedOut[5] = 'I'; // the rest of a result no longer counted keeps its bytes
    const QByteArray expected
        = Join({before.left(2 * R), markedOut, ResultBytes(2, 2, {{20, 3}, {21, 9}}),
            ResultBytes(2, 7, {{0, 7}}), ResultBytes(2, 60, {{0, 60}}), before.mid(4 * R)});
    EXPECT_EQ(f.results(), expected);

    // Reopened: player 1 is not played, the new ones are.
    PlayerEntry again = f.open(2);
    EXPECT_FALSE(again.slot(1).Played);
    EXPECT_TRUE(again.slot(7).Played);
    EXPECT_EQ(again.PlayersRecorded(), 3);
}

TEST(PlayerEntrySaving, SavingTwiceRewritesWhatTheFirstSaveInserted)
{
    EntryFiles f(FiveGames(), TenResults());
    PlayerEntry entry = f.open(1);
    entry.SetPlayed(3, true);
    entry.SaveAll();
    entry.StoreValues(3, StatValueArray{5});
    entry.SaveAll();
    const QByteArray after = f.results();
    ASSERT_EQ(after.size(), 11 * R);
    EXPECT_EQ(after.mid(2 * R, R), ResultBytes(1, 3, {{0, 5}}));
    EXPECT_EQ(after.mid(3 * R), TenResults().mid(2 * R));
}

TEST(PlayerEntrySaving, AppendsToTheEndAndIntoAnEmptyFile)
{
    EntryFiles f(FiveGames(), TenResults());
    PlayerEntry last = f.open(5);
    last.SetPlayed(9, true);
    last.SaveAll();
    EXPECT_EQ(f.results(), TenResults() + ResultBytes(5, 9, {}));

    EntryFiles empty(FiveGames(), {});
    PlayerEntry first = empty.open(4);
    first.SetPlayed(2, true);
    first.SetPlayed(1, true);
    first.SaveAll();
    EXPECT_EQ(empty.results(), ResultBytes(4, 1, {}) + ResultBytes(4, 2, {}));
}

TEST(PlayerEntrySaving, CopiesTheGamesTypeAndMarkIntoNewResults)
{
    EntryFiles f(Join({GameBytes{.number = 1, .type = '5', .special = '2'}.bytes()}), {});
    PlayerEntry entry = f.open(1);
    entry.SetPlayed(11, true);
    entry.SaveAll();
    EXPECT_EQ(f.results(), ResultBytes(1, 11, {}, 'A', '5', '2'));
}

TEST(PlayerEntryHeading, SidesFollowHomeOrAwayAndBlankNamesReadOpponents)
{
    GameRecord game = GameRecord::decode(GameBytes{.number = 7,
        .date = "000000",
        .location = "North Park",
        .opponent = "",
        .goalsFor = 3,
        .goalsAgainst = 1,
        .home = '1'}
                                             .bytes());
    GameHeading home = MakeGameHeading(game, QStringLiteral("Hawks"));
    EXPECT_EQ(home.GameNumberText, QStringLiteral("Game 7"));
    EXPECT_EQ(home.DateText, QStringLiteral(" "));
    EXPECT_EQ(home.HomeName, QStringLiteral("Hawks"));
    EXPECT_EQ(home.HomeScore, QStringLiteral(" 3"));
    EXPECT_EQ(home.VisitorName, QStringLiteral("Opponents"));
    EXPECT_EQ(home.VisitorScore, QStringLiteral(" 1"));

    game.HomeGame = '2';
    game.GameDate = QStringLiteral("011505");
    const GameHeading away = MakeGameHeading(game, QStringLiteral("Hawks"));
    EXPECT_EQ(away.HomeName, QStringLiteral("Opponents"));
    EXPECT_EQ(away.HomeScore, QStringLiteral(" 1"));
    EXPECT_EQ(away.VisitorName, QStringLiteral("Hawks"));
    EXPECT_EQ(away.VisitorScore, QStringLiteral(" 3"));
    EXPECT_EQ(away.DateText, DateInWords(QStringLiteral("011505")));
}
