#include "core/reports/TeamRecordReport.h"

#include "core/reports/TeamReportText.h"
#include "core/text/Blanks.h"

namespace scorvane {

namespace {

QString printedLine(const QString& label, const RecordLine& line, bool withTies)
{
    QString text = fitWidth(label, 10) + countField(line.won, 6) + countField(line.lost, 8);
    if (withTies)
        text += countField(line.ties, 8);
    return text + padText(winningPctText(line.pct()), 8, Align::Right)
        + countField(line.goalsFor, 8) + countField(line.goalsAgainst, 8);
}

QStringList shownRow(const QString& label, const RecordLine& line, bool withTies)
{
    QStringList row{label, QString::number(line.won), QString::number(line.lost)};
    if (withTies)
        row << QString::number(line.ties);
    row << winningPctText(line.pct()) << QString::number(line.goalsFor)
        << QString::number(line.goalsAgainst);
    return row;
}

QStringList rawRow(const QString& label, const RecordLine& line, bool withTies)
{
    QStringList row{label, QString::number(line.won), QString::number(line.lost)};
    if (withTies)
        row << QString::number(line.ties);
    row << rawWinningPct(line.pct()) << QString::number(line.goalsFor)
        << QString::number(line.goalsAgainst);
    return row;
}

} // namespace

float RecordLine::pct() const
{
    if (games() == 0)
        return 0.0F;
    return (static_cast<float>(won) + 0.5F * static_cast<float>(ties))
        / static_cast<float>(games());
}

void RecordLine::add(const GameResult& game)
{
    switch (outcomeOf(game.goalsFor, game.goalsAgainst)) {
    case GameOutcome::Won:
        ++won;
        break;
    case GameOutcome::Lost:
        ++lost;
        break;
    case GameOutcome::Tied:
        ++ties;
        break;
    }
    goalsFor += game.goalsFor;
    goalsAgainst += game.goalsAgainst;
}

TeamRecordReport::TeamRecordReport(const std::vector<GameResult>& games)
{
    for (const GameResult& game : games) {
        if (game.gameType >= '1' && game.gameType <= '7')
            types_[static_cast<std::size_t>(game.gameType - '1')].add(game);
        totals_.add(game);
    }
}

const RecordLine& TeamRecordReport::typeLine(int gameType) const
{
    return types_.at(static_cast<std::size_t>(gameType - 1));
}

ReportGrid TeamRecordReport::grid(const GameTypeNameTable& gameTypeNames) const
{
    const auto right = CellAlignment::Right;
    ReportGrid grid;
    grid.columns.push_back({QStringLiteral("Game Type"), CellAlignment::Left, true});
    grid.columns.push_back({QStringLiteral("Won"), right});
    grid.columns.push_back({QStringLiteral("Lost"), right});
    if (hasTies())
        grid.columns.push_back({QStringLiteral("Ties"), right});
    for (const char* heading : {"Pct", "GF", "GA"})
        grid.columns.push_back({QString::fromLatin1(heading), right});
    if (gamesCounted() == 0)
        return grid;
    for (int type = 1; type <= 7; ++type) {
        if (typeLine(type).games() > 0)
            grid.rows.push_back(shownRow(gameTypeNames[type], typeLine(type), hasTies()));
    }
    grid.rows.push_back(QStringList(static_cast<qsizetype>(grid.columns.size()), QString()));
    grid.rows.push_back(shownRow(QStringLiteral("Totals"), totals_, hasTies()));
    return grid;
}

ReportButtons TeamRecordReport::buttons(bool onOpening) const
{
    const bool any = gamesCounted() > 0;
    return ReportButtons{.compute = any || !onOpening, .print = any};
}

QStringList TeamRecordReport::tableLines(const GameTypeNameTable& gameTypeNames) const
{
    const QString dashes(hasTies() ? 56 : 48, QChar(u'-'));
    QStringList lines{hasTies()
            ? QStringLiteral("Game Type    Won    Lost    Ties     Pct      GF      GA")
            : QStringLiteral("Game Type    Won    Lost     Pct      GF      GA"),
        dashes};
    for (int type = 1; type <= 7; ++type) {
        if (typeLine(type).games() > 0)
            lines << printedLine(gameTypeNames[type], typeLine(type), hasTies());
    }
    lines << dashes << printedLine(QStringLiteral("Totals"), totals_, hasTies());
    return lines;
}

ExportTable TeamRecordReport::exportTable(
    const QString& title, const QString& teamName, const GameTypeNameTable& gameTypeNames) const
{
    ExportTable table;
    table.title = title;
    table.team = trimBlanks(teamName);
    for (const GridColumn& column : grid(gameTypeNames).columns)
        table.headings << column.heading;
    for (int c = 1; c < table.headings.size(); ++c)
        table.numericColumns << c;
    table.percentColumns.insert(static_cast<int>(table.headings.indexOf(QStringLiteral("Pct"))), 1);
    for (int type = 1; type <= 7; ++type) {
        if (typeLine(type).games() > 0) {
            table.rows.append({ExportTable::RowKind::Body,
                rawRow(trimBlanks(gameTypeNames[type]), typeLine(type), hasTies())});
        }
    }
    if (gamesCounted() > 0) {
        table.rows.append(
            {ExportTable::RowKind::Totals, rawRow(QStringLiteral("Totals"), totals_, hasTies())});
    }
    return table;
}

bool TeamRecordReport::print(OutputEngine& engine, const PageChoices& choices,
    const QString& teamName, const GameTypeNameTable& gameTypeNames) const
{
    const QStringList table = tableLines(gameTypeNames);
    PagedOutput out(engine);
    if (!out.open())
        return false;
    for (int copy = 0; copy < choices.copies; ++copy) {
        out.startCopy();
        if (!out.line(QString()) || !out.title(choices.title) || !out.line(QString())
            || !out.line(fitWidth(teamName, 25)))
            return false;
        out.bodyFont();
        for (const QString& line : table) {
            if (!out.line(line))
                return false;
        }
        if (!out.formFeed())
            return false;
    }
    return out.close();
}

} // namespace scorvane
