// The undo history's stored steps: each command captured, undone and redone byte for byte; an
// undo refused when a file changed since; a failed or killed undo leaves each file as it was or
// as it must be after; snapshots shared between neighbouring steps.
#include "SafeWriteSupport.h"

#include "core/entry/PlayerEntry.h"
#include "core/games/GameFile.h"
#include "core/roster/PlayerContacts.h"
#include "core/roster/PlayerNumberChange.h"
#include "core/roster/RosterTable.h"
#include "core/store/Backup.h"
#include "core/store/ChangeCapture.h"
#include "core/store/ChangeSet.h"
#include "core/store/FileFaults.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/StoredStep.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

struct Command
{
    const char* name;
    std::function<bool(TeamFolder&)> run;
};

GameRecord gameNumbered(int number, char type = '3')
{
    return GameRecord::decode(
        GameBytes{.number = number, .opponent = "Rovers", .type = type}.bytes());
}

StatValueArray valuesOf(qint16 value)
{
    StatValueArray values{};
    values.fill(value);
    return values;
}

// The commands the history covers, each as its window runs it.
std::vector<Command> commands()
{
    return {
        {"add game",
            [](TeamFolder& t) {
                return saveGame(t.state.files, GameEdit::Add, 0, gameNumbered(6));
            }},
        {"insert game with renumbering",
            [](TeamFolder& t) {
                return saveGame(t.state.files, GameEdit::Insert, 2, gameNumbered(2)) != 0;
            }},
        {"change game type (results follow)",
            [](TeamFolder& t) {
                return saveGame(t.state.files, GameEdit::Change, 3, gameNumbered(3, '5')) != 0;
            }},
        {"delete game with renumbering",
            [](TeamFolder& t) { return deleteGame(t.state.files, 2); }},
        {"save a game's figures",
            [](TeamFolder& t) {
                PlayerEntry entry(t.state.files, findEntryGame(t.state.files, 3).value());
                entry.setPlayed(12, true);
                entry.storeValues(12, valuesOf(4));
                entry.setPlayed(10, false);
                return entry.saveAll();
            }},
        {"roster and contacts closed together",
            [](TeamFolder& t) {
                applyNameEdit(t.state, 12, QStringLiteral("Cy"));
                PlayerContactTable contacts = readPlayerContacts(t.state.files);
                contacts[12].city = QStringLiteral("Elsewhere");
                return rewriteRosterFile(t.state) && rewritePlayerContacts(t.state.files, contacts);
            }},
        {"player number change",
            [](TeamFolder& t) {
                PlayerContactTable contacts = readPlayerContacts(t.state.files);
                return changePlayerNumber(t.state, contacts, 10, 30);
            }},
    };
}

// Runs `command` under a capture and returns its step.
StoredStep captured(TeamFolder& t, const Command& command)
{
    ChangeCapture capture(t.state.files, t.state.settings.dataFolder);
    EXPECT_TRUE(command.run(t));
    return capture.take(QString::fromLatin1(command.name));
}

StoredStep deletionOfGame2(TeamFolder& t)
{
    return captured(t, commands()[3]);
}

} // namespace

TEST(StoredSteps, EachCommandUndoneAndRedoneLeavesTheFilesByteIdentical)
{
    for (const Command& command : commands()) {
        SCOPED_TRACE(command.name);
        TeamFolder t;
        const FolderSnapshot before = t.snapshot();
        const StoredStep step = captured(t, command);
        const FolderSnapshot after = t.snapshot();
        ASSERT_FALSE(step.isEmpty());
        ASSERT_FALSE(before == after);

        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(
                step.apply(t.state.files, StepDirection::Undo).outcome, StoredStep::Outcome::Done);
            EXPECT_TRUE(sameFiles(t.snapshot(), before));
            EXPECT_EQ(
                step.apply(t.state.files, StepDirection::Redo).outcome, StoredStep::Outcome::Done);
            EXPECT_TRUE(sameFiles(t.snapshot(), after));
        }
        // The open files were reopened on the new contents: a read sees what is on the disk.
        step.apply(t.state.files, StepDirection::Undo);
        EXPECT_EQ(t.state.files.readBytes(FileGames, 0, t.state.files.fileLength(FileGames)),
            before.at(QStringLiteral("data/KVGS1.DAT")));
        EXPECT_TRUE(t.reporter.errors.empty());
    }
}

