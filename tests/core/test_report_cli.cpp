// The command-line report tool: argument checks, exit codes, and the roster it prints.
#include "TestSupport.h"

#include "output/ReportRequest.h"
#include "output/ReportTool.h"
#include "store/TeamList.h"

#include <QDir>
#include <QDirIterator>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

struct Captured
{
    int code = 0;
    QByteArray out;
    QByteArray err;
};

QByteArray ReadBack(std::FILE* stream)
{
    std::fflush(stream);
    std::rewind(stream);
    QByteArray bytes;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, stream)) > 0)
        bytes.append(buffer, static_cast<qsizetype>(n));
    return bytes;
}

Captured RunTool(const QStringList& arguments)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), &std::fclose);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), &std::fclose);
    Captured c;
    c.code = RunReportCommand(arguments, out.get(), err.get());
    c.out = ReadBack(out.get());
    c.err = ReadBack(err.get());
    return c;
}

// A data folder with team 3 named and two players on its roster.
struct DataFolder
{
    TempState t;
    QString path;
    DataFolder()
    {
        path = t.state.DataPath;
        CheckAndLoadTeamList(t.state.Files, t.state.TeamNames, t.state.TeamShortNames);
        WriteTeamNames(t.state.Files, 3, QStringLiteral("Harbor FC"), QStringLiteral("Harbor"));
        t.state.Files.CloseDataFile(AllFiles);
        const QByteArray blanks(182, ' ');
        WriteWholeFile(path + QStringLiteral("KVPN3.DAT"),
            le16(4) + pad("Mia Soto", 17) + blanks + le16(11) + pad("Eli Park", 17) + blanks);
        const QByteArray spare(20, ' ');
        WriteWholeFile(path + QStringLiteral("KVPI3.DAT"),
            le16(11) + pad("555-0111", 20) + pad("", 80) + pad("Salem", 20) + spare + pad("OR", 5)
                + spare + pad("97301", 10) + spare + pad("", 70) + QByteArray(233, ' '));
    }
    QStringList listing() const
    {
        QStringList names;
        QDirIterator it(path, QDir::Files);
        while (it.hasNext()) {
            it.next();
            names << it.fileName() + QString::number(it.fileInfo().size())
                    + it.fileInfo().lastModified().toString(Qt::ISODateWithMs);
        }
        names.sort();
        return names;
    }
};

const QByteArray ExpectedRoster = "\r\nRoster\r\n\r\nHarbor FC\r\n\r\n4 - Mia Soto\r\n\r\n"
                                  "11 - Eli Park\r\n555-0111\r\nSalem, OR 97301\r\n\r\n\r\n\f\r\n";

} // namespace

TEST(ReportArguments, BadArgumentsGiveExitTwoWithOneLine)
{
    const QStringList d = {QStringLiteral("--data"), QStringLiteral("/tmp")};
    const auto withData = [&d](const QStringList& a) { return a + d; };
    const QList<QStringList> bad = {
        {},
        withData({QStringLiteral("teams")}),
        {QStringLiteral("roster")},
        withData({QStringLiteral("roster"), QStringLiteral("--colour")}),
        withData({QStringLiteral("roster"), QStringLiteral("--teams"), QStringLiteral("0")}),
        withData({QStringLiteral("roster"), QStringLiteral("--teams"), QStringLiteral("101")}),
        withData({QStringLiteral("roster"), QStringLiteral("--teams"), QStringLiteral("1,2")}),
        withData({QStringLiteral("players"), QStringLiteral("--teams"), QStringLiteral("1,x")}),
        withData({QStringLiteral("standings"), QStringLiteral("--teams"), QStringLiteral("2,2")}),
        withData({QStringLiteral("roster"), QStringLiteral("--copies"), QStringLiteral("two")}),
        withData({QStringLiteral("roster"), QStringLiteral("--copies"), QStringLiteral("51")}),
        withData(
            {QStringLiteral("roster"), QStringLiteral("--lines-per-page"), QStringLiteral("20")}),
        withData({QStringLiteral("players"), QStringLiteral("--types"), QStringLiteral("8")}),
        withData({QStringLiteral("players"), QStringLiteral("--columns"), QStringLiteral("38")}),
        withData({QStringLiteral("players"), QStringLiteral("--order"), QStringLiteral("X")}),
        {QStringLiteral("roster"), QStringLiteral("--data")},
    };
    for (const QStringList& arguments : bad) {
        const Captured c = RunTool(arguments);
        EXPECT_EQ(c.code, 2) << arguments.join(u' ').toStdString();
        EXPECT_EQ(c.err.count('\n'), 1) << c.err.toStdString();
        EXPECT_TRUE(c.out.isEmpty());
    }
    const Captured zero = RunTool({QStringLiteral("scores"), QStringLiteral("--from"),
        QStringLiteral("0"), QStringLiteral("--data"), QStringLiteral("/tmp")});
    EXPECT_EQ(zero.code, 2);
    EXPECT_TRUE(zero.err.contains("Must be 1 to 999"));
}

