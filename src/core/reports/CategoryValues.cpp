#include "core/reports/CategoryValues.h"

#include "core/reports/PlayerStatsTable.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace scorvane {

namespace {

// Print heading and width of codes 1..32; the user-named 33..37 are built from their codes.
struct FixedForm
{
    const char16_t* heading;
    int percentage; // index into the row's percentages, or -1
};
constexpr FixedForm FixedForms[32]
    = {{u"  G", -1}, {u"  Min", -1}, {u"  PP", -1}, {u" SOG", -1}, {u" SAG", -1}, {u"  TS", -1},
        {u" GS", -1}, {u"   QS%", PctQS}, {u"   TS%", PctTS}, {u" PKG", -1}, {u" PKA", -1},
        {u"   PK%", PctPK}, {u" CKG", -1}, {u" CKA", -1}, {u"   CK%", PctCK}, {u"  DK", -1},
        {u"  IK", -1}, {u" CY", -1}, {u" CR", -1}, {u" OS", -1}, {u" BTI", -1}, {u"  F", -1},
        {u" Ast", -1}, {u" Stl", -1}, {u"  BS", -1}, {u"   T", -1}, {u"  SF", -1}, {u"  Sv", -1},
        {u"   Sv%", PctSv}, {u" PKB", -1}, {u" PKF", -1}, {u"   PS%", PctPS}};

} // namespace

bool isShownCategory(int code)
{
    return code >= 1 && code <= ReportCategoryCount;
}

bool isPercentageCategory(int code)
{
    return code >= 1 && code <= 32 && FixedForms[code - 1].percentage >= 0;
}

CategoryForm categoryForm(int code, const UserStatCodeTable& userStatCodes)
{
    if (code >= 1 && code <= 32) {
        const QString heading = QString::fromUtf16(FixedForms[code - 1].heading);
        return {heading, static_cast<int>(heading.size()), isPercentageCategory(code)};
    }
    if (code >= 33 && code <= ReportCategoryCount)
        return {padText(rightTrimBlanks(userStatCodes[code - 32]), 4, Align::Right), 4, false};
    return {};
}

qint64 integerValue(const PlayerStatsRow& row, int code)
{
    if (code == 1)
        return row.games;
    if (code == 6)
        return row.totalShots;
    if (!isShownCategory(code) || isPercentageCategory(code))
        return 0;
    return row.totals[static_cast<std::size_t>(reportCategoryAt(code).enteredIndex)];
}

float percentageValue(const PlayerStatsRow& row, int code)
{
    if (!isPercentageCategory(code))
        return 0.0F;
    return row.percentages[static_cast<std::size_t>(FixedForms[code - 1].percentage)];
}

float sortValue(const PlayerStatsRow& row, int code)
{
    if (isPercentageCategory(code))
        return percentageValue(row, code);
    return static_cast<float>(integerValue(row, code));
}

QString percentageText(float value)
{
    // The seven significant digits a single shows, then the half rounded away from zero.
    char digits[32];
    const auto written = std::to_chars(std::begin(digits), std::end(digits),
        static_cast<double>(value), std::chars_format::general, 7);
    double shown = 0;
    std::from_chars(digits, written.ptr, shown);
    const auto tenths = static_cast<qint64>(std::floor(std::fabs(shown) * 10.0 + 0.5 + 1e-9));
    QString text
        = QString::number(tenths / 10) + u'.' + QChar(u'0' + static_cast<int>(tenths % 10));
    return shown < 0 && tenths > 0 ? u'-' + text : text;
}

} // namespace scorvane
