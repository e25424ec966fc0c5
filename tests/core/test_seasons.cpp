// Seasons: ending a season into its archive, the list of archives and what is wrong with them,
// viewing an archived season without ever writing it, and New Season killed before each of its
// disk steps.
#include "SafeWriteSupport.h"

#include "core/games/GameFile.h"
#include "core/output/ReportPrinting.h"
#include "core/seasons/NewSeason.h"
#include "core/seasons/SeasonArchive.h"
#include "core/seasons/SeasonViewing.h"
#include "core/state/Settings.h"
#include "core/store/Backup.h"
#include "core/store/ChangeSet.h"
#include "core/store/ContentChecksum.h"
#include "core/store/FileFaults.h"

#include <QDirIterator>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// The data files at the top of a folder, and the archive's data files, by name.
FolderSnapshot topFiles(const QString& folder)
{
    FolderSnapshot files;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("KV*")}, QDir::Files))
        files[name] = readWholeFile(folder + name);
    return files;
}

// Hidden working folders left by a stop are not part of the data.
QStringList visibleFolders(const QString& folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

struct EndedSeason
{
    FolderSnapshot before; // the data folder's files before New Season
    FolderSnapshot after;  // and after
};

EndedSeason expectedSeason()
{
    TeamFolder t;
    EndedSeason e;
    e.before = topFiles(t.state.settings.dataFolder);
    EXPECT_EQ(startNewSeason(t.state, QStringLiteral("2002")).outcome, NewSeasonOutcome::Started);
    e.after = topFiles(t.state.settings.dataFolder);
    return e;
}

QString archiveOf(const TeamFolder& t, const char* name = "2002")
{
    return seasonsFolder(t.state.settings.dataFolder) + QString::fromLatin1(name) + u'/';
}

} // namespace

TEST(NewSeason, ArchivesEveryFileAndKeepsTeamsRostersAndContacts)
{
    TeamFolder t;
    const FolderSnapshot before = topFiles(t.state.settings.dataFolder);
    const NewSeasonResult result = startNewSeason(t.state, QStringLiteral(" 2002 "));
    ASSERT_EQ(result.outcome, NewSeasonOutcome::Started) << result.problem.toStdString();
    EXPECT_EQ(result.archiveFolder, archiveOf(t));

    EXPECT_EQ(topFiles(archiveOf(t)), before);
    FolderSnapshot kept = before;
    kept.erase(QStringLiteral("KVGS1.DAT"));
    kept.erase(QStringLiteral("KVPS1.DAT"));
    EXPECT_EQ(topFiles(t.state.settings.dataFolder), kept);

    const std::vector<ArchivedSeason> list = listSeasons(t.state.settings.dataFolder);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, QStringLiteral("2002"));
    EXPECT_TRUE(list[0].usable()) << list[0].problem.toStdString();
    // The team list is read again for the new season, with no team chosen.
    EXPECT_EQ(t.state.teamChoice.count, 0);
    EXPECT_EQ(t.state.teamChoice.names[1].trimmed(), QStringLiteral("Team 1"));
}

TEST(NewSeason, RefusesBadNamesTakenNamesAndAViewedSeason)
{
    TeamFolder t;
    const FolderSnapshot before = topFiles(t.state.settings.dataFolder);
    EXPECT_EQ(startNewSeason(t.state, QStringLiteral("  ")).outcome, NewSeasonOutcome::BadName);
    EXPECT_EQ(startNewSeason(t.state, QStringLiteral("a/b")).outcome, NewSeasonOutcome::BadName);
    EXPECT_EQ(
        startNewSeason(t.state, QStringLiteral(".hidden")).outcome, NewSeasonOutcome::BadName);
    EXPECT_EQ(topFiles(t.state.settings.dataFolder), before);
    EXPECT_FALSE(QFileInfo::exists(seasonsFolder(t.state.settings.dataFolder)));

    ASSERT_EQ(startNewSeason(t.state, QStringLiteral("2002")).outcome, NewSeasonOutcome::Started);
    // A season played under the same name is not mixed into the archive of the first.
    t.writeData("KVGS1.DAT", numberedGames(2));
    const NewSeasonResult again = startNewSeason(t.state, QStringLiteral("2002"));
    EXPECT_EQ(again.outcome, NewSeasonOutcome::NameTaken);
    EXPECT_TRUE(again.problem.contains(QStringLiteral("\"2002\"")));
    EXPECT_EQ(t.readData("KVGS1.DAT"), numberedGames(2));

    ASSERT_TRUE(openArchivedSeason(t.state, listSeasons(t.state.settings.dataFolder).front()));
    EXPECT_EQ(
        startNewSeason(t.state, QStringLiteral("2003")).outcome, NewSeasonOutcome::ViewingOld);
}

