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

GameBytes game(int number, const char* opponent, char status = 'A')
{
    GameBytes g;
    g.number = number;
    g.opponent = opponent;
    g.status = status;
    return g;
}

// Two players' results for each of the games 1..n.
QByteArray resultsOfGames(int n)
{
    QByteArray all;
    for (int g = 1; g <= n; ++g)
        all += statBytes(g, 10) + statBytes(g, 11);
    return all;
}

} // namespace

TEST(GameDeletion, MiddleGameOfFiveClosesUpNumbersAndResults)
{
    const char* names[] = {"A", "B", "C", "D", "E"};
    QByteArray games;
    for (int g = 1; g <= 5; ++g)
        games += game(g, names[g - 1]).bytes();
    GameFiles t(games, resultsOfGames(5));

    ASSERT_EQ(findGameRecord(t.state.files, 3), 3);
    deleteGame(t.state.files, 3);

    EXPECT_EQ(t.games(),
        join({game(1, "A").bytes(), game(2, "B").bytes(), game(2, "C", 'D').bytes(),
            game(3, "D").bytes(), game(4, "E").bytes()}));
    EXPECT_EQ(t.results(),
        join({statBytes(1, 10), statBytes(1, 11), statBytes(2, 10), statBytes(2, 11),
            statBytes(3, 10, 'D'), statBytes(3, 11, 'D'), statBytes(3, 10), statBytes(3, 11),
            statBytes(4, 10), statBytes(4, 11)}));

    const auto listed = readActiveGames(t.state.files, FileGames);
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_EQ(listed[2].recordNumber, 4);
    EXPECT_EQ(listed[2].game.gameNumber, 3);
}

TEST(GameDeletion, FirstGameTakesNumberZeroAndEarlierDeletionsFollow)
{
    // Record 2 is a game deleted earlier; its results kept their old number 2.
    const QByteArray games = join({game(1, "A").bytes(), game(1, "X", 'D').bytes(),
        game(2, "B").bytes(), game(3, "C").bytes()});
    const QByteArray results
        = join({statBytes(1, 10), statBytes(2, 7, 'D'), statBytes(2, 10), statBytes(3, 10, 'I')});
    GameFiles t(games, results);

    deleteGame(t.state.files, findGameRecord(t.state.files, 1));

    EXPECT_EQ(t.games(),
        join({game(0, "A", 'D').bytes(), game(0, "X", 'D').bytes(), game(1, "B").bytes(),
            game(2, "C").bytes()}));
    EXPECT_EQ(t.results(),
        join({statBytes(1, 10, 'D'), statBytes(1, 7, 'D'), statBytes(1, 10),
            statBytes(2, 10, 'I')}));
}

TEST(GameInsertion, BeforeSecondOfThreeMovesLaterGamesAndResultsUp)
{
    const QByteArray games
        = join({game(1, "A").bytes(), game(2, "B").bytes(), game(3, "C").bytes()});
    GameFiles t(games, resultsOfGames(3));

    GameBytes inserted = game(2, "New");
    inserted.type = '4';
    inserted.special = '2';
    const qint32 at = findGameRecord(t.state.files, 2);
    ASSERT_EQ(at, 2);
    const qint32 written
        = saveGame(t.state.files, GameEdit::Insert, at, GameRecord::decode(inserted.bytes()));

    EXPECT_EQ(written, 2);
    EXPECT_EQ(t.games(),
        join({game(1, "A").bytes(), inserted.bytes(), game(3, "B").bytes(), game(4, "C").bytes()}));
    EXPECT_EQ(t.results(),
        join({statBytes(1, 10), statBytes(1, 11), statBytes(3, 10), statBytes(3, 11),
            statBytes(4, 10), statBytes(4, 11)}));
}

TEST(GameSaving, AppendAndChangeKeepResultCopiesInLine)
{
    const QByteArray results = join({statBytes(1, 10), statBytes(1, 11, 'I'), statBytes(2, 10)});
    GameFiles t(game(1, "A").bytes() + QByteArray(40, 'z'), results);

    // A trailing partial record is not a game: the new one is written over it.
    GameBytes second = game(2, "B");
    EXPECT_EQ(saveGame(t.state.files, GameEdit::Add, 0, GameRecord::decode(second.bytes())), 2);
    EXPECT_EQ(t.games(), game(1, "A").bytes() + second.bytes());

    GameBytes changed = game(1, "A2");
    changed.type = '3';
    changed.special = '2';
    saveGame(t.state.files, GameEdit::Change, 1, GameRecord::decode(changed.bytes()));
    EXPECT_EQ(t.games(), changed.bytes() + second.bytes());
    // Active results of the changed game take its type and mark; others are left alone.
    EXPECT_EQ(t.results(),
        join({statBytes(1, 10, 'A', '3', '2'), statBytes(1, 11, 'I'), statBytes(2, 10)}));
}

TEST(GameList, DamagedFilesAreReadAsFarAsWholeRecordsGo)
{
    // Numbers with a gap (3 missing) and a partial trailing record.
    const QByteArray games = join({game(1, "A").bytes(), game(2, "B", 'D').bytes(),
        game(4, "C").bytes(), QByteArray(100, '\0')});
    GameFiles t(games, {});
    const auto listed = readActiveGames(t.state.files, FileGames);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[1].recordNumber, 3);
    EXPECT_EQ(findGameRecord(t.state.files, 2), 0);
    EXPECT_EQ(findGameRecord(t.state.files, 4), 0); // a game never stands below its number
    deleteGame(t.state.files, 9);                   // out of range: nothing happens
    EXPECT_EQ(t.games(), games);
    EXPECT_TRUE(t.reporter.errors.empty());
}

TEST(GameList, SelectedLineFollowsTheCurrentGame)
{
    EXPECT_EQ(lineToSelect(0, 0), -1);
    EXPECT_EQ(lineToSelect(5, 0), 4);
    EXPECT_EQ(lineToSelect(5, 2), 1);
    EXPECT_EQ(lineToSelect(5, 5), 4);
    EXPECT_EQ(lineToSelect(4, 9), 3); // after deleting the last game
}

TEST(OtherTeamGames, ReadsTheOpponentsFileAndKeepsOwnTeam)
{
    GameFiles t(game(1, "Own").bytes(), {});
    writeWholeFile(t.path("KVGS7.DAT"),
        join({game(1, "Us").bytes(), game(1, "Old", 'D').bytes(), game(2, "Us again").bytes()}));
    {
        OtherTeamGames other(t.state, 7);
        EXPECT_EQ(t.state.teamChoice.currentSlot, 1);
        const auto listed = other.activeGames();
        ASSERT_EQ(listed.size(), 2u);
        EXPECT_EQ(listed[1].recordNumber, 3);
        EXPECT_EQ(other.game(3).opponent.trimmed(), QStringLiteral("Us again"));
        EXPECT_TRUE(t.state.files.isOpen(FileOtherGames));
    }
    EXPECT_FALSE(t.state.files.isOpen(FileOtherGames));
    EXPECT_EQ(readActiveGames(t.state.files, FileGames).front().game.opponent.trimmed(),
        QStringLiteral("Own"));

    // A team without a game file has no games, and gets no file.
    OtherTeamGames none(t.state, 9);
    EXPECT_TRUE(none.activeGames().empty());
    EXPECT_FALSE(QFile::exists(t.path("KVGS9.DAT")));
}
