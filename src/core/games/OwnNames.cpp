#include "core/games/OwnNames.h"

#include "core/state/AppState.h"
#include "core/text/Blanks.h"

namespace scorvane {

OwnNames currentOwnNames(const AppState& state)
{
    OwnNames names;
    for (int i = 1; i <= 7; ++i)
        names.gameTypes[static_cast<std::size_t>(i - 1)]
            = rightTrimBlanks(state.settings.gameTypeNames[i]);
    for (int i = 1; i <= 5; ++i)
        names.statCodes[static_cast<std::size_t>(i - 1)]
            = rightTrimBlanks(state.settings.userStatCodes[i]);
    return names;
}

void applyOwnNames(AppState& state, const OwnNames& names)
{
    for (int i = 1; i <= 7; ++i) {
        QString name = trimBlanks(names.gameTypes[static_cast<std::size_t>(i - 1)]);
        if (name.isEmpty())
            name = QStringLiteral("GameType") + QString::number(i);
        state.settings.gameTypeNames[i] = fitWidth(name, 10);
    }
    for (int i = 1; i <= 5; ++i) {
        QString code = trimBlanks(names.statCodes[static_cast<std::size_t>(i - 1)]);
        if (code.isEmpty())
            code = QStringLiteral("KV") + QString::number(i);
        state.settings.userStatCodes[i] = fitWidth(code, 3);
    }
    fillCategoryCodes(state.settings.categoryCodes, state.settings.userStatCodes);
}

} // namespace scorvane
