// "scorvane-report import": the preview it prints, what it writes, and what it refuses.
#include "CliSupport.h"
#include "ImportCommand.h"

#include "core/store/DataFolderLock.h"
#include "core/store/GameRecord.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

ToolRun runImport(const QStringList& arguments)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), &std::fclose);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), &std::fclose);
    ToolRun run;
    run.code = runImportCommand(arguments, out.get(), err.get());
    run.out = readBack(out.get());
    run.err = readBack(err.get());
    return run;
}

struct ImportFolder : SampleFolder
{
    QString file(const char* name, const QByteArray& bytes) const
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        writeWholeFile(path, bytes);
        return path;
    }
    ToolRun import(const std::string& line, const QStringList& values = {}) const
    {
        return runImport(args(line.c_str(), values)
            + QStringList{QStringLiteral("--data"), data, QStringLiteral("--settings"), settings});
    }
    QByteArray dataFile(const char* name) const
    {
        return readWholeFile(data + QString::fromLatin1(name));
    }
};

} // namespace

TEST(ImportCommand, BadArgumentsAndUnreadableFilesAreRefused)
{
    const ImportFolder f;
    const QString roster = f.file("r.csv", "No,Name\n5,Ann\n");
    const QString png = f.file("p.csv", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    const QString nameless = f.file("n.csv", "No,Phone\n5,555\n");
    const QStringList before = folderListing(f.data);
    struct Case
    {
        const char* line;
        int code;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"roster %1", 2, "--team N is required"},
        {"roster --team 101 %1", 2, "--team must be a slot from 1 to 100"},
        {"players --team 1 %1", 2, "import roster or games, not \"players\""},
        {"roster --team 1", 2, "give what to import"},
        {"roster --team 1 --on-conflict merge %1", 2, "--on-conflict must be"},
        {"roster --team 1 --map Shirt=number %1", 2, "the file has no column \"Shirt\""},
        {"roster --team 1 --map No=age %1", 2, "\"age\" is not a field"},
        {"roster --team 1 %2", 1, "binary data"},
        {"roster --team 1 %3", 1, "No column is read as the player name"},
        {"roster --team 1 %1.missing", 1, "cannot read"},
    };
    for (const Case& c : cases) {
        const ToolRun run = f.import(c.line, {roster, png, nameless});
        EXPECT_EQ(run.code, c.code) << c.line;
        EXPECT_TRUE(run.err.contains(c.message)) << c.line << ": " << run.err.toStdString();
    }
    EXPECT_EQ(folderListing(f.data), before);
}

// The roster the report tool exports comes back byte for byte into an empty team.
TEST(ImportCommand, AnExportedRosterReadsBackIntoAnEmptyTeam)
{
    const ImportFolder f;
    for (int team = 1; team <= 4; ++team) {
        SCOPED_TRACE(team);
        const QString csv = f.dir.filePath(QStringLiteral("roster%1.csv").arg(team));
        ASSERT_EQ(
            f.run("roster --teams %1 --format csv -o %2", {QString::number(team), csv}).code, 0);
        const QString target = QString::number(team + 10);
        const ToolRun run = f.import("roster --team %1 %2", {target, csv});
        EXPECT_EQ(run.code, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains("written")) << run.out.toStdString();
        const QByteArray source = f.dataFile(qPrintable(QStringLiteral("KVPN%1.DAT").arg(team)));
        ASSERT_FALSE(source.isEmpty());
        EXPECT_EQ(f.dataFile(qPrintable(QStringLiteral("KVPN%1.DAT").arg(target))), source);
        EXPECT_EQ(f.dataFile(qPrintable(QStringLiteral("KVPI%1.DAT").arg(target))),
            f.dataFile(qPrintable(QStringLiteral("KVPI%1.DAT").arg(team))));
    }
}

