// The league table from the command line: the rules file given, the one beside the settings, and
// every bad rules file refused with its reason before anything is written.
#include "CliSupport.h"

#include "core/reports/LeagueRulesFile.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

TEST(LeagueTableTool, RulesFileShapesTheTableAndStandardOutputMatchesTheFile)
{
    const SampleFolder league;
    const QStringList before = folderListing(league.data);
    LeagueRules rules = leaguePresets()[1];
    rules.deductions.push_back(PointsDeduction{2, 4, QStringLiteral("unpaid fees")});
    const QString rulesPath = league.dir.filePath(QStringLiteral("rules.ini"));
    writeWholeFile(rulesPath, encodeLeagueRules(rules));
    const QString out = league.dir.filePath(QStringLiteral("table.txt"));

    const ToolRun printed = league.run("table --teams 1,2,3,4 --rules %1", {rulesPath});
    ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
    const ToolRun written = league.run("table --teams 1,2,3,4 --rules %1 -o %2", {rulesPath, out});
    ASSERT_EQ(written.code, 0) << written.err.toStdString();
    EXPECT_EQ(readWholeFile(out), printed.out);
    EXPECT_TRUE(printed.out.startsWith("\r\nLeague Table\r\n\r\nPos Team"));
    EXPECT_TRUE(printed.out.contains("Rules: Head-to-head first: 3 for a win"));
    EXPECT_TRUE(printed.out.contains(": 4 points deducted (unpaid fees)."));
    EXPECT_EQ(printed.out.count("\r\n"), 5 + 4 + 1 + 4 + 2); // heading, teams, notes, h2h, FF

    // Without --rules the default rules rank the same teams.
    const ToolRun standard = league.run("table --teams 1,2,3,4");
    ASSERT_EQ(standard.code, 0) << standard.err.toStdString();
    EXPECT_TRUE(standard.out.contains("Rules: Points, goal difference:"));
    EXPECT_FALSE(standard.out.contains("deducted"));
    EXPECT_EQ(folderListing(league.data), before);
}

TEST(LeagueTableTool, TheRulesBesideTheSettingsFileAreTheUsersRules)
{
    const SampleFolder league;
    LeagueRules rules = leaguePresets()[2];
    writeWholeFile(
        league.dir.filePath(QStringLiteral("settings/KVLEAGUE.INI")), encodeLeagueRules(rules));
    const ToolRun run = league.run("table --teams 1,2 --format csv");
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList rows = csvLines(run.out);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], QStringLiteral("Row|Pos|Team|P|W|T|L|GF|GA|GD|Pts|Decided by"));
    const ToolRun html = league.run("table --teams 1,2 --format html");
    EXPECT_TRUE(html.out.contains("Youth: capped goal difference")) << html.out.toStdString();
}

TEST(LeagueTableTool, BadRulesFilesEndTheRunWithTheReason)
{
    const SampleFolder league;
    const QString path = league.dir.filePath(QStringLiteral("rules.ini"));
    const QString out = league.dir.filePath(QStringLiteral("never.txt"));
    const struct
    {
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"scorvane league rules 1\nname N\nend\n", "Choose at least one rule"},
        {"scorvane league rules 1\nname N\nwin -3\nrule points\nend\n", "cannot be negative"},
        {"scorvane league rules 1\nname N\nrule luck\nend\n", "unknown rule \"luck\""},
        {"scorvane league rules 1\nname N\nrule points\n", "damaged"},
        {"scorvane league rules 9\n", "newer version"},
    };
    for (const auto& c : cases) {
        writeWholeFile(path, c.bytes);
        const ToolRun run = league.run("table --teams 1,2 --rules %1 -o %2", {path, out});
        EXPECT_EQ(run.code, 1) << c.reason;
        EXPECT_TRUE(run.err.contains(c.reason)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(path.toUtf8())) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << c.reason;
    }
    const ToolRun missing = league.run("table --teams 1,2 --rules /no/such/rules.ini");
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains("/no/such/rules.ini"));
    const ToolRun otherKind = league.run("standings --teams 1,2 --rules %1", {path});
    EXPECT_EQ(otherKind.code, 2);
    EXPECT_TRUE(otherKind.err.contains("--rules works only with table"));
}
