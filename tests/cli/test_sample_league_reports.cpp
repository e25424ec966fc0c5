// Every report over the sample league has something in it, printed and exported alike.
#include "CliSupport.h"
#include "CsvReader.h"
#include "TestSupport.h"

#include "core/state/DefaultSettings.h"
#include "core/teams/SampleLeague.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

ToolRun run(const QStringList& arguments, const QString& data, const QString& settings)
{
    return runTool(arguments
        + QStringList{QStringLiteral("--data"), data, QStringLiteral("--settings"), settings});
}

} // namespace

TEST(SampleLeagueReports, EveryReportHasRows)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("league/"));
    const QString settingsFolder = dir.filePath(QStringLiteral("settings/"));
    QString error;
    ASSERT_TRUE(SampleLeague::write(data, &error)) << error.toStdString();
    ASSERT_TRUE(supplyDefaultSettings(settingsFolder, data).isEmpty());
    const QString settings = settingsFolder + QStringLiteral("QMKV.INI");

    const QList<QStringList> reports
        = {args("roster"), args("players"), args("players --teams 1,2,3,4"), args("record"),
            args("scores"), args("scores --short"), args("standings --teams 1,2,3,4")};
    for (int team = 1; team <= SampleLeague::TeamCount; ++team) {
        const QString slot = QString::number(team);
        // The roster names a player for the individual report.
        const CsvRead roster
            = readCsv(run(args("roster --format csv --teams %1", {slot}), data, settings).out);
        ASSERT_GE(roster.records.size(), 12) << team; // the heading and a squad
        const QString player = roster.records[1][1];
        for (QStringList report :
            reports + QList<QStringList>{args("players --individual %1", {player})}) {
            if (!report.contains(QStringLiteral("--teams")))
                report << QStringLiteral("--teams") << slot;
            const std::string name = report.join(u' ').toStdString();
            const ToolRun text = run(report, data, settings);
            EXPECT_EQ(text.code, 0) << name;
            const CsvRead csv = readCsv(run(report + args("--format csv"), data, settings).out);
            EXPECT_TRUE(csv.ok) << name;
            // The heading row and at least one report row that is not the totals.
            ASSERT_GE(csv.records.size(), 2) << name;
            EXPECT_TRUE(csv.records[1][0].isEmpty()) << name;
            // Every row has a cell for every heading, and some figure is not zero.
            bool figures = false;
            for (const QStringList& record : csv.records) {
                EXPECT_EQ(record.size(), csv.records[0].size()) << name;
                for (const QString& cell : record.mid(2))
                    figures = figures || (!cell.isEmpty() && cell != u"0" && cell != u"0.0");
            }
            EXPECT_TRUE(figures) << name;
            // The printed report lists at least as many lines as the table has rows.
            EXPECT_GE(text.out.count("\r\n"), csv.records.size()) << name;
        }
    }
}
