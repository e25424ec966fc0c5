#pragma once

#include "core/text/OneBasedArray.h"

#include <QString>

#include <array>
#include <optional>

namespace scorvane {

using UserStatCodeTable = OneBasedArray<QString, 5>;
using CategoryCodeTable = OneBasedArray<QString, 50>;

// The 29 entered statistics, by statistic index k = 0..28: the order of entry on the player
// screen and of StatValues in a statistics record (value k at offset 8 + 2k).
struct EnteredStatistic
{
    const char16_t* code; // empty for the five user-named ones (k = 24..28)
    const char16_t* longName;
};
inline constexpr int EnteredStatisticCount = 29;
inline constexpr int UserStatisticFirst = 24; // k = 24..28 are user-named

// Statistic indexes by name, for the rules and computations that refer to them.
enum StatisticIndex : int {
    StatMin = 0,
    StatPP,
    StatGS,
    StatSOG,
    StatSAG,
    StatPKG,
    StatPKA,
    StatCKG,
    StatCKA,
    StatDK,
    StatIK,
    StatCY,
    StatCR,
    StatOS,
    StatBTI,
    StatF,
    StatAst,
    StatStl,
    StatBS,
    StatT,
    StatSv,
    StatSF,
    StatPKB,
    StatPKF,
    StatUser1,
    StatUser2,
    StatUser3,
    StatUser4,
    StatUser5,
};

const EnteredStatistic& enteredStatisticAt(int k);

// The code shown beside entry box k: the fixed code, or the user's code for k = 24..28.
QString statisticCode(int k, const UserStatCodeTable& UserStatCodes);
QString statisticLongName(int k);

// Report categories 1..50: where each one comes from.
struct ReportCategory
{
    const char16_t* code;
    int enteredIndex; // statistic index k, or -1 for a computed category or an empty slot
    bool computed;
};
const ReportCategory& reportCategoryAt(int index);

// Fills CategoryCodes 1..50: 1..32 fixed, 33..37 the user's codes, 38..50 three blanks. Every
// entry is a 3-character text.
void fillCategoryCodes(CategoryCodeTable& CategoryCodes, const UserStatCodeTable& UserStatCodes);

// The report category of a statistic index, and back (0 / -1 when there is none).
int reportCategoryOfStatistic(int k);

// The four consistency rules, checked in order; only the first failure is reported.
struct FigureCheckFailure
{
    int rule;        // 1..4
    QString message; // shown with the title "Error", OK only, no icon
    int focusIndex;  // statistic index of the box that gets the focus
};

// `values` holds the numeric values of boxes k = 0..23 (empty text = 0).
std::optional<FigureCheckFailure> checkFigures(const std::array<qint32, 24>& values);

} // namespace scorvane
