#include "core/reports/GameTest.h"

#include "core/text/Blanks.h"

#include <utility>

namespace scorvane {

GameRange checkGameRange(const QString& fromText, const QString& toText)
{
    GameRange range;
    const qint64 from = numericValue(fromText);
    const qint64 to = numericValue(toText);
    const QString mustBe = QStringLiteral("Must be 1 to 999");
    if (from <= 0) {
        range.problem = GameRangeProblem{QStringLiteral("From Game Invalid"), mustBe, true};
        return range;
    }
    if (to <= 0) {
        range.problem = GameRangeProblem{QStringLiteral("To Game Invalid"), mustBe, false};
        return range;
    }
    range.fromGame = static_cast<int>(from);
    range.toGame = static_cast<int>(to);
    if (range.fromGame > range.toGame)
        std::swap(range.fromGame, range.toGame);
    return range;
}

} // namespace scorvane
