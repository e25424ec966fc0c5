#include "core/entry/Categories.h"

#include "core/text/Blanks.h"

#include <stdexcept>

namespace scorvane {
namespace {

constexpr std::array<EnteredStatistic, EnteredStatisticCount> Entered = {{
    {u"Min", u"Minutes Played"},
    {u"PP", u"Periods Played"},
    {u"GS", u"Goals Scored"},
    {u"SOG", u"Shots on Goal"},
    {u"SAG", u"Shots at Goal"},
    {u"PKG", u"Penalty Kick Goals"},
    {u"PKA", u"Penalty Kick Attempts"},
    {u"CKG", u"Corner Kick Goals"},
    {u"CKA", u"Corner Kick Attempts"},
    {u"DK", u"Direct Kicks"},
    {u"IK", u"Indirect Kicks"},
    {u"CY", u"Card Yellow"},
    {u"CR", u"Card Red"},
    {u"OS", u"Off-Sides"},
    {u"BTI", u"Bad Throw-Ins"},
    {u"F", u"Fouls"},
    {u"Ast", u"Assists"},
    {u"Stl", u"Steals"},
    {u"BS", u"Blocked Shots"},
    {u"T", u"Tackles"},
    {u"Sv", u"Saves"},
    {u"SF", u"Shots Faced"},
    {u"PKB", u"Penalty Kicks Blocked"},
    {u"PKF", u"Penalty Kicks Faced"},
    {u"", u"User Defined Field"},
    {u"", u"User Defined Field"},
    {u"", u"User Defined Field"},
    {u"", u"User Defined Field"},
    {u"", u"User Defined Field"},
}};

// Report categories 1..50 (index 0 unused). The order differs from entry: GS comes after SAG and
// TS, and SF before Sv.
constexpr std::array<ReportCategory, 51> Report = {{
    {u"", -1, false},
    {u"G", -1, true},
    {u"Min", StatMin, false},
    {u"PP", StatPP, false},
    {u"SOG", StatSOG, false},
    {u"SAG", StatSAG, false},
    {u"TS", -1, true},
    {u"GS", StatGS, false},
    {u"QS%", -1, true},
    {u"TS%", -1, true},
    {u"PKG", StatPKG, false},
    {u"PKA", StatPKA, false},
    {u"PK%", -1, true},
    {u"CKG", StatCKG, false},
    {u"CKA", StatCKA, false},
    {u"CK%", -1, true},
    {u"DK", StatDK, false},
    {u"IK", StatIK, false},
    {u"CY", StatCY, false},
    {u"CR", StatCR, false},
    {u"OS", StatOS, false},
    {u"BTI", StatBTI, false},
    {u"F", StatF, false},
    {u"Ast", StatAst, false},
    {u"Stl", StatStl, false},
    {u"BS", StatBS, false},
    {u"T", StatT, false},
    {u"SF", StatSF, false},
    {u"Sv", StatSv, false},
    {u"Sv%", -1, true},
    {u"PKB", StatPKB, false},
    {u"PKF", StatPKF, false},
    {u"PS%", -1, true},
    {u"", StatUser1, false},
    {u"", StatUser2, false},
    {u"", StatUser3, false},
    {u"", StatUser4, false},
    {u"", StatUser5, false},
    {u"", -1, false},
    {u"", -1, false},
    {u"", -1, false},
    {u"", -1, false},
    {u"", -1, false},
    {u"", -1, false},
    {u"", -1, false},
    {u"", -1, false},
    {u"", -1, false},
    {u"", -1, false},
    {u"", -1, false},
    {u"", -1, false},
    {u"", -1, false},
}};

} // namespace

const EnteredStatistic& enteredStatisticAt(int k)
{
    if (k < 0 || k >= EnteredStatisticCount)
        throw std::out_of_range("statistic index outside 0..28");
    return Entered[static_cast<std::size_t>(k)];
}

QString statisticCode(int k, const UserStatCodeTable& UserStatCodes)
{
    if (k >= UserStatisticFirst && k < EnteredStatisticCount)
        return UserStatCodes[k - UserStatisticFirst + 1];
    return QString::fromUtf16(enteredStatisticAt(k).code);
}

QString statisticLongName(int k)
{
    return QString::fromUtf16(enteredStatisticAt(k).longName);
}

const ReportCategory& reportCategoryAt(int index)
{
    if (index < 1 || index > 50)
        throw std::out_of_range("report category outside 1..50");
    return Report[static_cast<std::size_t>(index)];
}

void fillCategoryCodes(CategoryCodeTable& CategoryCodes, const UserStatCodeTable& UserStatCodes)
{
    for (int i = 1; i <= 50; ++i)
        CategoryCodes[i]
            = fitWidth(QString::fromUtf16(Report[static_cast<std::size_t>(i)].code), 3);
    for (int u = 1; u <= 5; ++u)
        CategoryCodes[32 + u] = fitWidth(UserStatCodes[u], 3);
}

int reportCategoryOfStatistic(int k)
{
    for (int i = 1; i <= 50; ++i) {
        if (Report[static_cast<std::size_t>(i)].enteredIndex == k)
            return i;
    }
    return 0;
}

std::optional<FigureCheckFailure> checkFigures(const std::array<qint32, 24>& values)
{
    if (values[StatPKA] < values[StatPKG])
        return FigureCheckFailure{
            1, QStringLiteral("Penalty Kick Goals (PKG) > Penalty Kick Attempts (PKA)"), StatPKG};
    if (values[StatCKA] < values[StatCKG])
        return FigureCheckFailure{
            2, QStringLiteral("Corner Kick Goals (CKG) > Corner Kick Attempts (CKA)"), StatCKG};
    if (values[StatSF] < values[StatSv])
        return FigureCheckFailure{3, QStringLiteral("Saves (Sv) > Shots Faced (SF)"), StatSv};
    if (values[StatPKB] > values[StatPKF])
        return FigureCheckFailure{
            4, QStringLiteral("Penalty Kicks Blocked (PKB) > Penalty Kicks Faced (PKF)"), StatPKB};
    return std::nullopt;
}

} // namespace scorvane