TEST(StoredSteps, ACommandThatChangesNothingOrIsCancelledGivesNoStep)
{
    TeamFolder t;
    {
        ChangeCapture capture(t.state.files, t.state.settings.dataFolder);
        EXPECT_TRUE(rewriteRosterFile(t.state)); // the roster as it was: nothing written
        EXPECT_TRUE(capture.take(QStringLiteral("Roster")).isEmpty());
    }
    {
        ChangeCapture capture(t.state.files, t.state.settings.dataFolder);
        FileFaults::failAt(1, ENOSPC);
        EXPECT_FALSE(deleteGame(t.state.files, 2));
        FileFaults::reset();
        EXPECT_TRUE(capture.take(QStringLiteral("Delete Game 2")).isEmpty());
    }
    // A game's type changed and changed back under one capture leaves nothing to undo.
    ChangeCapture capture(t.state.files, t.state.settings.dataFolder);
    const auto game3 = t.state.files.get<GameRecord>(FileGames, 3);
    ASSERT_NE(saveGame(t.state.files, GameEdit::Change, 3, gameNumbered(3, '5')), 0);
    ASSERT_NE(saveGame(t.state.files, GameEdit::Change, 3, game3), 0);
    EXPECT_TRUE(capture.take(QStringLiteral("Both")).isEmpty());
}

TEST(StoredSteps, NestedCapturesBothSeeTheChangeAndOtherFoldersAreLeftOut)
{
    TeamFolder t;
    ChangeCapture outer(t.state.files, t.state.settings.dataFolder);
    {
        ChangeCapture inner(t.state.files, t.state.settings.dataFolder);
        ASSERT_TRUE(deleteGame(t.state.files, 2));
        EXPECT_EQ(inner.take(QStringLiteral("inner")).files().size(), 2u);
    }
    ChangeCapture backupOnly(t.state.files, t.backup);
    ASSERT_TRUE(deleteGame(t.state.files, 1));
    EXPECT_TRUE(backupOnly.take(QStringLiteral("none")).files().empty());
    const StoredStep both = outer.take(QStringLiteral("outer"));
    ASSERT_EQ(both.files().size(), 2u);
    // Games and results hold their bytes from before the first deletion.
    EXPECT_EQ(both.files()[0].before.size() + both.files()[1].before.size(),
        5 * GameRecord::Length + 10 * PlayerStatRecord::Length);
}

// Files changed after the step by something the history does not know of.
TEST(StoredSteps, AFileChangedSinceTheStepRefusesItAndNothingChanges)
{
    struct Outside
    {
        const char* name;
        StepDirection direction;
        std::function<void(TeamFolder&)> change;
        const char* file;
        const char* says;
    };
    const std::vector<Outside> cases = {
        {"game added outside", StepDirection::Undo,
            [](TeamFolder& t) { saveGame(t.state.files, GameEdit::Add, 0, gameNumbered(5)); },
            "KVGS1.DAT", "has been changed"},
        {"restore of an older roster", StepDirection::Undo,
            [](TeamFolder& t) {
                copyDataFiles(t.state, t.backup, t.state.settings.dataFolder, {}, nullptr);
            },
            "KVPN1.DAT", "has been changed"},
        {"results file removed", StepDirection::Undo,
            [](TeamFolder& t) {
                t.state.files.change(
                    QStringLiteral("outside"), [&] { t.state.files.killDataFile(FileStats); });
            },
            "KVPS1.DAT", "has been removed"},
        {"redo after a change to the undone files", StepDirection::Redo,
            [](TeamFolder& t) { deleteGame(t.state.files, 4); }, "KVGS1.DAT", "has been changed"},
    };
    for (const Outside& c : cases) {
        SCOPED_TRACE(c.name);
        TeamFolder t;
        // The roster rename and the deletion of game 2 as one step.
        ChangeCapture capture(t.state.files, t.state.settings.dataFolder);
        applyNameEdit(t.state, 12, QStringLiteral("Cy"));
        ASSERT_TRUE(rewriteRosterFile(t.state));
        ASSERT_TRUE(deleteGame(t.state.files, 2));
        const StoredStep step = capture.take(QStringLiteral("Delete Game 2"));
        if (c.direction == StepDirection::Redo) {
            ASSERT_EQ(
                step.apply(t.state.files, StepDirection::Undo).outcome, StoredStep::Outcome::Done);
        }
        c.change(t);
        const FolderSnapshot changed = t.snapshot();

        const StoredStep::Result result = step.apply(t.state.files, c.direction);
        EXPECT_EQ(result.outcome, StoredStep::Outcome::Refused);
        EXPECT_TRUE(result.refusal.contains(QString::fromLatin1(c.file)))
            << result.refusal.toStdString();
        EXPECT_TRUE(result.refusal.contains(QString::fromLatin1(c.says)));
        EXPECT_TRUE(result.refusal.contains(QStringLiteral("Delete Game 2")));
        EXPECT_TRUE(sameFiles(t.snapshot(), changed));
    }
}