TEST(ImportCommand, ARowWithAProblemStopsTheWholeImportUnlessSkipped)
{
    const ImportFolder f;
    const QString csv = f.file("g.csv",
        "Date;Opponent;Home/Away;Goals For;Goals Against\r\n"
        "2/30/2003;Nowhere;home;1;0\r\n"
        "3/1/2003;\"Lee, Ann's XI\";away;2;2\r\n");
    const QStringList before = folderListing(f.data);
    const ToolRun refused = f.import("games --team 30 %1", {csv});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.out.contains("line 2 (left out)")) << refused.out.toStdString();
    EXPECT_TRUE(refused.out.contains("    problem: date \"2/30/2003\" is not a real day"));
    EXPECT_TRUE(
        refused.out.contains("line 3 (stored): Game 1, Date 03/01/03, Opponent Lee, Ann's XI"));
    EXPECT_TRUE(refused.err.contains("nothing written: 1 rows have problems"));
    const ToolRun dry = f.import("games --team 30 --skip-problems --dry-run %1", {csv});
    EXPECT_EQ(dry.code, 0);
    EXPECT_TRUE(dry.out.contains("nothing written (--dry-run)"));
    // Not even the empty files a team's selection opens stay behind.
    EXPECT_EQ(folderListing(f.data), before);

    const ToolRun skipped = f.import("games --team 30 --skip-problems %1", {csv});
    EXPECT_EQ(skipped.code, 0) << skipped.err.toStdString();
    const QByteArray games = f.dataFile("KVGS30.DAT");
    ASSERT_EQ(games.size(), GameRecord::Length);
    const GameRecord game = GameRecord::decode(games);
    EXPECT_EQ(game.gameNumber, 1);
    EXPECT_EQ(game.gameDate, QStringLiteral("030103"));
    EXPECT_EQ(game.homeGame, '2');
    EXPECT_EQ(game.goalsFor, 2);
    EXPECT_FALSE(QFileInfo::exists(f.data + QStringLiteral("KVPS30.DAT")));
}

TEST(ImportCommand, ConflictsWithTheTeamsGamesWaitForAChoice)
{
    const ImportFolder f;
    const QByteArray gamesBefore = f.dataFile("KVGS1.DAT");
    const GameRecord first = GameRecord::decode(gamesBefore.left(GameRecord::Length));
    const QString csv = f.file("g.csv",
        "Date,Opponent,Comment\n" + first.gameDate.toLatin1() + ","
            + first.opponent.trimmed().toLatin1() + ",moved indoors\n");
    const ToolRun waiting = f.import("games --team 1 %1", {csv});
    EXPECT_EQ(waiting.code, 1);
    EXPECT_TRUE(waiting.out.contains("conflict: same date and opponent as game 1 (choose with"))
        << waiting.out.toStdString();
    EXPECT_EQ(f.dataFile("KVGS1.DAT"), gamesBefore);

    const ToolRun replaced = f.import("games --team 1 --on-conflict replace %1", {csv});
    EXPECT_EQ(replaced.code, 0) << replaced.err.toStdString();
    const QByteArray games = f.dataFile("KVGS1.DAT");
    ASSERT_EQ(games.size(), gamesBefore.size());
    EXPECT_EQ(GameRecord::decode(games.left(GameRecord::Length)).gameComment.trimmed(),
        QStringLiteral("moved indoors"));
    EXPECT_EQ(games.mid(GameRecord::Length), gamesBefore.mid(GameRecord::Length));
}

TEST(ImportCommand, AFolderInUseByTheProgramIsNotWritten)
{
    const ImportFolder f;
    const QString csv = f.file("r.csv", "No,Name\n50,Zed\n");
    DataFolderLock program;
    ASSERT_EQ(program.lock(f.data), DataFolderLock::Result::Locked);
    const ToolRun run = f.import("roster --team 1 %1", {csv});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("in use")) << run.err.toStdString();
    program.unlock();
    EXPECT_EQ(f.import("roster --team 1 %1", {csv}).code, 0);
    EXPECT_TRUE(f.dataFile("KVPN1.DAT").contains("Zed"));
}
