#include "core/reports/PrintedPlayerReport.h"

#include "core/output/OutputDevice.h"
#include "core/output/OutputEngine.h"
#include "core/reports/CategoryValues.h"
#include "core/reports/PlayerStatsTable.h"
#include "core/text/Blanks.h"

#include <charconv>
#include <iterator>
#include <vector>

namespace scorvane {

namespace {

constexpr Align Left = Align::Left;
constexpr Align Right = Align::Right;
constexpr int CentredBelow = 80; // narrower lines are centred on the page
const QString TeamGap = QString(11, u' ');
constexpr int SeasonsWidth = 8;     // " Seasons"
constexpr int SeasonNameWidth = 11; // one player's games: the season's name and a blank

int seasonColumnWidth(const PlayerReportLayout& layout)
{
    if (!layout.career)
        return 0;
    return layout.individual ? SeasonNameWidth : SeasonsWidth;
}

int nameWidth(const PlayerStatsTable& table, bool individual)
{
    const int longest = table.maxNameLength;
    if (individual)
        return longest >= 14 ? longest + 1 : 14;
    return longest >= 12 ? longest + 1 : 13;
}

QList<int> shownColumns(const QList<int>& slots)
{
    QList<int> shown;
    for (int code : slots) {
        if (isShownCategory(code))
            shown << code;
    }
    return shown;
}

// The number right-aligned in `width` (nothing when it does not fit, as padText gives), added
// straight to the line: a report of 2,000 players makes some 70,000 of these.
void appendInteger(QString& line, qint64 value, int width)
{
    char digits[24];
    const auto converted = std::to_chars(std::begin(digits), std::end(digits), value);
    const auto length = static_cast<int>(converted.ptr - digits);
    if (length > width)
        return;
    static constexpr char Blanks[] = "                ";
    const int blanks = width - length;
    if (blanks < static_cast<int>(sizeof Blanks))
        line.append(QLatin1String(Blanks, blanks));
    else
        line.append(QString(blanks, u' '));
    line.append(QLatin1String(digits, length));
}

QString integerText(qint64 value, int width)
{
    QString text;
    appendInteger(text, value, width);
    return text;
}

class ReportPrinter
{
public:
    ReportPrinter(const PlayerStatsTable& table, const PlayerReportLayout& layout,
        const PrintChoices& choices, OutputEngine& engine)
        : table_(table)
        , layout_(layout)
        , choices_(choices)
        , engine_(engine)
        , columns_(shownColumns(layout.columns))
        , nameWidth_(nameWidth(table, layout.individual))
    {
        for (int code : columns_)
            forms_.push_back(categoryForm(code, layout.userStatCodes));
        buildHeading();
    }

    bool run()
    {
        if (!send([this] { engine_.open(); }))
            return false;
        for (int copy = 1; copy <= choices_.copies; ++copy) {
            lines_ = 0;
            if (!pageHeader() || !body() || !totals() || !line(QString(FormFeed)))
                return false;
        }
        return send([this] { engine_.close(); });
    }

private:
    void buildHeading()
    {
        if (layout_.individual)
            heading_ = padText(rightTrimBlanks(layout_.playerName), nameWidth_, Left);
        else
            heading_
                = padText(QString::number(table_.rowCount() - 1) + QStringLiteral(" Player(s)"),
                    nameWidth_, Left);
        if (layout_.severalTeams)
            heading_ += QStringLiteral("Team       ");
        if (layout_.career)
            heading_ += layout_.individual
                ? padText(QStringLiteral("Season"), SeasonNameWidth, Left)
                : QStringLiteral(" Seasons");
        for (const CategoryForm& form : forms_)
            heading_ += form.heading;
        width_ = std::max(static_cast<int>(heading_.size()), CentredBelow);
        dashes_ = QString(heading_.size(), u'-');
        centreBody_ = heading_.size() < CentredBelow;
    }

    // Runs one engine step; false when the user gave up after an output error.
    template <typename Step> bool send(Step step)
    {
        step();
        return !engine_.stopped();
    }

    bool line(const QString& text, bool centred = false)
    {
        if (centred)
            engine_.centreNextLine(text);
        ++lines_;
        return send([&] { engine_.writeLine(text); });
    }

    // A full page ends with a form feed (counted on the new page) and the header again.
    bool roomFor()
    {
        if (lines_ < choices_.linesPerPage)
            return true;
        lines_ = 0;
        return line(QString(FormFeed)) && pageHeader();
    }

    bool pageHeader()
    {
        if (!line(QStringLiteral(" ")))
            return false;
        engine_.setPrintFont(PrintFont::Title);
        if (!layout_.severalTeams) {
            if (!line(rightTrimBlanks(layout_.teamName), true) || !line(QStringLiteral(" ")))
                return false;
        }
        if (!line(rightTrimBlanks(choices_.title), true))
            return false;
        engine_.setPrintFont(PrintFont::Body);
        return line(QStringLiteral(" ")) && line(heading_, centreBody_)
            && line(dashes_, centreBody_);
    }