TEST(StoredSteps, EveryFailedStepOfAnUndoLeavesTheFilesBeforeOrAfterIt)
{
    int steps = 0;
    FolderSnapshot deleted;
    FolderSnapshot original;
    {
        TeamFolder t;
        original = t.snapshot();
        const StoredStep step = deletionOfGame2(t);
        deleted = t.snapshot();
        FileFaults::reset();
        ASSERT_EQ(
            step.apply(t.state.files, StepDirection::Undo).outcome, StoredStep::Outcome::Done);
        steps = FileFaults::stepsTaken();
    }
    ASSERT_GT(steps, 0);
    for (int k = 1; k <= steps; ++k) {
        SCOPED_TRACE(k);
        TeamFolder t;
        const StoredStep step = deletionOfGame2(t);
        FileFaults::failAt(k, ENOSPC);
        const StoredStep::Result result = step.apply(t.state.files, StepDirection::Undo);
        FileFaults::reset();
        ASSERT_EQ(t.reporter.errors.size(), 1u);
        EXPECT_TRUE(t.reporter.errors[0].operation.startsWith(QStringLiteral("Undo ")));
        if (result.outcome == StoredStep::Outcome::Cancelled
            && !QFileInfo::exists(t.state.settings.dataFolder + changeJournalName())) {
            EXPECT_TRUE(sameFiles(t.snapshot(), deleted)); // nothing changed
            // The step is still there to undo once the disk has room.
            EXPECT_EQ(
                step.apply(t.state.files, StepDirection::Undo).outcome, StoredStep::Outcome::Done);
            EXPECT_TRUE(sameFiles(t.snapshot(), original));
            continue;
        }
        recoverPendingChange(t.state.settings.dataFolder);
        const FolderSnapshot now = t.snapshot();
        EXPECT_TRUE(now == deleted || now == original) << sameFiles(now, original).message();
    }
}

TEST(StoredSteps, EveryKillDuringTheUndoOfADeletionLeavesTheFilesBeforeOrAfter)
{
    constexpr int Results = 30000;
    FolderSnapshot original;
    FolderSnapshot deleted;
    {
        TeamFolder clean(Results);
        original = clean.snapshot();
        deletionOfGame2(clean);
        deleted = clean.snapshot();
    }
    const auto undoInChild = [](TeamFolder& t, const StoredStep& step) {
        return runInChild([&] { step.apply(t.state.files, StepDirection::Undo); });
    };
    int spanMicros = 0;
    {
        TeamFolder warm(Results);
        const StoredStep step = deletionOfGame2(warm);
        const auto start = std::chrono::steady_clock::now();
        int status = 0;
        ::waitpid(undoInChild(warm, step), &status, 0);
        spanMicros = static_cast<int>(std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start)
                                          .count());
        ASSERT_TRUE(sameFiles(warm.snapshot(), original));
    }
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> moment(0, std::max(spanMicros, 1000));
    int settled = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (int round = 0; round < 12 && std::chrono::steady_clock::now() < deadline; ++round) {
        TeamFolder t(Results);
        const StoredStep step = deletionOfGame2(t);
        const pid_t child = undoInChild(t, step);
        killAndRecover(child, moment(random), t.state.settings.dataFolder);
        const FolderSnapshot now = t.snapshot();
        EXPECT_TRUE(now == deleted || now == original) << "round " << round;
        settled += now == deleted || now == original ? 1 : 0;
    }
    EXPECT_GT(settled, 0);
}

TEST(StoredSteps, NeighbouringStepsShareTheBytesTheyHaveInCommon)
{
    TeamFolder t;
    const StoredStep first = deletionOfGame2(t);
    StoredStep second = captured(t, commands()[3]); // game 2 again (the former game 3)
    const qint64 alone = second.byteSize();
    second.shareBytesWith(first);
    for (const FileSnapshot& file : second.files()) {
        const auto same = std::find_if(first.files().begin(), first.files().end(),
            [&](const FileSnapshot& f) { return f.path == file.path; });
        ASSERT_NE(same, first.files().end());
        EXPECT_TRUE(file.before.isSharedWith(same->after));
    }
    // Sharing changes no byte the step puts back.
    EXPECT_EQ(second.byteSize(), alone);
    EXPECT_EQ(second.apply(t.state.files, StepDirection::Undo).outcome, StoredStep::Outcome::Done);
    EXPECT_EQ(first.apply(t.state.files, StepDirection::Undo).outcome, StoredStep::Outcome::Done);
    EXPECT_EQ(t.readData("KVGS1.DAT"), numberedGames(5));
}
