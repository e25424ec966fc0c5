#include "core/roster/RosterTable.h"

#include "core/state/AppState.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

namespace scorvane {

namespace {
constexpr int NameWidth = 17;
}

QString playerListLine(const AppState& state, int number)
{
    const QString prefix = number <= 9 ? QStringLiteral(" ") : QString();
    const QString digits = padText(QString::number(number), 2, Align::Right);
    if (!state.roster.free[number])
        return prefix + digits + u' ' + fitWidth(state.roster.names[number], NameWidth);
    return prefix + digits + u' ' + QString(20, u'_');
}

void freeRosterSlot(AppState& state, int number)
{
    state.roster.free[number] = true;
    state.roster.names[number] = fitWidth(QStringLiteral("player") + numberText(number), NameWidth);
}

NameEdit applyNameEdit(AppState& state, int number, const QString& typed)
{
    const QString name = trimBlanks(typed);
    const bool used = !state.roster.free[number];
    if (name.isEmpty() && !used)
        return NameEdit::Unchanged;
    if (used && name == trimBlanks(state.roster.names[number]))
        return NameEdit::Unchanged;
    if (name.isEmpty()) {
        freeRosterSlot(state, number);
        return NameEdit::Freed;
    }
    state.roster.free[number] = false;
    state.roster.names[number] = fitWidth(name, NameWidth);
    return NameEdit::Named;
}

} // namespace scorvane
