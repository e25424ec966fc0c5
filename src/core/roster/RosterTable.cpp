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
    const QString digits = padText(QString::number(number), 2, QStringLiteral("L"));
    if (state.RosterFree[number] == u"N")
        return prefix + digits + u' ' + fitWidth(state.RosterNames[number], NameWidth);
    return prefix + digits + u' ' + QString(20, u'_');
}

void freeRosterSlot(AppState& state, int number)
{
    state.RosterFree[number] = QStringLiteral("Y");
    state.RosterNames[number] = fitWidth(QStringLiteral("player") + numberText(number), NameWidth);
}

NameEdit applyNameEdit(AppState& state, int number, const QString& typed)
{
    const QString name = trimBlanks(typed);
    const bool used = state.RosterFree[number] == u"N";
    if (name.isEmpty() && !used)
        return NameEdit::Unchanged;
    if (used && name == trimBlanks(state.RosterNames[number]))
        return NameEdit::Unchanged;
    if (name.isEmpty()) {
        freeRosterSlot(state, number);
        return NameEdit::Freed;
    }
    state.RosterFree[number] = QStringLiteral("N");
    state.RosterNames[number] = fitWidth(name, NameWidth);
    return NameEdit::Named;
}

} // namespace scorvane
