#include "Shots.h"

#include "core/reports/GameChartData.h"
#include "core/store/GameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/teams/SampleLeague.h"
#include "gui/reports/ChartWindow.h"

namespace scorvane::shots {

namespace {

template <typename Record> std::vector<Record> records(const QByteArray& bytes)
{
    std::vector<Record> out;
    for (qsizetype at = 0; at + Record::Length <= bytes.size(); at += Record::Length)
        out.push_back(Record::decode(bytes.mid(at, Record::Length)));
    return out;
}

} // namespace

void shotsCharts(ShotContext& context)
{
    // The sample league's first team: a full season to draw.
    const auto files = SampleLeague::files();
    const auto games = records<GameRecord>(files.value(QStringLiteral("KVGS1.DAT")));
    const auto results = records<PlayerStatRecord>(files.value(QStringLiteral("KVPS1.DAT")));

    ChartWindow team(context.prompter, teamGoalsChart(games, QStringLiteral("Riverside Rovers")),
        ChartWindow::Style::Bars, &context.mdi);
    team.resize(1000, 560);
    team.show();
    context.save(&team, QStringLiteral("chart-team-goals"));
    team.close();

    ChartWindow player(context.prompter,
        playerStatisticChart(
            games, results, 1, QStringLiteral("Keeper"), 20, QStringLiteral("Saves")),
        ChartWindow::Style::Line, &context.mdi);
    player.resize(1000, 560);
    player.show();
    context.save(&player, QStringLiteral("chart-player-saves"));
    player.close();
}

} // namespace scorvane::shots
