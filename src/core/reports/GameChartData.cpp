#include "core/reports/GameChartData.h"

#include "core/text/Formatting.h"

#include <map>

namespace scorvane {

namespace {

QString gameLabel(const GameRecord& game)
{
    return QString::number(game.gameNumber) + u'\n' + dateWithSlashes(game.gameDate);
}

} // namespace

GameChartData teamGoalsChart(const std::vector<GameRecord>& games, const QString& teamName)
{
    GameChartData chart;
    chart.title = teamName.trimmed() + QStringLiteral(" - Goals by Game");
    chart.valueAxisTitle = QStringLiteral("Goals");
    GameChartData::Line goalsFor{QStringLiteral("Goals For"), {}};
    GameChartData::Line goalsAgainst{QStringLiteral("Goals Against"), {}};
    int won = 0;
    int lost = 0;
    int tied = 0;
    for (const GameRecord& game : games) {
        if (game.gameStatus != 'A')
            continue;
        chart.gameLabels << gameLabel(game);
        goalsFor.values << game.goalsFor;
        goalsAgainst.values << game.goalsAgainst;
        if (game.goalsFor > game.goalsAgainst)
            ++won;
        else if (game.goalsFor < game.goalsAgainst)
            ++lost;
        else
            ++tied;
        chart.notes << QStringLiteral("%1-%2-%3").arg(won).arg(lost).arg(tied);
    }
    chart.lines = {goalsFor, goalsAgainst};
    return chart;
}

GameChartData playerStatisticChart(const std::vector<GameRecord>& games,
    const std::vector<PlayerStatRecord>& results, int playerNumber, const QString& playerName,
    int statistic, const QString& statisticName)
{
    std::map<int, double> valueOfGame;
    for (const PlayerStatRecord& r : results) {
        if (r.playerNumber == playerNumber && r.statStatus == 'A')
            valueOfGame[r.gameNumber] += r.statValues.at(static_cast<std::size_t>(statistic));
    }
    GameChartData chart;
    chart.title = playerName.trimmed() + QStringLiteral(" - ") + statisticName.trimmed()
        + QStringLiteral(" by Game");
    chart.valueAxisTitle = statisticName.trimmed();
    GameChartData::Line line{statisticName.trimmed(), {}};
    for (const GameRecord& game : games) {
        const auto found = valueOfGame.find(game.gameNumber);
        if (game.gameStatus != 'A' || found == valueOfGame.end())
            continue;
        chart.gameLabels << gameLabel(game);
        line.values << found->second;
    }
    chart.lines = {line};
    return chart;
}

} // namespace scorvane