TEST(NewSeason, DefaultNameIsTheYearSpanOfActiveGames)
{
    struct Case
    {
        std::vector<GameBytes> games;
        const char* name;
    };
    const std::vector<Case> cases = {
        {{GameBytes{.date = "091502"}, GameBytes{.date = "111502"}}, "2002"},
        {{GameBytes{.date = "091599"}, GameBytes{.date = "031500"}}, "1999-2000"},
        // Deleted games and dates that are not six digits do not count.
        {{GameBytes{.date = "091502"}, GameBytes{.status = 'D', .date = "091510"},
             GameBytes{.date = "0915"}},
            "2002"},
    };
    for (const Case& c : cases) {
        TempState t;
        QByteArray games;
        for (const GameBytes& game : c.games)
            games += game.bytes();
        t.writeData("KVGS4.DAT", games);
        EXPECT_EQ(defaultSeasonName(t.state.settings.dataFolder), QString::fromLatin1(c.name));
    }
    TempState none;
    EXPECT_EQ(defaultSeasonName(none.state.settings.dataFolder),
        QString::number(QDate::currentDate().year()));
}

// The kill test of the safe writes over New Season: killed before each disk step in turn, then
// started again as the program would be, the data folder holds the old season or the new one,
// the list of archives never shows a half-made one, and New Season run again finishes the work.
TEST(NewSeason, AKillBeforeAnyStepLeavesTheOldSeasonOrTheNewOne)
{
    const EndedSeason want = expectedSeason();
    int steps = 0;
    {
        TeamFolder t;
        FileFaults::reset();
        ASSERT_EQ(
            startNewSeason(t.state, QStringLiteral("2002")).outcome, NewSeasonOutcome::Started);
        steps = FileFaults::stepsTaken();
    }
    ASSERT_GT(steps, 10);
    int sawOld = 0;
    int sawNew = 0;
    for (int k = 1; k <= steps; ++k) {
        TeamFolder t;
        const pid_t child = ::fork();
        if (child == 0) {
            FileFaults::killAt(k);
            startNewSeason(t.state, QStringLiteral("2002"));
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "step " << k;
        const QString data = t.state.settings.dataFolder;
        recoverPendingChange(data);

        const FolderSnapshot now = topFiles(data);
        ASSERT_TRUE(now == want.before || now == want.after) << "step " << k;
        sawOld += now == want.before ? 1 : 0;
        sawNew += now == want.after ? 1 : 0;
        const std::vector<ArchivedSeason> list = listSeasons(data, SeasonCheck::Contents);
        for (const ArchivedSeason& season : list)
            EXPECT_TRUE(season.usable()) << "step " << k << ": " << season.problem.toStdString();
        if (now == want.after) {
            ASSERT_EQ(list.size(), 1u) << "step " << k;
            EXPECT_EQ(topFiles(list[0].folder), want.before);
        }

        const NewSeasonResult again = startNewSeason(t.state, QStringLiteral("2002"));
        if (now == want.before) {
            EXPECT_EQ(again.outcome, NewSeasonOutcome::Started) << "step " << k;
            EXPECT_EQ(topFiles(data), want.after) << "step " << k;
            EXPECT_EQ(topFiles(archiveOf(t)), want.before) << "step " << k;
            EXPECT_EQ(visibleFolders(seasonsFolder(data)), QStringList{QStringLiteral("2002")});
        }
    }
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
}

// Each failed step (a full disk) is reported once and leaves the old season whole.
TEST(NewSeason, AFailedStepIsReportedAndLeavesTheOldSeasonOrTheNewOne)
{
    const EndedSeason want = expectedSeason();
    for (int k = 1;; ++k) {
        TeamFolder t;
        FileFaults::failAt(k, ENOSPC);
        const NewSeasonResult result = startNewSeason(t.state, QStringLiteral("2002"));
        const int taken = FileFaults::stepsTaken();
        FileFaults::reset();
        if (taken < k)
            break; // every step has failed once
        EXPECT_FALSE(t.reporter.errors.empty()) << "step " << k;
        recoverPendingChange(t.state.settings.dataFolder);
        const FolderSnapshot now = topFiles(t.state.settings.dataFolder);
        EXPECT_TRUE(now == want.before || now == want.after) << "step " << k;
        EXPECT_EQ(now == want.after, result.outcome == NewSeasonOutcome::Started) << "step " << k;
    }
}

TEST(SeasonList, AnArchiveWithAProblemIsListedWithItAndNotOpened)
{
    struct Case
    {
        const char* what;
        std::function<void(const QString& archive, const QString& seasons)> spoil;
        const char* problem;
        SeasonCheck check;
    };
    const std::vector<Case> cases = {
        {"a results byte changed",
            [](const QString& a, const QString&) {
                QByteArray bytes = readWholeFile(a + QStringLiteral("KVPS1.DAT"));
                bytes[20] = static_cast<char>(bytes[20] ^ 1);
                writeWholeFile(a + QStringLiteral("KVPS1.DAT"), bytes);
            },
            "KVPS1.DAT is damaged (its contents changed)", SeasonCheck::Contents},
        {"a results file cut short",
            [](const QString& a, const QString&) {
                writeWholeFile(a + QStringLiteral("KVPS1.DAT"), QByteArray(115, ' '));
            },
            "KVPS1.DAT is damaged (its size changed)", SeasonCheck::Sizes},
        {"a games file missing",
            [](const QString& a, const QString&) {
                QFile::remove(a + QStringLiteral("KVGS1.DAT"));
            },
            "KVGS1.DAT is missing", SeasonCheck::Sizes},
        {"another installation's",
            [](const QString&, const QString& s) {
                writeWholeFile(s + QStringLiteral("INSTALLATION.ID"), "someone-else\n");
            },
            "it was made by another installation of the program", SeasonCheck::Sizes},
        {"no season record",
            [](const QString& a, const QString&) {
                QFile::remove(a + QStringLiteral("SEASON.INF"));
            },
            "no season record (SEASON.INF): not a season this program closed", SeasonCheck::Sizes},
        {"a garbled season record",
            [](const QString& a, const QString&) {
                writeWholeFile(
                    a + QStringLiteral("SEASON.INF"), "scorvane season 1\nname x\nfile\n");
            },
            "its season record (SEASON.INF) is damaged", SeasonCheck::Sizes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TeamFolder t;
        ASSERT_EQ(
            startNewSeason(t.state, QStringLiteral("2002")).outcome, NewSeasonOutcome::Started);
        c.spoil(archiveOf(t), seasonsFolder(t.state.settings.dataFolder));
        const std::vector<ArchivedSeason> list = listSeasons(t.state.settings.dataFolder, c.check);
        ASSERT_EQ(list.size(), 1u);
        EXPECT_EQ(list[0].problem, QString::fromLatin1(c.problem));
        const QString home = t.state.settings.dataFolder;
        ArchivedSeason claimedSound = list[0];
        claimedSound.problem.clear(); // opening checks the contents again itself
        EXPECT_FALSE(openArchivedSeason(t.state, claimedSound));
        EXPECT_EQ(t.state.settings.dataFolder, home);
        EXPECT_FALSE(t.state.files.seasonView());
    }
}

TEST(SeasonView, NothingInAViewedSeasonIsWrittenAndTheHomeFolderIsKept)
{
    TeamFolder t;
    const QString home = t.state.settings.dataFolder;
    ASSERT_EQ(startNewSeason(t.state, QStringLiteral("2002")).outcome, NewSeasonOutcome::Started);
    const QString archive = archiveOf(t);
    ASSERT_TRUE(openArchivedSeason(t.state, listSeasons(home).front()));
    EXPECT_EQ(t.state.settings.dataFolder, archive);
    EXPECT_EQ(viewedSeasonName(t.state), QStringLiteral("2002"));
    EXPECT_EQ(
        withSeasonName(t.state, QStringLiteral("Record")), QStringLiteral("Record - Season 2002"));
    const FolderSnapshot before = topFiles(archive);

    chooseTeam(t.state, 1);
    EXPECT_EQ(t.state.files.recordCount(FileGames), 5); // the old season's games are read
    EXPECT_EQ(saveGame(t.state.files, GameEdit::Add, 0,
                  GameRecord::decode(GameBytes{.number = 6}.bytes())),
        0);
    ASSERT_EQ(t.reporter.errors.size(), 1u);
    EXPECT_EQ(t.reporter.errors[0].code, FileError::SeasonReadOnly);
    const FileErrorMessage message = FileErrorMessage::describeWrite(t.reporter.errors[0]);
    EXPECT_EQ(message.title, QStringLiteral("Season Is Read-Only"));
    EXPECT_TRUE(message.text.contains(QStringLiteral("\"2002\"")));
    EXPECT_FALSE(message.offersRetry);

    // Every report's exported heading names the season, as its printout does.
    for (const ReportKind kind : {ReportKind::Roster, ReportKind::Record, ReportKind::GameScores}) {
        t.state.printJob.title = defaultReportTitle(kind);
        EXPECT_EQ(reportExportTable(kind, t.state).title,
            defaultReportTitle(kind) + QStringLiteral(" - Season 2002"));
    }

    // A team without files in the archive opens empty; nothing is made for it.
    chooseTeam(t.state, 7);
    EXPECT_EQ(t.state.files.recordCount(FileGames), 0);
    EXPECT_EQ(copyDataFiles(t.state, t.backup, archive, {}, nullptr), -1);
    EXPECT_EQ(t.reporter.errors.size(), 2u);
    EXPECT_EQ(topFiles(archive), before);

    // The settings always name the current season's folder.
    ASSERT_TRUE(Settings::save(t.state));
    const auto settings = SettingsRecord::decode(
        readWholeFile(t.state.settings.settingsFolder + QStringLiteral("QMKV.INI")));
    EXPECT_EQ(settings.dataPathText.trimmed(), home);

    returnToCurrentSeason(t.state);
    EXPECT_EQ(t.state.settings.dataFolder, home);
    EXPECT_EQ(viewedSeasonName(t.state), QString());
    chooseTeam(t.state, 1);
    EXPECT_NE(saveGame(t.state.files, GameEdit::Add, 0,
                  GameRecord::decode(GameBytes{.number = 1}.bytes())),
        0);
    EXPECT_EQ(t.reporter.errors.size(), 2u);
}

// The checksum kept in a season record, worked out by hand (FNV-1a lanes, see the archive's
// record) for a short file and one past a whole 32-byte chunk, and the same however the bytes
// arrive, as they do when a file is checked while it is read in blocks.
TEST(SeasonChecksum, IsTheRecordedSumHoweverTheBytesArrive)
{
    EXPECT_EQ(seasonChecksum("abc", 3), 0x1decbd78cae064c8ULL);
    QByteArray forty;
    for (int b = 0; b < 40; ++b)
        forty += static_cast<char>(b);
    EXPECT_EQ(seasonChecksum(forty.constData(), forty.size()), 0x7116eb9be63454b3ULL);
    for (const qint64 piece : {1, 5, 31, 32, 33}) {
        ContentChecksum sum;
        for (qint64 at = 0; at < forty.size(); at += piece)
            sum.add(forty.constData() + at, std::min<qint64>(piece, forty.size() - at));
        EXPECT_EQ(sum.value(), 0x7116eb9be63454b3ULL) << piece;
    }
}
