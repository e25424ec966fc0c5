#include "core/reports/StatsSort.h"

#include "core/entry/Categories.h"
#include "core/reports/CategoryValues.h"
#include "core/reports/PlayerStatsTable.h"
#include "core/text/Formatting.h"

#include <utility>
#include <vector>

namespace scorvane {

void sortPlayerRows(PlayerStatsTable& table, int sortColumn, SortOrder order)
{
    const int rows = table.rowCount();
    // Keys by position; index 0 and 1 unused so that positions read as the report numbers them.
    std::vector<float> primary(static_cast<std::size_t>(rows) + 1, 0.0F);
    std::vector<float> secondary(primary.size(), 0.0F);
    for (int p = 2; p <= rows; ++p) {
        const PlayerStatsRow& row = table.row(table.rowAt(p));
        const auto at = static_cast<std::size_t>(p);
        if (isShownCategory(sortColumn))
            primary[at] = sortValue(row, sortColumn);
        secondary[at] = sortColumn == 1 ? static_cast<float>(row.totals[StatPP])
                                        : static_cast<float>(row.games);
    }
    const bool descending = order == SortOrder::Descending;
    const auto outOfOrder = [&](std::size_t i, std::size_t j) {
        if (primary[i] == primary[j])
            return secondary[i] < secondary[j];
        return descending ? primary[i] < primary[j] : primary[i] > primary[j];
    };
    for (int gap = (rows - 1) / 2; gap >= 1; gap /= 2) {
        int limit = rows - gap;
        bool exchanged = true;
        while (exchanged) {
            exchanged = false;
            int lastExchange = 0;
            for (int i = 2; i <= limit; ++i) {
                const auto a = static_cast<std::size_t>(i);
                const auto b = static_cast<std::size_t>(i + gap);
                if (outOfOrder(a, b)) {
                    std::swap(primary[a], primary[b]);
                    std::swap(secondary[a], secondary[b]);
                    std::swap(table.displayOrder[a - 1], table.displayOrder[b - 1]);
                    lastExchange = i;
                    exchanged = true;
                }
            }
            limit = lastExchange - gap;
        }
    }
    table.sortedOrder = table.displayOrder;
}

MinimumSplit splitByMinimum(PlayerStatsTable& table, MinimumKind kind, int value)
{
    MinimumSplit split;
    if (value < 1)
        return split;
    const bool games = kind == MinimumKind::GamesPlayed;
    const QString n = numberText(value);
    const QString unit = games ? QStringLiteral(" Games") : QStringLiteral(" SOG");
    split.marker = QStringLiteral("* ") + n + unit + QStringLiteral(" *");
    split.line = QStringLiteral("Less than") + n + unit;

    std::vector<int> meeting;
    std::vector<int> below;
    for (int p = 2; p <= table.rowCount(); ++p) {
        const int rowNumber = table.sortedOrder.at(static_cast<std::size_t>(p - 1));
        const PlayerStatsRow& row = table.row(rowNumber);
        const qint64 key = games ? row.games : row.totals[StatSOG];
        (key >= value ? meeting : below).push_back(rowNumber);
    }
    split.position = 2 + static_cast<int>(meeting.size());
    std::size_t at = 1;
    for (const auto* group : {&meeting, &below}) {
        for (int rowNumber : *group)
            table.displayOrder[at++] = rowNumber;
    }
    return split;
}

} // namespace scorvane