    bool body()
    {
        if (!table_.hasPlayerRows())
            return true;
        for (int p = 2; p <= table_.rowCount(); ++p) {
            if (p > choices_.top + 1) {
                leftOut_ = true;
                break;
            }
            if (p == layout_.minimum.position) {
                if (!roomFor()
                    || !line(QStringLiteral("*** ") + layout_.minimum.line + QStringLiteral(" ***"),
                        true))
                    return false;
            }
            if (!roomFor() || !line(rowLine(table_.row(table_.rowAt(p))), centreBody_))
                return false;
        }
        return true;
    }

    QString rowLine(const PlayerStatsRow& row) const
    {
        QString text;
        if (layout_.individual) {
            const QString game = padText(numberText(row.game), 3, Left);
            const QString type = row.gameType >= 1 && row.gameType <= 7
                ? fitWidth(layout_.gameTypeNames[row.gameType], 10)
                : QString(10, u' ');
            text = padText(game + u' ' + type, nameWidth_, Left);
        } else {
            text.reserve(nameWidth_ + 11 + 7 * columns_.size());
            appendPadded(text, row.name, nameWidth_, Left);
            if (layout_.severalTeams)
                text += fitWidth(layout_.teamShortNames[row.team], 10) + u' ';
        }
        if (layout_.career && layout_.individual)
            text += fitWidth(layout_.seasonNames.value(row.season), SeasonNameWidth - 1) + u' ';
        else if (layout_.career)
            appendInteger(text, row.seasons, SeasonsWidth);
        text.reserve(text.size() + 7 * columns_.size());
        for (qsizetype c = 0; c < columns_.size(); ++c) {
            const int code = columns_[c];
            const CategoryForm& form = forms_[static_cast<std::size_t>(c)];
            if (form.percentage)
                appendPadded(text, percentageText(percentageValue(row, code)), 6, Right);
            else
                appendInteger(text, integerValue(row, code), form.width);
        }
        return text;
    }

    bool totals()
    {
        if (leftOut_) {
            const int notListed = table_.rowCount() - choices_.top - 1;
            if (!roomFor()
                || !line(numberText(notListed) + QStringLiteral(" Player(s) not listed"), true))
                return false;
        }
        const TotalsLines t = totalsLines(table_, layout_);
        return roomFor() && line(dashes_, centreBody_) && roomFor() && line(t.a, centreBody_)
            && roomFor() && line(t.b, centreBody_);
    }

    const PlayerStatsTable& table_;
    const PlayerReportLayout& layout_;
    const PrintChoices& choices_;
    OutputEngine& engine_;
    const QList<int> columns_;
    std::vector<CategoryForm> forms_; // one per shown column
    const int nameWidth_;
    QString heading_;
    QString dashes_;
    int width_ = CentredBelow;
    bool centreBody_ = true;
    int lines_ = 0;
    bool leftOut_ = false;
};

} // namespace

TotalsLines totalsLines(const PlayerStatsTable& table, const PlayerReportLayout& layout)
{
    const int width = nameWidth(table, layout.individual);
    TotalsLines t{padText(QStringLiteral("Totals"), width, Left), QString(width, u' ')};
    if (layout.severalTeams) {
        t.a += TeamGap;
        t.b += TeamGap;
    }
    const PlayerStatsRow& totals = table.totals();
    if (layout.career && !layout.individual) {
        t.a += integerText(totals.seasons, SeasonsWidth);
        t.b += QString(SeasonsWidth, u' ');
    } else if (layout.career) {
        t.a += QString(seasonColumnWidth(layout), u' ');
        t.b += QString(seasonColumnWidth(layout), u' ');
    }
    bool onB = true; // where the next wide total goes
    for (int code : shownColumns(layout.columns)) {
        const CategoryForm form = categoryForm(code, layout.userStatCodes);
        const int w = form.width;
        if (form.percentage) {
            t.a += padText(percentageText(percentageValue(totals, code)), 6, Right);
            t.b += QString(5, u' '); // one short, as the report has always printed it
            onB = true;
            continue;
        }
        const qint64 v = integerValue(totals, code);
        if (code == 2) {
            t.a += v <= 9999 ? integerText(v, 5) : QStringLiteral("    -");
            t.b += QString(5, u' ');
            onB = true;
            continue;
        }
        const qint64 narrow = w == 3 ? 100 : 1000;
        const qint64 wide = narrow * 10;
        if (v < narrow) {
            t.a += integerText(v, w);
            t.b += QString(w, u' ');
            onB = true;
            continue;
        }
        QString& receiving = onB ? t.b : t.a;
        QString& other = onB ? t.a : t.b;
        if (v < wide) {
            receiving += integerText(v, w);
        } else {
            receiving.chop(2);
            receiving += integerText(v, w + 2);
        }
        other += QString(w, u' ');
        onB = !onB;
    }
    return t;
}

bool printPlayerReport(const PlayerStatsTable& table, const PlayerReportLayout& layout,
    const PrintChoices& choices, OutputEngine& engine)
{
    return ReportPrinter(table, layout, choices, engine).run();
}

} // namespace scorvane
