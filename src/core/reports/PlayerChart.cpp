#include "core/reports/PlayerChart.h"

#include "core/reports/CategoryValues.h"
#include "core/store/PlayerStatRecord.h"
#include "core/text/Blanks.h"

#include <algorithm>

namespace scorvane {

QList<ChartCategory> chartCategories(
    const QList<int>& columns, const UserStatCodeTable& userStatCodes)
{
    QList<ChartCategory> categories;
    for (int code : columns) {
        if (!isShownCategory(code))
            continue;
        const int k = reportCategoryAt(code).enteredIndex;
        if (k < 0)
            continue;
        const bool known = std::any_of(categories.cbegin(), categories.cend(),
            [code](const ChartCategory& c) { return c.code == code; });
        if (known)
            continue;
        // A user-named statistic is called by the code the user gave it.
        QString name = k >= UserStatisticFirst
            ? trimBlanks(userStatCodes[k - UserStatisticFirst + 1])
            : statisticLongName(k);
        if (name.isEmpty())
            name = statisticLongName(k) + u' ' + QString::number(k - UserStatisticFirst + 1);
        categories.append({code, name});
    }
    return categories;
}

GameChartData individualPlayerChart(const std::vector<GameRecord>& games,
    const PlayerStatsTable& individualRows, int playerNumber, const ChartCategory& category)
{
    // Each row holds the figures of one counted record, so they are records again; the chart
    // then counts exactly the games and records the report shows.
    std::vector<PlayerStatRecord> counted;
    QString playerName;
    for (int position = 2; position <= individualRows.rowCount(); ++position) {
        const int rowNumber = individualRows.rowAt(position);
        if (rowNumber == 0)
            continue;
        const PlayerStatsRow& row = individualRows.row(rowNumber);
        playerName = row.name;
        PlayerStatRecord record;
        record.gameNumber = static_cast<qint16>(row.game);
        record.playerNumber = static_cast<qint16>(playerNumber);
        record.statStatus = 'A';
        for (std::size_t k = 0; k < record.statValues.size(); ++k)
            record.statValues[k] = static_cast<qint16>(row.totals[k]);
        counted.push_back(record);
    }
    return playerStatisticChart(games, counted, playerNumber, playerName,
        reportCategoryAt(category.code).enteredIndex, category.name);
}

} // namespace scorvane
