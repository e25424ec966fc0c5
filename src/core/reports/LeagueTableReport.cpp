#include "core/reports/LeagueTableReport.h"

#include "core/reports/GameFileReader.h"
#include "core/reports/TeamReportText.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

#include <QHash>
#include <QStringTokenizer>

#include <algorithm>
#include <array>
#include <charconv>

namespace scorvane {

namespace {

constexpr int LineWidth = 80;

QString positionText(const LeagueRow& row)
{
    return QString::number(row.position) + (row.sharesPosition ? QStringLiteral("=") : QString());
}

QString decidedText(const LeagueRow& row, bool printed)
{
    if (row.levelWithAbove)
        return printed ? QStringLiteral("level on all") : QStringLiteral("level on every rule");
    if (!row.decidedBy)
        return {};
    return printed ? tieBreakerShortName(*row.decidedBy) : tieBreakerName(*row.decidedBy);
}

// A number's decimal digits, held where they are made: a printed line takes them without a text
// of their own.
class Digits
{
public:
    explicit Digits(int value)
    {
        std::array<char, 12> bytes{};
        char* end = std::to_chars(bytes.data(), bytes.data() + bytes.size(), value).ptr;
        size_ = end - bytes.data();
        std::copy(bytes.data(), end, text_.begin());
    }
    QStringView view() const { return {text_.data(), size_}; }

private:
    std::array<char16_t, 12> text_{};
    qsizetype size_ = 0;
};

void appendScore(QString& line, int goalsFor, int goalsAgainst)
{
    line += Digits(goalsFor).view();
    line += u'-';
    line += Digits(goalsAgainst).view();
}

// Appends `text` cut or padded with blanks to `width`, as fitWidth makes it.
void appendFitted(QString& line, QStringView text, int width)
{
    const QStringView kept = text.first(std::min<qsizetype>(text.size(), width));
    line += kept;
    line.resize(line.size() + (width - kept.size()), u' ');
}

// Breaks `text` at blanks into lines of at most `width` (a longer word stands alone); later lines
// are indented by two. The words are taken as views, so a note costs one text per line.
QStringList wrapped(const QString& text, int width)
{
    QStringList lines;
    QString line;
    for (const QStringView word : QStringTokenizer(text, u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines << line;
            line = QStringLiteral("  ");
        } else if (!line.isEmpty()) {
            line += u' ';
        }
        line += word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

bool usesHeadToHead(const LeagueRules& rules)
{
    return std::any_of(rules.tieBreakers.begin(), rules.tieBreakers.end(), [](TieBreaker rule) {
        return rule == TieBreaker::HeadToHeadPoints || rule == TieBreaker::HeadToHeadGoalDifference
            || rule == TieBreaker::HeadToHeadGoalsFor;
    });
}

} // namespace

QString LeagueTableReport::teamNameOf(int slot) const
{
    for (const LeagueRow& row : table_.rows()) {
        if (row.slot == slot)
            return trimBlanks(row.teamName);
    }
    return QStringLiteral("Team %1").arg(slot);
}

ReportGrid LeagueTableReport::grid() const
{
    const auto right = CellAlignment::Right;
    ReportGrid grid;
    grid.columns.push_back({QStringLiteral("Pos"), CellAlignment::Left});
    grid.columns.push_back({QStringLiteral("Team"), CellAlignment::Left, true});
    for (const char* heading : {"P", "W", "T", "L", "GF", "GA", "GD", "Pts"})
        grid.columns.push_back({QString::fromLatin1(heading), right});
    grid.columns.push_back({QStringLiteral("Decided by"), CellAlignment::Left, false, true});
    for (const LeagueRow& row : table_.rows()) {
        grid.rows.push_back(
            QStringList{positionText(row), rightTrimBlanks(fitWidth(row.teamName, 25)),
                QString::number(row.played), QString::number(row.won), QString::number(row.tied),
                QString::number(row.lost), QString::number(row.goalsFor),
                QString::number(row.goalsAgainst), QString::number(row.goalDifference),
                QString::number(row.points), decidedText(row, false)});
    }
    return grid;
}

QStringList LeagueTableReport::notes() const
{
    const LeagueRules& rules = table_.rules();
    QStringList notes{
        QStringLiteral("Rules: ") + rules.name + QStringLiteral(": ") + rulesSummary(rules)};
    for (const PointsDeduction& d : rules.deductions) {
        const bool listed = std::any_of(table_.rows().begin(), table_.rows().end(),
            [&d](const LeagueRow& row) { return row.slot == d.slot; });
        if (listed)
            notes << QStringLiteral("%1: %2 %3 deducted (%4).")
                         .arg(teamNameOf(d.slot))
                         .arg(d.points)
                         .arg(d.points == 1 ? QStringLiteral("point") : QStringLiteral("points"),
                             d.reason.trimmed());
    }
    // "First v Second, 09/15/02: First recorded 2-1, Second recorded 1-1; the game is not counted
    // until the two records agree.", each note made in one text.
    QHash<int, QString> names; // each team's trimmed once
    const auto nameOf = [&](int slot) -> const QString& {
        auto found = names.find(slot);
        if (found == names.end())
            found = names.insert(slot, teamNameOf(slot));
        return *found;
    };
    for (const RecordDisagreement& d : table_.disagreements()) {
        const QString& first = nameOf(d.firstSlot);
        const QString& second = nameOf(d.secondSlot);
        QString& note = notes.emplaceBack();
        note.reserve(2 * (first.size() + second.size()) + 100);
        note += first;
        note += u" v ";
        note += second;
        note += u", ";
        note += dateWithSlashes(d.date);
        note += u": ";
        note += first;
        note += u" recorded ";
        appendScore(note, d.firstFor, d.firstAgainst);
        note += u", ";
        note += second;
        note += u" recorded ";
        appendScore(note, d.secondFor, d.secondAgainst);
        note += u"; the game is not counted until the two records agree.";
    }
    return notes;
}

QString LeagueTableReport::headingLine() const
{
    QString line = fitWidth(QStringLiteral("Pos"), 4) + fitWidth(QStringLiteral("Team"), 25);
    for (const auto& [heading, width] : {std::pair{"P", 4}, {"W", 4}, {"T", 4}, {"L", 4}, {"GF", 4},
             {"GA", 4}, {"GD", 5}, {"Pts", 5}})
        line += padText(QString::fromLatin1(heading), width, Align::Right);
    return line + QStringLiteral("  Decided by");
}

QString LeagueTableReport::dashLine() const
{
    return QString(LineWidth, QChar(u'-'));
}

QString LeagueTableReport::teamLine(const LeagueRow& row) const
{
    QString line;
    line.reserve(LineWidth);
    appendFitted(line, positionText(row), 4);
    appendFitted(line, row.teamName, 25);
    // Right-aligned as countField puts them: a figure wider than its column is left out.
    for (const auto& [value, width] :
        {std::pair{row.played, 4}, {row.won, 4}, {row.tied, 4}, {row.lost, 4}, {row.goalsFor, 4},
            {row.goalsAgainst, 4}, {row.goalDifference, 5}, {row.points, 5}})
        appendPadded(line, Digits(value).view(), width, Align::Right);
    line += u"  ";
    line += decidedText(row, true);
    return line;
}

QStringList LeagueTableReport::noteLines() const
{
    QStringList lines{QString()};
    QStringList notes = this->notes();
    if (usesHeadToHead(table_.rules()))
        notes << QStringLiteral(
            "h2h: head-to-head, from the games among the teams still level at that rule.");
    for (const QString& note : notes)
        lines << wrapped(note, LineWidth);
    return lines;
}

ExportTable LeagueTableReport::exportTable(const QString& title) const
{
    ExportTable table;
    table.title = title;
    table.caption = notes().join(u' ');
    const ReportGrid shown = grid();
    for (const GridColumn& column : shown.columns)
        table.headings << column.heading;
    // Pos is a number too, except for a shared place ("3="), which stays text.
    table.numericColumns << 0;
    for (int c = 2; c <= 9; ++c)
        table.numericColumns << c;
    for (const QStringList& row : shown.rows)
        table.rows.append({ExportTable::RowKind::Body, row});
    return table;
}

bool LeagueTableReport::heading(PagedOutput& out, const PageChoices& choices) const
{
    if (!out.line(QString()) || !out.title(choices.title))
        return false;
    out.bodyFont();
    return out.line(QString()) && out.line(headingLine()) && out.line(dashLine());
}

bool LeagueTableReport::print(OutputEngine& engine, const PageChoices& choices) const
{
    PagedOutput out(engine);
    if (!out.open())
        return false;
    QStringList body;
    for (const LeagueRow& row : table_.rows())
        body << teamLine(row);
    body << noteLines();
    for (int copy = 0; copy < choices.copies; ++copy) {
        out.startCopy();
        if (!heading(out, choices))
            return false;
        for (const QString& line : body) {
            if (out.linesOnPage() >= choices.linesPerPage
                && (!out.formFeed() || !heading(out, choices)))
                return false;
            if (!out.line(line))
                return false;
        }
        if (!out.formFeed())
            return false;
    }
    return out.close();
}

LeagueTableResult computeLeagueTable(const QString& dataFolder, const QList<int>& slots,
    const TeamNameTable& teamNames, const ReportSelection& selection, const LeagueRules& rules)
{
    std::vector<LeagueTeam> teams;
    teams.reserve(static_cast<std::size_t>(slots.size()));
    for (int slot : slots)
        teams.push_back(LeagueTeam{slot, teamNames[slot]});
    GameFileReader reader(dataFolder);
    std::vector<GameRecordView> games; // one team's at a time, where the reader holds them
    std::optional<FileError> fault;
    LeagueTable table(teams, rules, [&](std::size_t index) -> const std::vector<GameRecordView>* {
        fault = reader.countedRecords(teams[index].slot, selection, games);
        return fault ? nullptr : &games;
    });
    if (fault)
        return {LeagueTableReport(), fault};
    return {LeagueTableReport(std::move(table)), std::nullopt};
}

} // namespace scorvane
