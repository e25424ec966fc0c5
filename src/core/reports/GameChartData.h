#pragma once

#include "core/store/GameRecord.h"
#include "core/store/PlayerStatRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace scorvane {

// Figures game by game, ready to be drawn: one label per game ("3\n09/19/26") and one or more
// named lines of values.
struct GameChartData
{
    struct Line
    {
        QString name;
        QList<double> values; // one per game
    };

    QString title;
    QString valueAxisTitle;
    QStringList gameLabels; // the game's number and date, one per game
    QList<Line> lines;
    QStringList notes; // per game: the running record after it, for the team chart
};

// The team's goals for and against in each active game, in playing order, with the running
// won-lost-tied record after each game.
GameChartData teamGoalsChart(const std::vector<GameRecord>& games, const QString& teamName);

// One player's value of entered statistic `statistic` (0-28) in each active game the player has
// counted figures for, in playing order. `statisticName` names the line.
GameChartData playerStatisticChart(const std::vector<GameRecord>& games,
    const std::vector<PlayerStatRecord>& results, int playerNumber, const QString& playerName,
    int statistic, const QString& statisticName);

} // namespace scorvane
