// Every report over the sample league has something in it, printed and exported alike.
#include "CsvReader.h"
#include "ReportCommand.h"
#include "TestSupport.h"

#include "core/state/DefaultSettings.h"
#include "core/teams/SampleLeague.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

struct ToolRun
{
    int code = 0;
    QByteArray out;
};

ToolRun run(QStringList arguments, const QString& data, const QString& settings)
{
    arguments << QStringLiteral("--data") << data << QStringLiteral("--settings") << settings;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), &std::fclose);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), &std::fclose);
    ToolRun r;
    r.code = runReportCommand(arguments, out.get(), err.get());
    std::fflush(out.get());
    std::rewind(out.get());
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, out.get())) > 0)
        r.out.append(buffer, static_cast<qsizetype>(n));
    return r;
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

    const QList<QStringList> reports = {
        {QStringLiteral("roster")},
        {QStringLiteral("players")},
        {QStringLiteral("players"), QStringLiteral("--teams"), QStringLiteral("1,2,3,4")},
        {QStringLiteral("record")},
        {QStringLiteral("scores")},
        {QStringLiteral("scores"), QStringLiteral("--short")},
        {QStringLiteral("standings"), QStringLiteral("--teams"), QStringLiteral("1,2,3,4")},
    };
    for (int team = 1; team <= SampleLeague::TeamCount; ++team) {
        const QString slot = QString::number(team);
        // The roster names a player for the individual report.
        const CsvRead roster
            = readCsv(run({QStringLiteral("roster"), QStringLiteral("--teams"), slot,
                              QStringLiteral("--format"), QStringLiteral("csv")},
                data, settings)
                          .out);
        ASSERT_GE(roster.records.size(), 12) << team; // the heading and a squad
        const QString player = roster.records[1][1];
        for (QStringList report : reports
                + QList<QStringList>{
                    {QStringLiteral("players"), QStringLiteral("--individual"), player}}) {
            if (!report.contains(QStringLiteral("--teams")))
                report << QStringLiteral("--teams") << slot;
            const std::string name = report.join(u' ').toStdString();
            const ToolRun text = run(report, data, settings);
            EXPECT_EQ(text.code, 0) << name;
            const CsvRead csv = readCsv(
                run(report + QStringList{QStringLiteral("--format"), QStringLiteral("csv")}, data,
                    settings)
                    .out);
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
