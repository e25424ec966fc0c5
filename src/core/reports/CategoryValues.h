#pragma once

#include "core/entry/Categories.h"

#include <QString>

namespace scorvane {

struct PlayerStatsRow;

// How a report category prints: its heading padded to the print width, the width, and whether
// it is one of the six percentages (printed "##0.0" in 6).
struct CategoryForm
{
    QString heading;
    int width = 0;
    bool percentage = false;
};

inline constexpr int ReportCategoryCount = 37; // codes 38..50 are blank and show nothing

bool isShownCategory(int code); // 1..37
bool isPercentageCategory(int code);
CategoryForm categoryForm(int code, const UserStatCodeTable& userStatCodes);

// The whole-number value of a category for a row (G is the row's games).
qint64 integerValue(const PlayerStatsRow& row, int code);
// The single-precision value of a percentage category.
float percentageValue(const PlayerStatsRow& row, int code);
// The value as the sort compares it: a single-precision float, 0 outside codes 1..37.
float sortValue(const PlayerStatsRow& row, int code);

// A percentage with one decimal: the float's value to its seven significant digits, rounded
// half away from zero ("##0.0", and "####0.0" prints alike).
QString percentageText(float value);

} // namespace scorvane
