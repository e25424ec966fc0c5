#include "core/reports/PlayerStatsExport.h"

#include "core/reports/CategoryValues.h"
#include "core/reports/PlayerStatsTable.h"
#include "core/reports/PrintedPlayerReport.h"
#include "core/text/Blanks.h"

namespace scorvane {

namespace {

QString categoryCell(const PlayerStatsRow& row, int code)
{
    if (isPercentageCategory(code))
        return percentageText(percentageValue(row, code));
    return QString::number(integerValue(row, code));
}

} // namespace

ExportTable playerStatsExportTable(
    const PlayerStatsTable& table, const PlayerReportLayout& layout, const PrintChoices& choices)
{
    ExportTable out;
    out.title = trimBlanks(choices.title);
    if (!layout.severalTeams)
        out.team = trimBlanks(layout.teamName);

    QList<int> codes;
    for (int code : layout.columns) {
        if (isShownCategory(code))
            codes << code;
    }
    // The leading columns that name the row; the figures follow them.
    QStringList leading;
    if (layout.individual)
        leading = {QStringLiteral("Game"), QStringLiteral("Game Type")};
    else if (layout.severalTeams)
        leading = {QStringLiteral("Player"), QStringLiteral("Team")};
    else
        leading = {QStringLiteral("Player")};
    // Career: where the figures come from, as in print (one player's games: each game's season).
    if (layout.career)
        leading << (layout.individual ? QStringLiteral("Season") : QStringLiteral("Seasons"));
    out.headings = leading;
    for (int code : codes)
        out.headings << trimBlanks(categoryForm(code, layout.userStatCodes).heading);
    if (layout.individual)
        out.numericColumns << 0;
    if (layout.career && !layout.individual)
        out.numericColumns << static_cast<int>(leading.size() - 1);
    for (qsizetype c = leading.size(); c < out.headings.size(); ++c) {
        out.numericColumns << static_cast<int>(c);
        if (isPercentageCategory(codes[c - leading.size()]))
            out.percentColumns.insert(static_cast<int>(c), 100);
    }

    const auto cells = [&](const PlayerStatsRow& row, bool totals) {
        QStringList line;
        if (totals) {
            line << QStringLiteral("Totals");
            while (line.size() < leading.size() - (layout.career ? 1 : 0))
                line << QString();
            if (layout.career)
                line << (layout.individual ? QString() : QString::number(row.seasons));
        } else if (layout.individual) {
            const bool named = row.gameType >= 1 && row.gameType <= 7;
            line << QString::number(row.game)
                 << (named ? trimBlanks(layout.gameTypeNames[row.gameType]) : QString());
            if (layout.career)
                line << trimBlanks(layout.seasonNames.value(row.season));
        } else {
            line << trimBlanks(row.name);
            if (layout.severalTeams)
                line << trimBlanks(layout.teamShortNames[row.team]);
            if (layout.career)
                line << QString::number(row.seasons);
        }
        for (int code : codes)
            line << categoryCell(row, code);
        return line;
    };

    QStringList notes;
    if (layout.individual && !trimBlanks(layout.playerName).isEmpty())
        notes << trimBlanks(layout.playerName);
    int listed = 0;
    int belowMinimum = 0;
    if (table.hasPlayerRows()) {
        for (int p = 2; p <= table.rowCount() && p <= choices.top + 1; ++p) {
            out.rows.append({ExportTable::RowKind::Body, cells(table.row(table.rowAt(p)), false)});
            ++listed;
            if (layout.minimum.position != 0 && p >= layout.minimum.position)
                ++belowMinimum;
        }
    }
    if (belowMinimum > 0)
        notes << QStringLiteral("%1: the last %2 player(s)")
                     .arg(layout.minimum.line)
                     .arg(belowMinimum);
    const int notListed = table.hasPlayerRows() ? table.rowCount() - 1 - listed : 0;
    if (notListed > 0)
        notes << QStringLiteral("%1 Player(s) not listed").arg(notListed);
    out.caption = notes.join(QStringLiteral("; "));
    out.rows.append({ExportTable::RowKind::Totals, cells(table.totals(), true)});
    return out;
}

} // namespace scorvane
