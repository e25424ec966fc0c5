// Record access beyond 16 bits, the team list check, the error reporter's cases and the settings
// file. The file names are read and written by every test that builds a data folder by hand.
#include "TestSupport.h"

#include "core/state/Settings.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/SettingsRecord.h"
#include "core/store/TeamList.h"
#include "core/store/TeamRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <tuple>

using namespace scorvane;
using namespace scorvane::testing;

TEST(DataFiles, RecordsAreWrittenAndReadByNumberBeyondSixteenBits)
{
    TempState t;
    DataFiles& f = t.state.files;
    f.openDataFile(FileStats);
    PlayerStatRecord s;
    s.gameNumber = 9;
    f.put(FileStats, 40000, s);
    EXPECT_EQ(f.recordCount(FileStats), 40000);
    EXPECT_EQ(f.get<PlayerStatRecord>(FileStats, 40000).gameNumber, 9);
    f.closeDataFile(FileStats);
    EXPECT_EQ(QFileInfo(f.fileName(FileStats)).size(), 40000 * 115);
}

// A list of the wrong length is copied aside (its names may still be read by hand), then reset.
TEST(TeamList, WrongLengthIsKeptAsideAndRebuiltWithDefaultNames)
{
    for (int length : {0, 3999, 4040, -1}) {
        TempState t;
        const QString path = t.state.settings.dataFolder + QStringLiteral("KVTEAMS.DAT");
        if (length >= 0)
            writeWholeFile(path, QByteArray(length, 'z'));
        const TeamListCheck check = checkAndLoadTeamList(
            t.state.files, t.state.teamChoice.names, t.state.teamChoice.shortNames);
        EXPECT_EQ(check.rebuilt, length > 0) << length;
        if (length > 0) {
            EXPECT_TRUE(check.keptAs.startsWith(path + u'.'));
            EXPECT_EQ(readWholeFile(check.keptAs), QByteArray(length, 'z'));
        }
        const QByteArray bytes = readWholeFile(path);
        ASSERT_EQ(bytes.size(), 4000) << length;
        EXPECT_EQ(bytes.left(40), pad("Team 1", 25) + pad("Team 1", 10) + QByteArray(5, ' '));
        EXPECT_EQ(
            bytes.mid(99 * 40, 40), pad("Team 100", 25) + pad("Team 100", 10) + QByteArray(5, ' '));
        EXPECT_EQ(t.state.teamChoice.names[100].trimmed(), QStringLiteral("Team 100"));
    }
}

TEST(ErrorReporter, ThreeCasesWithTheirTexts)
{
    const auto shown = [](int code) {
        const auto m = FileErrorMessage::describe(FileError::fromErrno(code, QStringLiteral("/x")));
        return std::tuple(m.title.toStdString(), m.text.toStdString(), m.offersRetry);
    };
    EXPECT_EQ(shown(EROFS), std::tuple("Disk Error", "Disk write-protected", false));
    const auto io = shown(EIO);
    EXPECT_TRUE(std::get<0>(io) == "Error" && std::get<2>(io));
    EXPECT_EQ(shown(ENOENT),
        std::tuple("Error", "Unrecoverable Error - No such file or directory", false));
}

TEST(ErrorReporter, FailedOpenEndsTheProgramThroughTheReporter)
{
    TempState t;
    t.state.settings.dataFolder = t.dir.path() + QStringLiteral("/missing/");
    EXPECT_THROW(t.state.files.openDataFile(FileTeamList), ProgramEnded);
    ASSERT_EQ(t.reporter.errors.size(), 1u);
    EXPECT_EQ(t.reporter.errors[0].code, FileError::Other);
    EXPECT_FALSE(t.state.files.isOpen(FileTeamList));
}

TEST(ErrorReporter, RetryRepeatsTheOperation)
{
    TempState t;
    t.state.settings.dataFolder = t.dir.path() + QStringLiteral("/late/");
    struct MakeFolderOnRetry : RecordingReporter
    {
        QString folder;
        Choice reportFileError(const FileError& e) override
        {
            errors.push_back(e);
            QDir().mkpath(folder);
            return Choice::Retry;
        }
    } reporter;
    reporter.folder = t.state.settings.dataFolder;
    DataFiles files(t.state.settings, t.state.teamChoice.currentSlot, reporter);
    files.openDataFile(FileTeamList);
    EXPECT_TRUE(files.isOpen(FileTeamList));
    EXPECT_EQ(reporter.errors.size(), 1u);
}

// The settings record's layout, field by field. Sort order "D" is descending and any other byte
// ascending; any non-zero flag is bold. Both are written back in the file's own codes: "D"/"A"
// and -1/0.
TEST(Settings, LoadTrimsPathsAndSaveBlanksReservedAndWritesTheFileCodes)
{
    TempState t;
    QByteArray bytes(669, '#');
    auto put = [&](int offset, const QByteArray& b) { bytes.replace(offset, b.size(), b); };
    put(2, pad("  /srv/reports", 145));
    put(147, pad(" /srv/data/ ", 145));
    for (int type = 0; type < 7; ++type)
        put(292 + 10 * type, pad(QByteArray("Type").append(char('1' + type)).constData(), 10));
    put(362, "ABCDEFGHIJKLMNO");
    for (int c = 0; c < 50; ++c)
        put(446 + 2 * c, le16(c + 1));
    put(566, le16(7) + "x" + le16(55) + le16(14) + le16(1) + le16(10) + le16(0));
    const QString ini = t.state.settings.settingsFolder + QStringLiteral("QMKV.INI");
    writeWholeFile(ini, bytes);
    ASSERT_EQ(Settings::load(t.state), Settings::LoadResult::Loaded);
    const ProgramSettings& s = t.state.settings;
    EXPECT_EQ(s.dataFolder, QStringLiteral("/srv/data/"));
    EXPECT_EQ(s.reportFolder, QStringLiteral("/srv/reports/"));
    EXPECT_EQ(s.categoryCodes[33], QStringLiteral("ABC"));
    EXPECT_EQ(s.categoryCodes[37], QStringLiteral("MNO"));
    EXPECT_EQ(s.gameTypeNames[7], QStringLiteral("Type7     "));
    EXPECT_EQ(
        std::tuple(s.reportColumns[1], s.reportColumns[50], s.sortColumn), std::tuple(1, 50, 7));
    EXPECT_EQ(std::tuple(s.linesPerPage, s.sortOrder, s.titleBold, s.reportBold),
        std::tuple(55, SortOrder::Ascending, true, false));

    t.state.settings.linesPerPage = 66;
    Settings::save(t.state);
    const QByteArray saved = readWholeFile(ini);
    ASSERT_EQ(saved.size(), 669);
    EXPECT_EQ(saved.left(2), le16(200));
    EXPECT_EQ(saved.mid(147, 145), pad("/srv/data/", 145));
    // The type names and codes, then the columns, as read.
    EXPECT_EQ(saved.mid(292, 85) + saved.mid(446, 100), bytes.mid(292, 85) + bytes.mid(446, 100));
    EXPECT_EQ(saved.mid(377, 69), QByteArray(69, ' '));
    EXPECT_EQ(saved.mid(546, 20), QByteArray(20, ' '));
    EXPECT_EQ(
        saved.mid(566, 13), le16(7) + "A" + le16(66) + le16(14) + le16(-1) + le16(10) + le16(0));
    EXPECT_EQ(saved.mid(579, 9), QByteArray(9, '#')); // kept as read
    EXPECT_EQ(saved.mid(588, 81), QByteArray(81, ' '));
}
