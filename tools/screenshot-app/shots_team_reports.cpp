#include "Shots.h"

#include "core/output/ReportPrinting.h"
#include "core/output/TableExport.h"
#include "core/reports/LeagueRulesFile.h"
#include "core/reports/PlayerStatsReport.h"
#include "core/store/TeamList.h"
#include "core/teams/SampleLeague.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

namespace scorvane::shots {

namespace {

// Points the program at `folder` and reads its team list, as choosing a data folder does.
void useDataFolder(ShotContext& context, const QString& folder)
{
    AppState& state = context.state;
    context.mdi.closeChildWindows();
    state.files.closeDataFile(AllFiles);
    state.settings.dataFolder = folder;
    checkAndLoadTeamList(state.files, state.teamChoice.names, state.teamChoice.shortNames);
}

} // namespace

void shotsTeamReports(ShotContext& context)
{
    // The sample league: four teams of twenty games each, enough to fill the grids.
    QTemporaryDir league;
    QString error;
    if (!SampleLeague::write(league.path(), &error)) {
        QTextStream(stderr) << "  skipped the team reports: " << error << '\n';
        return;
    }
    const QString ownFolder = context.state.settings.dataFolder;
    useDataFolder(context, league.path() + u'/');

    if (ChildWindow* record = context.openReport("mnuRecord", {1})) {
        context.saveMain(QStringLiteral("team-record"));
        // A season of goals, as the record's Chart button draws it.
        context.saveNextModal(QStringLiteral("chart-team-goals"), QSize(1000, 560));
        record->findChild<QPushButton*>(QStringLiteral("cmdChart"))->click();
    }

    if (ChildWindow* scores = context.openReport("mnuGames", {1})) {
        context.saveMain(QStringLiteral("game-scores-long"));
        scores->findChild<QPushButton*>(QStringLiteral("cmdShort"))->click();
        context.saveMain(QStringLiteral("game-scores-short"));
    }

    context.openReport("mnuStandings", {1, 2, 3, 4});
    context.saveMain(QStringLiteral("standings"));

    // The league table with a deduction noted under it, and the rules dialog over it.
    LeagueRules rules;
    rules.deductions.push_back(
        PointsDeduction{3, 2, QStringLiteral("fielded an ineligible player")});
    const QString rulesPath = leagueRulesPath(context.state.settings.settingsFolder);
    writeLeagueRules(rulesPath, rules);
    if (ChildWindow* table = context.openReport("mnuLeagueTable", {1, 2, 3, 4})) {
        context.saveMain(QStringLiteral("league-table"));
        context.saveNextModal(QStringLiteral("league-rules"));
        table->findChild<QPushButton*>(QStringLiteral("cmdRules"))->click();
    }
    QFile::remove(rulesPath);

    // The first team's player statistics as the HTML page Print writes with the print dialog's
    // title, for a browser to picture.
    context.openReport("mnuPlayer", {1});
    const QString keptTitle = context.state.printJob.title;
    context.state.printJob.title = defaultReportTitle(ReportKind::PlayerStatistics);
    const QString page
        = QDir(context.outDir).filePath(QStringLiteral("html/player-statistics.html"));
    QDir().mkpath(QFileInfo(page).path());
    const QString failed
        = writeExportFile(page, playerStatisticsTable(context.state), ExportFormat::Html);
    if (failed.isEmpty())
        QTextStream(stdout) << "  wrote " << page << '\n';
    else
        QTextStream(stderr) << "  could not write " << page << ": " << failed << '\n';
    context.state.printJob.title = keptTitle;

    useDataFolder(context, ownFolder);
    for (int slot = 2; slot <= 100; ++slot)
        context.state.teamChoice.selected[slot] = false;
}

} // namespace scorvane::shots
