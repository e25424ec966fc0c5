#include "core/reports/PlayerStatsGrid.h"

#include "core/reports/CategoryValues.h"
#include "core/reports/PlayerStatsTable.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

#include <algorithm>

namespace scorvane {

namespace {

constexpr int TeamColumnWidth = 1000;
const QString MarkerDashes = QStringLiteral("----------");

// A statistics column is as wide as its totals text needs: 300 for one character, 50 more for
// each further one, 550 at most.
int widthForTotal(const QString& text)
{
    return 250 + 50 * static_cast<int>(std::clamp<qsizetype>(text.size(), 1, 6));
}

int nameColumnWidth(int maxNameLength)
{
    return maxNameLength >= 11 && maxNameLength <= 17 ? 110 * maxNameLength : 1100;
}

QList<int> shownColumns(const PlayerReportLayout& layout)
{
    QList<int> shown;
    for (int code : layout.columns) {
        if (isShownCategory(code))
            shown << code;
    }
    return shown;
}

QString valueText(const PlayerStatsRow& row, int code)
{
    return isPercentageCategory(code) ? percentageText(percentageValue(row, code))
                                      : numberText(integerValue(row, code));
}

QString totalText(const PlayerStatsRow& row, int code)
{
    return isPercentageCategory(code) ? percentageText(percentageValue(row, code))
                                      : QString::number(integerValue(row, code));
}

QString gameTypeName(const PlayerReportLayout& layout, int type)
{
    return type >= 1 && type <= 7 ? rightTrimBlanks(layout.gameTypeNames[type]) : QString();
}

} // namespace

PlayerStatsGrid playerStatsGrid(const PlayerStatsTable& table, const PlayerReportLayout& layout)
{
    PlayerStatsGrid grid;
    const QList<int> codes = shownColumns(layout);

    // The label columns.
    StatsGridColumn name{QString(), nameColumnWidth(table.maxNameLength), false};
    name.heading = layout.individual
        ? rightTrimBlanks(layout.playerName)
        : QString::number(table.rowCount() - 1) + QStringLiteral(" Player(s)");
    grid.columns.push_back(name);
    if (layout.severalTeams && !layout.individual)
        grid.columns.push_back({QStringLiteral("Team"), TeamColumnWidth, false});
    if (layout.individual)
        grid.columns.push_back({QStringLiteral("Game Type"),
            codes.contains(1) ? TeamColumnWidth + 100 : TeamColumnWidth, false});
    // Career: the seasons a player's figures come from, or the season of each of one player's
    // games.
    const int seasonsColumn = layout.career ? static_cast<int>(grid.columns.size()) : -1;
    if (layout.career)
        grid.columns.push_back(
            {layout.individual ? QStringLiteral("Season") : QStringLiteral("Seasons"),
                layout.individual ? TeamColumnWidth : 800, !layout.individual});
    grid.fixedColumns = static_cast<int>(grid.columns.size());
    for (int code : codes)
        grid.columns.push_back(
            {rightTrimBlanks(categoryForm(code, layout.userStatCodes).heading).trimmed(), 0, true});
    if (codes.isEmpty())
        grid.columns.push_back({QString(), widthForTotal(QString()), true});
    const auto blankRow = [&grid] { return QStringList(static_cast<int>(grid.columns.size())); };

    if (!table.hasPlayerRows()) {
        QStringList row = blankRow();
        row[0] = layout.individual ? QStringLiteral("No Games") : QStringLiteral("No Players");
        grid.rows.push_back(row);
        grid.totalsRow = -1;
        for (StatsGridColumn& column : grid.columns) {
            if (column.figures && column.width == 0)
                column.width = widthForTotal(column.heading);
        }
        return grid;
    }

    QStringList totals = blankRow();
    totals[0] = QStringLiteral("Totals:");
    if (layout.individual)
        totals[1] = QStringLiteral(" ");
    if (seasonsColumn >= 0 && !layout.individual)
        totals[seasonsColumn] = QString::number(table.totals().seasons);
    for (qsizetype c = 0; c < codes.size(); ++c) {
        const auto column = static_cast<std::size_t>(grid.fixedColumns + c);
        totals[static_cast<int>(column)] = totalText(table.totals(), codes[c]);
        grid.columns[column].width
            = std::max(grid.columns[column].width, widthForTotal(totals[static_cast<int>(column)]));
    }
    grid.rows.push_back(totals);

    const int split = layout.minimum.position;
    const int lastPosition = table.rowCount() + (split > 0 ? 1 : 0);
    for (int p = 2; p <= lastPosition; ++p) {
        QStringList cells = blankRow();
        if (p == split) {
            cells[0] = layout.minimum.marker;
            if (layout.severalTeams && !layout.individual)
                cells[1] = QStringLiteral(" ");
            for (qsizetype c = 0; c < codes.size(); ++c)
                cells[grid.fixedColumns + static_cast<int>(c)] = MarkerDashes;
            grid.markerRow = static_cast<int>(grid.rows.size());
            grid.rows.push_back(cells);
            continue;
        }
        const int rowNumber = table.rowAt(split > 0 && p > split ? p - 1 : p);
        if (rowNumber == 0)
            continue;
        const PlayerStatsRow& row = table.row(rowNumber);
        if (layout.individual) {
            cells[0] = QStringLiteral("Game ") + numberText(row.game);
            cells[1] = gameTypeName(layout, row.gameType);
        } else {
            cells[0] = row.name;
            if (layout.severalTeams)
                cells[1] = row.team >= 1 && row.team <= 100
                    ? rightTrimBlanks(layout.teamShortNames[row.team])
                    : QString();
        }
        if (seasonsColumn >= 0)
            cells[seasonsColumn] = layout.individual ? layout.seasonNames.value(row.season)
                                                     : numberText(row.seasons);
        for (qsizetype c = 0; c < codes.size(); ++c)
            cells[grid.fixedColumns + static_cast<int>(c)] = valueText(row, codes[c]);
        grid.rows.push_back(cells);
    }
    return grid;
}

PlayerReportButtons playerReportButtons(bool anythingCounted, bool individual, bool severalTeams)
{
    PlayerReportButtons b;
    if (!anythingCounted) {
        b.player = individual;
        b.team = individual;
        return b;
    }
    b.print = true;
    b.format = true;
    b.sort = !individual;
    b.minimum = !individual;
    b.team = individual;
    b.player = !severalTeams;
    return b;
}

} // namespace scorvane
