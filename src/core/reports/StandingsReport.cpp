#include "core/reports/StandingsReport.h"

#include "core/reports/TeamReportText.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

#include <algorithm>
#include <limits>

namespace scorvane {

namespace {

StandingsLine countGames(const TeamGames& team)
{
    StandingsLine line;
    line.slot = team.slot;
    line.teamName = team.teamName;
    for (const GameResult& game : team.games) {
        switch (outcomeOf(game.goalsFor, game.goalsAgainst)) {
        case GameOutcome::Won:
            ++line.won;
            ++line.winsMinusLosses;
            line.streak = line.streak <= 0 ? 1 : line.streak + 1;
            break;
        case GameOutcome::Lost:
            ++line.lost;
            --line.winsMinusLosses;
            line.streak = line.streak >= 0 ? -1 : line.streak - 1;
            break;
        case GameOutcome::Tied:
            ++line.ties;
            line.streak = 0;
            break;
        }
        line.goalsFor += game.goalsFor;
        line.goalsAgainst += game.goalsAgainst;
    }
    const int games = line.won + line.lost + line.ties;
    if (games > 0) {
        line.pct = (static_cast<float>(line.won) + static_cast<float>(line.ties) / 2.0F)
            / static_cast<float>(games);
    }
    return line;
}

// "Won 3" or "Lost 2" (the length keeps its sign blank); empty for no streak.
QString streakText(int streak)
{
    if (streak > 0)
        return QStringLiteral("Won") + numberText(streak);
    if (streak < 0)
        return QStringLiteral("Lost") + numberText(-streak);
    return {};
}

QString rightAligned(const QString& text, int width)
{
    return padText(text, width, Align::Right);
}

} // namespace

StandingsReport::StandingsReport(const std::vector<TeamGames>& teams)
{
    int leaderValue = std::numeric_limits<int>::min();
    for (const TeamGames& team : teams) {
        lines_.push_back(countGames(team));
        hasTies_ = hasTies_ || lines_.back().ties > 0;
        leaderValue = std::max(leaderValue, lines_.back().winsMinusLosses);
    }
    // Exchange passes from the bottom up: descending Pct, then the larger wins minus losses;
    // teams still equal keep their team-list order.
    const std::size_t n = lines_.size();
    for (std::size_t i = 1; i < n; ++i) {
        for (std::size_t j = n - 1; j >= i; --j) {
            const StandingsLine& upper = lines_[j - 1];
            const StandingsLine& lower = lines_[j];
            if (upper.pct < lower.pct
                || (upper.pct == lower.pct && upper.winsMinusLosses < lower.winsMinusLosses))
                std::swap(lines_[j - 1], lines_[j]);
        }
    }
    for (StandingsLine& line : lines_) {
        line.behind = leaderValue - line.winsMinusLosses;
        line.leader = line.behind == 0;
    }
}

QString StandingsReport::headingLine() const
{
    return hasTies_
        ? QStringLiteral(
            "Team                       Won  Lost  Ties    Pct   Streak   GF    GA    GB")
        : QStringLiteral("Team                       Won  Lost    Pct   Streak   GF    GA    GB");
}

QString StandingsReport::dashLine() const
{
    return QString(hasTies_ ? 75 : 69, QChar(u'-'));
}

QString StandingsReport::teamLine(const StandingsLine& line) const
{
    QString text = fitWidth(line.teamName, 25) + countField(line.won, 5) + countField(line.lost, 6);
    if (hasTies_)
        text += countField(line.ties, 6);
    const QString streak = streakText(line.streak);
    text += rightAligned(winningPctText(line.pct), 7)
        + (streak.isEmpty() ? QStringLiteral("        -") : rightAligned(streak, 9))
        + countField(line.goalsFor, 5) + countField(line.goalsAgainst, 6);
    return text
        + (line.leader ? QStringLiteral("   ___") : rightAligned(gamesBehindText(line.behind), 6));
}

ReportGrid StandingsReport::grid() const
{
    const auto right = CellAlignment::Right;
    ReportGrid grid;
    grid.columns.push_back({QStringLiteral("Team"), CellAlignment::Left, true});
    grid.columns.push_back({QStringLiteral("Won"), right});
    grid.columns.push_back({QStringLiteral("Lost"), right});
    if (hasTies_)
        grid.columns.push_back({QStringLiteral("Ties"), right});
    for (const char* heading : {"Pct", "Streak", "GF", "GA", "GB"})
        grid.columns.push_back({QString::fromLatin1(heading), right});
    for (const StandingsLine& line : lines_) {
        QStringList row{rightTrimBlanks(fitWidth(line.teamName, 25)), QString::number(line.won),
            QString::number(line.lost)};
        if (hasTies_)
            row << QString::number(line.ties);
        const QString streak = streakText(line.streak);
        row << winningPctText(line.pct) << (streak.isEmpty() ? QStringLiteral("-") : streak)
            << QString::number(line.goalsFor) << QString::number(line.goalsAgainst)
            << (line.leader ? QStringLiteral("___") : gamesBehindText(line.behind));
        grid.rows.push_back(row);
    }
    return grid;
}

ExportTable StandingsReport::exportTable(const QString& title) const
{
    ExportTable table;
    table.title = title;
    const ReportGrid shown = grid();
    for (const GridColumn& column : shown.columns)
        table.headings << column.heading;
    for (int c = 1; c < table.headings.size(); ++c) {
        if (table.headings[c] != u"Streak")
            table.numericColumns << c;
    }
    const qsizetype pct = table.headings.indexOf(QStringLiteral("Pct"));
    table.percentColumns.insert(static_cast<int>(pct), 1);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        QStringList row = shown.rows[i];
        row[pct] = rawWinningPct(lines_[i].pct);
        row.back() = QString::number(lines_[i].behind / 2) + u'.'
            + QString::number(lines_[i].behind % 2 * 5);
        if (row[pct + 1] == u"-")
            row[pct + 1].clear();
        table.rows.append({ExportTable::RowKind::Body, row});
    }
    return table;
}

bool StandingsReport::heading(PagedOutput& out, const PageChoices& choices) const
{
    if (!out.line(QString()) || !out.title(choices.title))
        return false;
    out.bodyFont();
    return out.line(QString()) && out.line(headingLine()) && out.line(dashLine());
}

bool StandingsReport::print(OutputEngine& engine, const PageChoices& choices) const
{
    PagedOutput out(engine);
    if (!out.open())
        return false;
    for (int copy = 0; copy < choices.copies; ++copy) {
        out.startCopy();
        if (!heading(out, choices))
            return false;
        for (const StandingsLine& line : lines_) {
            if (out.linesOnPage() >= choices.linesPerPage
                && (!out.formFeed() || !heading(out, choices)))
                return false;
            if (!out.line(teamLine(line)))
                return false;
        }
        if (!out.formFeed())
            return false;
    }
    return out.close();
}

StandingsResult computeStandings(const QString& dataFolder, const QList<int>& slots,
    const TeamNameTable& teamNames, const ReportSelection& selection)
{
    std::vector<TeamGames> teams;
    teams.reserve(static_cast<std::size_t>(slots.size()));
    GameFileReader reader(dataFolder);
    for (int slot : slots) {
        CountedResults counted = reader.results(slot, selection);
        if (counted.fault)
            return {StandingsReport(), counted.fault};
        teams.push_back(TeamGames{slot, teamNames[slot], std::move(counted.games)});
    }
    return {StandingsReport(teams), std::nullopt};
}

} // namespace scorvane
