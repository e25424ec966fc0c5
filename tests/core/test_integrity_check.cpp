// The read-only integrity check on crafted folders: a clean one, and one rule broken at a time.
#include "SafeWriteSupport.h"

#include "core/games/GameFile.h"
#include "core/store/IntegrityCheck.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

QStringList linesOf(const QString& folder)
{
    QStringList lines;
    for (const IntegrityProblem& p : checkDataFolder(folder))
        lines << p.line();
    return lines;
}

GameBytes game(int number, char status = 'A', char type = '1')
{
    return {.number = number, .status = status, .type = type};
}

} // namespace

TEST(IntegrityCheck, CleanFolderHasNoProblemsAndIsNotTouched)
{
    TeamFolder t;
    const FolderSnapshot before = t.snapshot();
    EXPECT_TRUE(linesOf(t.state.settings.dataFolder).isEmpty());
    EXPECT_TRUE(sameFiles(t.snapshot(), before));
}

TEST(IntegrityCheck, EachBrokenRuleIsListed)
{
    TempState t;
    const QString data = t.state.settings.dataFolder;
    writeWholeFile(data + QStringLiteral("KVTEAMS.DAT"), QByteArray(3960, ' '));
    // Game 2 deleted correctly; the next active game wrongly keeps number 4.
    writeWholeFile(data + QStringLiteral("KVGS1.DAT"),
        join({game(1).bytes(), game(1, 'D').bytes(), game(2, 'A', '2').bytes(), game(4).bytes()}));
    writeWholeFile(data + QStringLiteral("KVPS1.DAT"),
        join({statBytes(1, 10), statBytes(1, 10), statBytes(2, 11), statBytes(1, 12),
            statBytes(9, 13), statBytes(9, 120)})
            + QByteArray(53, 'x'));
    writeWholeFile(data + QStringLiteral("KVPN1.DAT"),
        nameBytes(0, "Nobody") + nameBytes(5, "A") + nameBytes(5, "B"));

    const QStringList lines = linesOf(data);
    const QStringList expected{
        QStringLiteral("KVTEAMS.DAT: holds 99 team records; it must hold 100"),
        QStringLiteral("KVPN1.DAT record 1: player number 0 outside 1-99"),
        QStringLiteral("KVPN1.DAT record 3: player number 5 used twice"),
        QStringLiteral("KVGS1.DAT record 4: active game numbered 4; in record order it is game 3"),
        QStringLiteral("KVPS1.DAT record 7: a partial record of 53 bytes at the end (records are "
                       "115 bytes)"),
        QStringLiteral("KVPS1.DAT record 2: second active result of player 10 in game 1"),
        QStringLiteral("KVPS1.DAT record 3: game type or special mark differs from game 2's"),
        QStringLiteral("KVPS1.DAT record 4: result of game 1 after a result of game 2"),
        QStringLiteral("KVPS1.DAT record 5: active result of game 9, which does not exist"),
        QStringLiteral("KVPS1.DAT record 6: player number 120 outside 1-99"),
        QStringLiteral("KVPS1.DAT record 6: active result of game 9, which does not exist"),
    };
    EXPECT_EQ(lines, expected);
}

TEST(IntegrityCheck, APipeInPlaceOfADataFileIsRefusedNotRead)
{
    TempState t;
    const QString pipe = t.state.settings.dataFolder + QStringLiteral("KVGS1.DAT");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QStringList lines = linesOf(t.state.settings.dataFolder);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("KVGS1.DAT: not a regular file")));
}

TEST(IntegrityCheck, RenumberingPutsGamesAndResultsBackInOrder)
{
    // Records in the order B, A, C carry numbers 2, 1, 3; results follow the numbers.
    GameBytes b{.number = 2, .opponent = "B"};
    GameBytes a{.number = 1, .opponent = "A"};
    const GameBytes c{.number = 3, .opponent = "C"};
    GameFiles t(join({b.bytes(), a.bytes(), c.bytes()}),
        join({statBytes(1, 10), statBytes(2, 20), statBytes(3, 30)}));
    EXPECT_FALSE(gameNumbersInOrder(t.state.files));
    EXPECT_FALSE(checkDataFolder(t.state.settings.dataFolder).empty());

    ASSERT_TRUE(renumberGamesInRecordOrder(t.state.files));
    b.number = 1;
    a.number = 2;
    EXPECT_EQ(t.games(), join({b.bytes(), a.bytes(), c.bytes()}));
    // B's result (old game 2) is now game 1's and comes first; A's follows as game 2.
    EXPECT_EQ(t.results(), join({statBytes(1, 20), statBytes(2, 10), statBytes(3, 30)}));
    EXPECT_TRUE(gameNumbersInOrder(t.state.files));
    EXPECT_TRUE(linesOf(t.state.settings.dataFolder).isEmpty());
}

TEST(IntegrityCheck, CommandExitsZeroWhenCleanOneOtherwise)
{
    TeamFolder t;
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(
        runCheckCommand({QStringLiteral("--data"), t.state.settings.dataFolder}, out, err), 0);
    t.writeData("KVPS1.DAT", QByteArray(10, 'x'));
    EXPECT_EQ(
        runCheckCommand({QStringLiteral("--data"), t.state.settings.dataFolder}, out, err), 1);
    EXPECT_EQ(runCheckCommand({QStringLiteral("--bogus")}, out, err), 2);
    std::fclose(out);
    std::fclose(err);
}