TEST(ReportArguments, SelectionOptionsReachTheRequest)
{
    const ParsedRequest p = ParseReportArguments(
        {QStringLiteral("players"), QStringLiteral("--data"), QStringLiteral("d"),
            QStringLiteral("--teams"), QStringLiteral("4,1,7"), QStringLiteral("--from"),
            QStringLiteral("30"), QStringLiteral("--to"), QStringLiteral("5"),
            QStringLiteral("--types"), QStringLiteral("2,5"), QStringLiteral("--player-name"),
            QStringLiteral("  Mia SOTO"), QStringLiteral("--minimum-sog"), QStringLiteral("3")});
    ASSERT_TRUE(p.error.isEmpty()) << p.error.toStdString();
    EXPECT_EQ(p.request.fromGame, 5); // swapped
    EXPECT_EQ(p.request.toGame, 30);
    TempState t;
    ApplyReportRequest(p.request, t.state);
    EXPECT_EQ(t.state.SelectPlayerName, QStringLiteral("mia soto         "));
    EXPECT_FALSE(t.state.AllGameTypes);
    EXPECT_TRUE(t.state.GameTypeOn[2] && t.state.GameTypeOn[5] && !t.state.GameTypeOn[1]);
    EXPECT_EQ(t.state.MinimumKind, QStringLiteral("O"));
    EXPECT_EQ(t.state.ReportTitle, QStringLiteral("Player Statistics"));
    EXPECT_EQ(t.state.ReportKind, QStringLiteral("P"));
}

TEST(ReportTool, HelpAndKindsNotYetAvailable)
{
    const Captured help = RunTool({QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains("scorvane-report KIND --data DIR"));
    EXPECT_TRUE(help.out.contains("--lines-per-page"));

    DataFolder data;
    const Captured standings = RunTool({QStringLiteral("standings"), QStringLiteral("--data"),
        data.path, QStringLiteral("--teams"), QStringLiteral("1,3")});
    EXPECT_EQ(standings.code, 1);
    EXPECT_EQ(
        standings.err, QByteArray("scorvane-report: report kind standings is not available yet\n"));
}

TEST(ReportTool, PrintsTheRosterWithoutTouchingTheDataFolder)
{
    DataFolder data;
    const QStringList before = data.listing();
    const Captured c = RunTool({QStringLiteral("roster"), QStringLiteral("--data"), data.path,
        QStringLiteral("--teams"), QStringLiteral("3")});
    EXPECT_EQ(c.code, 0) << c.err.toStdString();
    EXPECT_EQ(c.out, ExpectedRoster);
    EXPECT_EQ(data.listing(), before);

    // To a file, appended, with the title and copies asked for.
    const QString file = data.t.dir.path() + QStringLiteral("/out.txt");
    WriteWholeFile(file, "before\r\n");
    const Captured f = RunTool({QStringLiteral("roster"), QStringLiteral("--data"), data.path,
        QStringLiteral("--teams"), QStringLiteral("3"), QStringLiteral("-o"), file,
        QStringLiteral("--append"), QStringLiteral("--title"), QStringLiteral("Contacts"),
        QStringLiteral("--copies"), QStringLiteral("2")});
    EXPECT_EQ(f.code, 0) << f.err.toStdString();
    QByteArray copy = ExpectedRoster;
    copy.replace("Roster", "Contacts");
    EXPECT_EQ(ReadWholeFile(file), "before\r\n" + copy + copy);
    EXPECT_TRUE(f.out.isEmpty());
}

TEST(ReportTool, UnreadableDataAndUnwritableOutputGiveExitOne)
{
    const Captured missing = RunTool(
        {QStringLiteral("roster"), QStringLiteral("--data"), QStringLiteral("/no/such/folder")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains("/no/such/folder"));

    TempState empty;
    const Captured noTeams
        = RunTool({QStringLiteral("roster"), QStringLiteral("--data"), empty.state.DataPath});
    EXPECT_EQ(noTeams.code, 1);
    EXPECT_TRUE(noTeams.err.contains("KVTEAMS.DAT"));

    DataFolder data;
    const Captured badOut = RunTool(
        {QStringLiteral("roster"), QStringLiteral("--data"), data.path, QStringLiteral("--teams"),
            QStringLiteral("3"), QStringLiteral("-o"), data.path + QStringLiteral("none/x.txt")});
    EXPECT_EQ(badOut.code, 1);
    EXPECT_TRUE(badOut.err.contains("none/x.txt"));

    const Captured badSettings = RunTool({QStringLiteral("roster"), QStringLiteral("--data"),
        data.path, QStringLiteral("--settings"), data.path + QStringLiteral("KVPN3.DAT")});
    EXPECT_EQ(badSettings.code, 1);
    EXPECT_TRUE(badSettings.err.contains("669"));
}
