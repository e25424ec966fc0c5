// The game file: reading the list, deleting and inserting games with the renumbering of the
// games and their player results, saving in each edit mode, and another team's games.
#include "GameBytes.h"

#include "core/games/GameFile.h"
#include "core/games/OtherTeamGames.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

GameBytes Game(int number, const char* opponent, char status = 'A')
{
    GameBytes g;
    g.number = number;
    g.opponent = opponent;
    g.status = status;
    return g;
}

// Two players' results for each of the games 1..n.
QByteArray ResultsOfGames(int n)
{
    QByteArray all;
    for (int g = 1; g <= n; ++g)
        all += StatBytes(g, 10) + StatBytes(g, 11);
    return all;
}

} // namespace

TEST(GameDeletion, MiddleGameOfFiveClosesUpNumbersAndResults)
{
    const char* names[] = {"A", "B", "C", "D", "E"};
    QByteArray games;
    for (int g = 1; g <= 5; ++g)
        games += Game(g, names[g - 1]).bytes();
    GameFiles t(games, ResultsOfGames(5));

    ASSERT_EQ(FindGameRecord(t.state.Files, 3), 3);
    DeleteGame(t.state.Files, 3);

    EXPECT_EQ(t.games(),
        Join({Game(1, "A").bytes(), Game(2, "B").bytes(), Game(2, "C", 'D').bytes(),
            Game(3, "D").bytes(), Game(4, "E").bytes()}));
    EXPECT_EQ(t.results(),
        Join({StatBytes(1, 10), StatBytes(1, 11), StatBytes(2, 10), StatBytes(2, 11),
            StatBytes(3, 10, 'D'), StatBytes(3, 11, 'D'), StatBytes(3, 10), StatBytes(3, 11),
            StatBytes(4, 10), StatBytes(4, 11)}));

    const auto listed = ReadActiveGames(t.state.Files, FileGames);
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_EQ(listed[2].RecordNumber, 4);
    EXPECT_EQ(listed[2].Game.GameNumber, 3);
}

TEST(GameDeletion, FirstGameTakesNumberZeroAndEarlierDeletionsFollow)
{
    // Record 2 is a game deleted earlier; its results kept their old number 2.
    const QByteArray games = Join({Game(1, "A").bytes(), Game(1, "X", 'D').bytes(),
        Game(2, "B").bytes(), Game(3, "C").bytes()});
    const QByteArray results
        = Join({StatBytes(1, 10), StatBytes(2, 7, 'D'), StatBytes(2, 10), StatBytes(3, 10, 'I')});
    GameFiles t(games, results);

    DeleteGame(t.state.Files, FindGameRecord(t.state.Files, 1));

    EXPECT_EQ(t.games(),
        Join({Game(0, "A", 'D').bytes(), Game(0, "X", 'D').bytes(), Game(1, "B").bytes(),
            Game(2, "C").bytes()}));
    EXPECT_EQ(t.results(),
        Join({StatBytes(1, 10, 'D'), StatBytes(1, 7, 'D'), StatBytes(1, 10),
            StatBytes(2, 10, 'I')}));
}

TEST(GameInsertion, BeforeSecondOfThreeMovesLaterGamesAndResultsUp)
{
    const QByteArray games
        = Join({Game(1, "A").bytes(), Game(2, "B").bytes(), Game(3, "C").bytes()});
    GameFiles t(games, ResultsOfGames(3));

    GameBytes inserted = Game(2, "New");
    inserted.type = '4';
    inserted.special = '2';
    const qint32 at = FindGameRecord(t.state.Files, 2);
    ASSERT_EQ(at, 2);
    const qint32 written
        = SaveGame(t.state.Files, QStringLiteral("I"), at, GameRecord::decode(inserted.bytes()));

    EXPECT_EQ(written, 2);
    EXPECT_EQ(t.games(),
        Join({Game(1, "A").bytes(), inserted.bytes(), Game(3, "B").bytes(), Game(4, "C").bytes()}));
    EXPECT_EQ(t.results(),
        Join({StatBytes(1, 10), StatBytes(1, 11), StatBytes(3, 10), StatBytes(3, 11),
            StatBytes(4, 10), StatBytes(4, 11)}));
}

