// Whole-or-nothing saving: every operation that changes files is failed at each of its disk
// steps in turn, or killed at random moments, and every file must then be as it was before or as
// it must be after.
#include "SafeWriteSupport.h"

#include "core/entry/PlayerEntry.h"
#include "core/games/GameFile.h"
#include "core/import/GameImport.h"
#include "core/import/RosterImport.h"
#include "core/reports/ExplicitGameList.h"
#include "core/roster/PlayerContacts.h"
#include "core/roster/PlayerNumberChange.h"
#include "core/roster/RosterTable.h"
#include "core/state/Settings.h"
#include "core/store/Backup.h"
#include "core/store/ChangeSet.h"
#include "core/store/FileFaults.h"
#include "core/store/PlayerStatRecord.h"
#include "core/teams/TeamSetup.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

struct Operation
{
    const char* name;
    std::function<bool(TeamFolder&)> run;
};

GameRecord newGame(int number)
{
    return GameRecord::decode(
        GameBytes{.number = number, .opponent = "Newcomers", .type = '3'}.bytes());
}

// Game 3's figures as typed: a new result, inserted before game 4's, an existing result
// rewritten, another marked "I".
const StatValueArray Sevens = [] {
    StatValueArray values{};
    values.fill(7);
    return values;
}();

PlayerEntry editedGame3(TeamFolder& t)
{
    PlayerEntry entry(t.state.files, findEntryGame(t.state.files, 3).value());
    entry.setPlayed(12, true);
    entry.storeValues(12, Sevens);
    entry.storeValues(11, Sevens);
    entry.setPlayed(10, false);
    return entry;
}

bool saveAllOfGame3(TeamFolder& t)
{
    return editedGame3(t).saveAll();
}

// A spreadsheet imported with every conflict replaced.
bool importSheet(TeamFolder& t, ImportKind kind, const char* csv)
{
    const CsvSheet sheet = readCsvSheet(QByteArray(csv));
    const QList<ImportField> mapping = matchColumns(kind, sheet.headings);
    std::unique_ptr<ImportPlan> plan;
    if (kind == ImportKind::Roster)
        plan = RosterImport::forTeam(t.state, sheet, mapping);
    else
        plan = GameImport::forTeam(t.state, sheet, mapping);
    plan->chooseForEveryConflict(ConflictChoice::Replace);
    return plan->write(t.state);
}

std::vector<Operation> operations()
{
    return {
        {"insert game",
            [](TeamFolder& t) {
                return saveGame(t.state.files, GameEdit::Insert, 2, newGame(2)) != 0;
            }},
        {"append game",
            [](TeamFolder& t) {
                return saveGame(t.state.files, GameEdit::Add, 0, newGame(6)) != 0;
            }},
        {"change game type",
            [](TeamFolder& t) {
                return saveGame(t.state.files, GameEdit::Change, 3, newGame(3)) != 0;
            }},
        {"delete game", [](TeamFolder& t) { return deleteGame(t.state.files, 2); }},
        {"save all", saveAllOfGame3},
        {"roster rewrite",
            [](TeamFolder& t) {
                applyNameEdit(t.state, 12, QStringLiteral("Cy"));
                return rewriteRosterFile(t.state);
            }},
        {"contacts rewrite",
            [](TeamFolder& t) {
                PlayerContactTable contacts = readPlayerContacts(t.state.files);
                contacts[12].city = QStringLiteral("Elsewhere");
                return rewritePlayerContacts(t.state.files, contacts);
            }},
        {"player number change",
            [](TeamFolder& t) {
                PlayerContactTable contacts = readPlayerContacts(t.state.files);
                return changePlayerNumber(t.state, contacts, 10, 30);
            }},
        {"storing the selected games",
            [](TeamFolder& t) {
                return storeExplicitList(t.state.files, 1, {false, true, false, true});
            }},
        {"roster import",
            [](TeamFolder& t) {
                return importSheet(
                    t, ImportKind::Roster, "No,Name,City\n12,Cy Lee,Leeds\n13,Di,York\n");
            }},
        {"game import replacing a game",
            [](TeamFolder& t) {
                return importSheet(t, ImportKind::Games,
                    "Date,Opponent,Type\n09/15/02,Rovers,3\n10/01/02,City,2\n");
            }},
        {"team delete", [](TeamFolder& t) { return deleteTeamFiles(t.state); }},
        {"team name",
            [](TeamFolder& t) {
                return nameTeam(t.state, QStringLiteral("Renamed"), QStringLiteral("Ren"));
            }},
        {"settings",
            [](TeamFolder& t) {
                t.state.settings.linesPerPage = 50;
                return Settings::save(t.state);
            }},
        {"back up",
            [](TeamFolder& t) {
                return copyDataFiles(t.state, t.state.settings.dataFolder, t.backup) >= 0;
            }},
        {"restore",
            [](TeamFolder& t) {
                QString kept;
                return copyDataFiles(t.state, t.backup, t.state.settings.dataFolder, {}, &kept)
                    >= 0;
            }},
    };
}

void recoverAsStartUpWould(const TeamFolder& t)
{
    recoverPendingChange(t.state.settings.dataFolder);
    recoverPendingChange(t.state.settings.settingsFolder);
    recoverPendingChange(t.backup);
}

} // namespace

