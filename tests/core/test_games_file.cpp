// The game record's layout and the game file: reading the list, deleting and inserting games with
// the renumbering of the games and their player results (whose layout the files compared whole
// check), saving in each edit mode, and the explicit list of games stored into the games and
// statistics files, and another team's games read apart from the team's own. The list's
// selected line and storing an unchanged explicit list are checked through the windows.
#include "GameBytes.h"

#include "core/games/GameFile.h"
#include "core/games/OtherTeamGames.h"
#include "core/reports/ExplicitGameList.h"
#include "core/store/GameRecord.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

GameBytes game(int number, const char* opponent, char status = 'A')
{
    return {.number = number, .status = status, .opponent = opponent};
}

} // namespace

// The layout, field by field: a long opponent cut to 25 characters, negative goals, and every
// byte value of the text fields read and written back as it was.
TEST(GameRecord, MatchesHandBuiltBytes)
{
    GameRecord g;
    g.gameNumber = 258; // 0x0102
    g.gameStatus = 'A';
    g.gameDate = QStringLiteral("091502");
    g.gameLocation = QStringLiteral("North Field");
    g.opponent = QStringLiteral("An opponent whose name is far too long");
    g.goalsFor = 3;
    g.goalsAgainst = -2;
    g.gameComment = QStringLiteral("Rain");
    g.gameType = '4';
    g.homeGame = '2';
    g.specialSelect = '2';

    const QByteArray expected = le16(258) + "A091502" + pad("North Field", 20)
        + QByteArray("An opponent whose name is far too long").left(25) + "  " + le16(3) + le16(-2)
        + pad("Rain", 58) + "422" + QByteArray(29, ' ');
    ASSERT_EQ(expected.size(), 150);
    EXPECT_EQ(g.encode(), expected);
    EXPECT_EQ(GameRecord::decode(expected).goalsAgainst, -2);

    QByteArray bytes(150, '\0');
    for (int i = 0; i < 150; ++i)
        bytes[i] = static_cast<char>((i * 97 + 13) & 0xFF);
    EXPECT_EQ(GameRecord::decode(bytes).encode(), bytes);
}

TEST(GameDeletion, MiddleGameOfFiveClosesUpNumbersAndResults)
{
    const char* names[] = {"A", "B", "C", "D", "E"};
    QByteArray games;
    for (int g = 1; g <= 5; ++g)
        games += game(g, names[g - 1]).bytes();
    GameFiles t(games, resultsOfGames(5, 10, 11));

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
    GameFiles t(games, resultsOfGames(3, 10, 11));

    const GameBytes inserted{.number = 2, .opponent = "New", .type = '4', .special = '2'};
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
    const GameBytes second = game(2, "B");
    EXPECT_EQ(saveGame(t.state.files, GameEdit::Add, 0, GameRecord::decode(second.bytes())), 2);
    EXPECT_EQ(t.games(), game(1, "A").bytes() + second.bytes());

    const GameBytes changed{.number = 1, .opponent = "A2", .type = '3', .special = '2'};
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

TEST(ExplicitGameList, LinesForActiveGamesAndTheirMarks)
{
    QTemporaryDir dir;
    const QString games = dir.path() + QStringLiteral("/KVGS1.DAT");
    writeWholeFile(games,
        GameBytes{.number = 1, .opponent = "Rovers", .goalsFor = 3, .goalsAgainst = 1}.bytes()
            + GameBytes{.number = 1, .status = 'D'}.bytes()
            + GameBytes{.number = 2, .date = "100102", .special = '2'}.bytes());
    const ExplicitGameList list = readExplicitList(games);
    ASSERT_EQ(list.lines.size(), 2);
    EXPECT_EQ(list.lines[0],
        QStringLiteral(" 1   09/15/02  Rovers") + QString(20, u' ') + QStringLiteral("  3 - 1  "));
    EXPECT_TRUE(list.lines[1].startsWith(QStringLiteral(" 2   10/01/02  Rovers")));
    EXPECT_EQ(list.selected, (std::vector<bool>{false, true}));
    EXPECT_EQ(list.selectedCount(), 1);
}

TEST(ExplicitGameList, StoringWritesOnlyChangedMarksOfActiveRecords)
{
    TempState t;
    const QString folder = t.state.settings.dataFolder;
    const QByteArray games = GameBytes{.number = 1, .special = '2'}.bytes()
        + GameBytes{.number = 1, .status = 'D', .special = '2'}.bytes()
        + GameBytes{.number = 2}.bytes() + GameBytes{.number = 3, .special = '2'}.bytes();
    const QByteArray results = statBytes(1, 4, 'A', '1', '2') + statBytes(2, 4)
        + statBytes(2, 5, 'I') + statBytes(3, 4, 'A', '1', '2');
    writeWholeFile(folder + QStringLiteral("KVGS1.DAT"), games);
    writeWholeFile(folder + QStringLiteral("KVPS1.DAT"), results);
    t.state.files.openDataFile(FileGames);
    t.state.files.openDataFile(FileStats);

    // Several teams: nothing is written.
    ASSERT_TRUE(storeExplicitList(t.state.files, 2, {false, true, false}));
    EXPECT_EQ(readWholeFile(folder + QStringLiteral("KVGS1.DAT")), games);

    ASSERT_TRUE(storeExplicitList(t.state.files, 1, {false, true, true}));
    QByteArray expectedGames = games;
    expectedGames[120] = '1';           // game 1 unmarked
    expectedGames[2 * 150 + 120] = '2'; // game 2 marked; the deleted record keeps its "2"
    EXPECT_EQ(readWholeFile(folder + QStringLiteral("KVGS1.DAT")), expectedGames);
    QByteArray expectedResults = results;
    expectedResults[7] = '1';
    expectedResults[115 + 7] = '2'; // the "I" record of game 2 keeps its mark
    EXPECT_EQ(readWholeFile(folder + QStringLiteral("KVPS1.DAT")), expectedResults);
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
