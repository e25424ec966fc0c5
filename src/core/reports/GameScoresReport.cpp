#include "core/reports/GameScoresReport.h"

#include "core/reports/TeamReportText.h"
#include "core/text/Blanks.h"

namespace scorvane {

namespace {

constexpr Align Right = Align::Right;
constexpr Align Left = Align::Left;
const QString Indent(7, QChar(u' '));

// A long-form game starts a new page once more than this many lines short of the page end
// are used, so that its lines stay together.
constexpr int LongFormReserve = 6;

} // namespace

GameScoresReport::GameScoresReport(
    std::vector<GameRecord> games, QString teamName, GameTypeNameTable gameTypeNames)
    : games_(std::move(games))
    , teamName_(std::move(teamName))
    , gameTypeNames_(std::move(gameTypeNames))
{ }

GameScoresReport::Sides GameScoresReport::sides(const GameRecord& game) const
{
    const QString team = fitWidth(teamName_, 25);
    const QString opponent = fitWidth(game.opponent, 25);
    if (game.homeGame == '1')
        return {opponent, game.goalsAgainst, team, game.goalsFor};
    return {team, game.goalsFor, opponent, game.goalsAgainst};
}

QString GameScoresReport::typeName(const GameRecord& game) const
{
    // A type byte outside "1".."7" has no name.
    if (game.gameType < '1' || game.gameType > '7')
        return QString(10, QChar(u' '));
    return fitWidth(gameTypeNames_[game.gameType - '0'], 10);
}

QStringList GameScoresReport::longLines(const GameRecord& game) const
{
    const Sides s = sides(game);
    return {padText(numberText(game.gameNumber), 4, Right) + QStringLiteral(".  ")
            + padText(dateWithSlashes(game.gameDate), 23, Left) + s.firstName + u' '
            + padText(numberText(s.firstGoals), 3, Right) + QStringLiteral("  ")
            + printedResultWord(game.goalsFor, game.goalsAgainst),
        Indent + padText(typeName(game), 23, Left) + s.secondName + u' '
            + padText(numberText(s.secondGoals), 3, Right),
        Indent + fitWidth(game.gameLocation, 20), Indent + fitWidth(game.gameComment, 58),
        QStringLiteral(" ")};
}

QString GameScoresReport::shortLine(const GameRecord& game) const
{
    return padText(numberText(game.gameNumber), 4, Right) + QStringLiteral(". ")
        + dateWithSlashes(game.gameDate) + u' ' + typeName(game) + QStringLiteral("  ")
        + fitWidth(game.opponent, 25) + padText(numberText(game.goalsFor), 4, Right) + u'-'
        + padText(numberText(game.goalsAgainst), 4, Left)
        + printedResultWord(game.goalsFor, game.goalsAgainst);
}

QStringList GameScoresReport::lines(ScoresForm form) const
{
    QStringList all;
    all.reserve(static_cast<qsizetype>(games_.size()) * (form == ScoresForm::Long ? 5 : 1));
    for (const GameRecord& game : games_) {
        if (form == ScoresForm::Long)
            all << longLines(game);
        else
            all << shortLine(game);
    }
    return all;
}

ReportGrid GameScoresReport::grid(ScoresForm form) const
{
    ReportGrid grid;
    const auto right = CellAlignment::Right;
    const auto left = CellAlignment::Left;
    if (form == ScoresForm::Long) {
        grid.columns = {
            {{}, right}, {{}, left}, {{}, left}, {{}, right}, {{}, left}, {{}, left, false, true}};
        for (const GameRecord& game : games_) {
            const Sides s = sides(game);
            grid.rows.push_back({QString::number(game.gameNumber) + QStringLiteral(".   "),
                dateWithSlashes(game.gameDate), rightTrimBlanks(s.firstName),
                QString::number(s.firstGoals), shownResultWord(game.goalsFor, game.goalsAgainst),
                rightTrimBlanks(game.gameComment)});
            grid.rows.push_back(
                {QString(), rightTrimBlanks(typeName(game)), rightTrimBlanks(s.secondName),
                    QString::number(s.secondGoals), QString(), QString()});
            grid.rows.push_back({QString(), rightTrimBlanks(game.gameLocation), QString(),
                QString(), QString(), QString()});
            grid.rows.push_back(QStringList(6, QString()));
        }
        return grid;
    }
    grid.columns = {{{}, right}, {{}, left}, {{}, left}, {{}, left}, {{}, right}, {{}, left},
        {{}, left}, {{}, left}};
    for (const GameRecord& game : games_) {
        grid.rows.push_back({QString::number(game.gameNumber) + QStringLiteral(".    "),
            dateWithSlashes(game.gameDate), rightTrimBlanks(typeName(game)),
            rightTrimBlanks(game.opponent), QString::number(game.goalsFor), QStringLiteral("-"),
            QString::number(game.goalsAgainst), shownResultWord(game.goalsFor, game.goalsAgainst)});
    }
    return grid;
}

ReportButtons GameScoresReport::buttons(ScoresForm shown, bool onOpening) const
{
    if (isEmpty())
        return ReportButtons{.compute = !onOpening, .print = false};
    return ReportButtons{.compute = true,
        .print = true,
        .longForm = shown == ScoresForm::Short,
        .shortForm = shown == ScoresForm::Long};
}

ExportTable GameScoresReport::exportTable(const QString& title, ScoresForm form) const
{
    ExportTable table;
    table.title = title;
    table.team = trimBlanks(teamName_);
    table.headings = QStringList{QStringLiteral("Game"), QStringLiteral("Date"),
        QStringLiteral("Game Type"), QStringLiteral("Opponent"), QStringLiteral("Played"),
        QStringLiteral("GF"), QStringLiteral("GA"), QStringLiteral("Result"),
        QStringLiteral("Location"), QStringLiteral("Comment")};
    table.numericColumns = {0, 5, 6};
    table.dateColumns = {1};
    for (const GameRecord& game : games_) {
        table.rows.append({ExportTable::RowKind::Body,
            {QString::number(game.gameNumber), dateWithSlashes(game.gameDate),
                trimBlanks(typeName(game)), trimBlanks(game.opponent),
                game.homeGame == '1' ? QStringLiteral("Home") : QStringLiteral("Away"),
                QString::number(game.goalsFor), QString::number(game.goalsAgainst),
                shownResultWord(game.goalsFor, game.goalsAgainst), trimBlanks(game.gameLocation),
                trimBlanks(game.gameComment)}});
    }
    if (form == ScoresForm::Short) {
        // Played, Location and Comment go; GF and GA move one column to the left.
        const auto drop = [&](qsizetype column) {
            table.headings.removeAt(column);
            for (ExportTable::Row& row : table.rows)
                row.cells.removeAt(column);
        };
        drop(9);
        drop(8);
        drop(4);
        table.numericColumns = {0, 4, 5};
    }
    return table;
}

bool GameScoresReport::heading(PagedOutput& out, const PageChoices& choices) const
{
    if (!out.line(QString()) || !out.title(choices.title) || !out.line(QString())
        || !out.line(fitWidth(teamName_, 25)) || !out.line(QString()))
        return false;
    out.bodyFont();
    return true;
}

bool GameScoresReport::printCopy(
    ScoresForm form, PagedOutput& out, const PageChoices& choices) const
{
    out.startCopy();
    if (!heading(out, choices))
        return false;
    for (std::size_t g = 0; g < games_.size(); ++g) {
        const bool last = g + 1 == games_.size();
        if (form == ScoresForm::Short) {
            if (out.linesOnPage() >= choices.linesPerPage
                && (!out.formFeed() || !heading(out, choices)))
                return false;
            if (!out.line(shortLine(games_[g])))
                return false;
            continue;
        }
        const QStringList block = longLines(games_[g]);
        for (const QString& line : block) {
            if (!out.line(line))
                return false;
        }
        if (!last && out.linesOnPage() > choices.linesPerPage - LongFormReserve
            && (!out.formFeed() || !heading(out, choices)))
            return false;
    }
    return out.formFeed();
}

bool GameScoresReport::print(
    ScoresForm form, OutputEngine& engine, const PageChoices& choices) const
{
    PagedOutput out(engine);
    if (!out.open())
        return false;
    for (int copy = 0; copy < choices.copies; ++copy) {
        if (!printCopy(form, out, choices))
            return false;
    }
    return out.close();
}

} // namespace scorvane