TEST(GameSaving, AppendAndChangeKeepResultCopiesInLine)
{
    const QByteArray results = Join({StatBytes(1, 10), StatBytes(1, 11, 'I'), StatBytes(2, 10)});
    GameFiles t(Game(1, "A").bytes() + QByteArray(40, 'z'), results);

    // A trailing partial record is not a game: the new one is written over it.
    GameBytes second = Game(2, "B");
    EXPECT_EQ(
        SaveGame(t.state.Files, QStringLiteral("A"), 0, GameRecord::decode(second.bytes())), 2);
    EXPECT_EQ(t.games(), Game(1, "A").bytes() + second.bytes());

    GameBytes changed = Game(1, "A2");
    changed.type = '3';
    changed.special = '2';
    SaveGame(t.state.Files, QStringLiteral("C"), 1, GameRecord::decode(changed.bytes()));
    EXPECT_EQ(t.games(), changed.bytes() + second.bytes());
    // Active results of the changed game take its type and mark; others are left alone.
    EXPECT_EQ(t.results(),
        Join({StatBytes(1, 10, 'A', '3', '2'), StatBytes(1, 11, 'I'), StatBytes(2, 10)}));
}

TEST(GameList, DamagedFilesAreReadAsFarAsWholeRecordsGo)
{
    // Numbers with a gap (3 missing) and a partial trailing record.
    const QByteArray games = Join({Game(1, "A").bytes(), Game(2, "B", 'D').bytes(),
        Game(4, "C").bytes(), QByteArray(100, '\0')});
    GameFiles t(games, {});
    const auto listed = ReadActiveGames(t.state.Files, FileGames);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[1].RecordNumber, 3);
    EXPECT_EQ(FindGameRecord(t.state.Files, 2), 0);
    EXPECT_EQ(FindGameRecord(t.state.Files, 4), 0); // a game never stands below its number
    DeleteGame(t.state.Files, 9);                   // out of range: nothing happens
    EXPECT_EQ(t.games(), games);
    EXPECT_TRUE(t.reporter.errors.empty());
}

TEST(GameList, SelectedLineFollowsTheCurrentGame)
{
    EXPECT_EQ(LineToSelect(0, 0), -1);
    EXPECT_EQ(LineToSelect(5, 0), 4);
    EXPECT_EQ(LineToSelect(5, 2), 1);
    EXPECT_EQ(LineToSelect(5, 5), 4);
    EXPECT_EQ(LineToSelect(4, 9), 3); // after deleting the last game
}

TEST(OtherTeamGames, ReadsTheOpponentsFileAndKeepsOwnTeam)
{
    GameFiles t(Game(1, "Own").bytes(), {});
    WriteWholeFile(t.path("KVGS7.DAT"),
        Join({Game(1, "Us").bytes(), Game(1, "Old", 'D').bytes(), Game(2, "Us again").bytes()}));
    {
        OtherTeamGames other(t.state, 7);
        EXPECT_EQ(t.state.TeamNo, QStringLiteral("1"));
        const auto listed = other.ActiveGames();
        ASSERT_EQ(listed.size(), 2u);
        EXPECT_EQ(listed[1].RecordNumber, 3);
        EXPECT_EQ(other.Game(3).Opponent.trimmed(), QStringLiteral("Us again"));
        EXPECT_TRUE(t.state.Files.IsOpen(FileOtherGames));
    }
    EXPECT_FALSE(t.state.Files.IsOpen(FileOtherGames));
    EXPECT_EQ(ReadActiveGames(t.state.Files, FileGames).front().Game.Opponent.trimmed(),
        QStringLiteral("Own"));

    // A team without a game file has no games, and gets no file.
    OtherTeamGames none(t.state, 9);
    EXPECT_TRUE(none.ActiveGames().empty());
    EXPECT_FALSE(QFile::exists(t.path("KVGS9.DAT")));
}
