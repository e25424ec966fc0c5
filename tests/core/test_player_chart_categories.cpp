#include "core/reports/PlayerChart.h"

#include <gtest/gtest.h>

using namespace scorvane;

// User-named statistics go by the user's code, or by their number when the code is blank;
// blank slots, codes past 37 and computed categories are left out.
TEST(PlayerChartCategories, NamesTheUsersStatisticsAndSkipsTheRest)
{
    UserStatCodeTable userCodes;
    userCodes[1] = QStringLiteral("Hdr");
    userCodes[2] = QStringLiteral("   ");
    const QList<ChartCategory> categories
        = chartCategories({33, 34, 1, 0, 45, 29, 7, 33}, userCodes);
    ASSERT_EQ(categories.size(), 3);
    EXPECT_EQ(categories[0].code, 33);
    EXPECT_EQ(categories[0].name, QStringLiteral("Hdr"));
    EXPECT_EQ(categories[1].code, 34);
    EXPECT_EQ(categories[1].name, QStringLiteral("User Defined Field 2"));
    EXPECT_EQ(categories[2].code, 7);
    EXPECT_EQ(categories[2].name, QStringLiteral("Goals Scored"));
}
