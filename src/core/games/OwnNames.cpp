#include "core/games/OwnNames.h"

#include "core/state/AppState.h"
#include "core/text/Blanks.h"

namespace scorvane {

OwnNames CurrentOwnNames(const AppState& state)
{
    OwnNames names;
    for (int i = 1; i <= 7; ++i)
        names.gameTypes[static_cast<std::size_t>(i - 1)] = RightTrimBlanks(state.GameTypeNames[i]);
    for (int i = 1; i <= 5; ++i)
        names.statCodes[static_cast<std::size_t>(i - 1)] = RightTrimBlanks(state.UserStatCodes[i]);
    return names;
}

void ApplyOwnNames(AppState& state, const OwnNames& names)
{
    for (int i = 1; i <= 7; ++i) {
        QString name = TrimBlanks(names.gameTypes[static_cast<std::size_t>(i - 1)]);
        if (name.isEmpty())
            name = QStringLiteral("GameType") + QString::number(i);
        state.GameTypeNames[i] = FitWidth(name, 10);
    }
    for (int i = 1; i <= 5; ++i) {
        QString code = TrimBlanks(names.statCodes[static_cast<std::size_t>(i - 1)]);
        if (code.isEmpty())
            code = QStringLiteral("KV") + QString::number(i);
        state.UserStatCodes[i] = FitWidth(code, 3);
    }
    FillCategoryCodes(state.CategoryCodes, state.UserStatCodes);
}

} // namespace scorvane
