#include "TestSupport.h"

#include "core/reports/PlayerChart.h"

#include <gtest/gtest.h>

using namespace scorvane;
using namespace scorvane::testing;

// User-named statistics go by the user's code, or by their number when the code is blank;
// blank slots, codes past 37 and computed categories are left out.
TEST(PlayerChartCategories, NamesTheUsersStatisticsAndSkipsTheRest)
{
    UserStatCodeTable userCodes;
    userCodes[1] = QStringLiteral("Hdr");
    userCodes[2] = QStringLiteral("   ");
    const QList<ChartCategory> categories
        = chartCategories({33, 34, 1, 0, 45, 29, 7, 33}, userCodes);
    QStringList shown;
    for (const ChartCategory& category : categories)
        shown << QString::number(category.code) + u' ' + category.name;
    EXPECT_EQ(shown, texts({"33 Hdr", "34 User Defined Field 2", "7 Goals Scored"}));
}
