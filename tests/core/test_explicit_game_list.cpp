// The explicit list of games: its lines, and storing the marks into the games and statistics
// files of a single team.
#include "GameBytes.h"
#include "TestSupport.h"

#include "core/reports/ExplicitGameList.h"
#include "core/store/FileFaults.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

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

    // The same list again changes no mark, so no file is rewritten.
    FileFaults::reset();
    ASSERT_TRUE(storeExplicitList(t.state.files, 1, {false, true, true}));
    EXPECT_EQ(FileFaults::stepsTaken(), 0);
}