TEST(SafeWrites, EveryFailedStepLeavesEachFileBeforeOrAfter)
{
    for (const Operation& op : operations()) {
        SCOPED_TRACE(op.name);
        FolderSnapshot before;
        FolderSnapshot after;
        int steps = 0;
        {
            TeamFolder t;
            before = t.snapshot();
            FileFaults::reset();
            ASSERT_TRUE(op.run(t));
            steps = FileFaults::stepsTaken();
            after = t.snapshot();
            EXPECT_TRUE(t.reporter.errors.empty());
        }
        ASSERT_FALSE(before == after);
        ASSERT_GT(steps, 0);
        for (int k = 1; k <= steps; ++k) {
            TeamFolder t;
            FileFaults::failAt(k, ENOSPC);
            const bool done = op.run(t);
            FileFaults::reset();
            ASSERT_EQ(t.reporter.errors.size(), 1u) << "step " << k;
            EXPECT_FALSE(t.reporter.errors[0].operation.isEmpty());
            EXPECT_FALSE(t.reporter.errors[0].path.isEmpty());
            if (done) {
                EXPECT_TRUE(sameFiles(t.snapshot(), after)) << "step " << k;
            }
            recoverAsStartUpWould(t);
            const FolderSnapshot now = t.snapshot();
            EXPECT_TRUE(now == before || now == after)
                << "step " << k << ": " << sameFiles(now, after).message();
        }
    }
}

TEST(SafeWrites, UnchangedFilesAreNotRewritten)
{
    TeamFolder t;
    const FolderSnapshot before = t.snapshot();
    PlayerContactTable contacts = readPlayerContacts(t.state.files);
    FileFaults::reset();
    EXPECT_TRUE(rewriteRosterFile(t.state));
    EXPECT_TRUE(rewritePlayerContacts(t.state.files, contacts));
    EXPECT_EQ(FileFaults::stepsTaken(), 0);
    EXPECT_TRUE(sameFiles(t.snapshot(), before));
}

TEST(SafeWrites, FilesAreReadAgainAfterAChange)
{
    TeamFolder t;
    ASSERT_NE(saveGame(t.state.files, GameEdit::Insert, 2, newGame(2)), 0);
    // The open numbers read the new files, not the ones the change replaced.
    EXPECT_EQ(t.state.files.recordCount(FileGames), 6);
    EXPECT_EQ(t.state.files.get<GameRecord>(FileGames, 2).opponent.trimmed(), u"Newcomers");
    EXPECT_EQ(t.state.files.get<PlayerStatRecord>(FileStats, 3).gameNumber, 3);
}

TEST(SafeWrites, FullDiskDuringSaveAllKeepsFilesAndTypedFigures)
{
    FolderSnapshot after;
    {
        TeamFolder clean;
        ASSERT_TRUE(saveAllOfGame3(clean));
        after = clean.snapshot();
    }
    TeamFolder t;
    const FolderSnapshot before = t.snapshot();
    PlayerEntry entry = editedGame3(t);

    // The disk stays full through two retries; the third answer cancels.
    t.reporter.answers = {ErrorReporter::Choice::Retry, ErrorReporter::Choice::Retry};
    FileFaults::failAt(1, ENOSPC, true);
    EXPECT_FALSE(entry.saveAll());
    FileFaults::reset();
    ASSERT_EQ(t.reporter.errors.size(), 3u);
    EXPECT_EQ(t.reporter.errors[0].operation, QStringLiteral("Saving the player results"));
    EXPECT_TRUE(t.reporter.errors[0].path.endsWith(QStringLiteral("KVPS1.DAT")));
    EXPECT_TRUE(sameFiles(t.snapshot(), before));
    EXPECT_EQ(entry.slot(12).values, Sevens);
    EXPECT_FALSE(entry.slot(10).played);

    // Space again: the same figures save as if nothing had happened.
    EXPECT_TRUE(entry.saveAll());
    EXPECT_TRUE(sameFiles(t.snapshot(), after));
}

TEST(SafeWrites, StartUpFinishesADecidedChangeAndDropsAnUndecidedOne)
{
    TeamFolder t;
    const QString games = t.state.settings.dataFolder + QStringLiteral("KVGS1.DAT");
    const QString results = t.state.settings.dataFolder + QStringLiteral("KVPS1.DAT");

    // New files without a journal: the change never got as far as being decided.
    writeWholeFile(stagedName(games), "half");
    EXPECT_EQ(
        recoverPendingChange(t.state.settings.dataFolder).kind, PendingChange::Kind::RolledBack);
    EXPECT_FALSE(QFileInfo::exists(stagedName(games)));

    // A journal and one file still to rename: finished.
    writeWholeFile(stagedName(results), "new results");
    writeWholeFile(t.state.settings.dataFolder + changeJournalName(),
        "scorvane change 1\noperation Deleting the game\nreplace KVGS1.DAT\nreplace "
        "KVPS1.DAT\nend\n");
    const PendingChange finished = recoverPendingChange(t.state.settings.dataFolder);
    EXPECT_EQ(finished.kind, PendingChange::Kind::Finished);
    EXPECT_EQ(finished.operation, QStringLiteral("Deleting the game"));
    EXPECT_EQ(readWholeFile(results), QByteArray("new results"));
    EXPECT_FALSE(QFileInfo::exists(t.state.settings.dataFolder + changeJournalName()));
    EXPECT_EQ(recoverPendingChange(t.state.settings.dataFolder).kind, PendingChange::Kind::None);
}
