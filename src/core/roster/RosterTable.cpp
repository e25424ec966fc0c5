#include "core/roster/RosterTable.h"

#include "core/state/AppState.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

namespace scorvane {

namespace {
constexpr int NameWidth = 17;
}

QString PlayerListLine(const AppState& state, int number)
{
    const QString prefix = number <= 9 ? QStringLiteral(" ") : QString();
    const QString digits = PadText(QString::number(number), 2, QStringLiteral("L"));
    if (state.RosterFree[number] == u"N")
        return prefix + digits + u' ' + FitWidth(state.RosterNames[number], NameWidth);
    return prefix + digits + u' ' + QString(20, u'_');
}

void FreeRosterSlot(AppState& state, int number)
{
    state.RosterFree[number] = QStringLiteral("Y");
    state.RosterNames[number] = FitWidth(QStringLiteral("player") + NumberText(number), NameWidth);
}

NameEdit ApplyNameEdit(AppState& state, int number, const QString& typed)
{
    const QString name = TrimBlanks(typed);
    const bool used = state.RosterFree[number] == u"N";
    if (name.isEmpty() && !used)
        return NameEdit::Unchanged;
    if (used && name == TrimBlanks(state.RosterNames[number]))
        return NameEdit::Unchanged;
    if (name.isEmpty()) {
        FreeRosterSlot(state, number);
        return NameEdit::Freed;
    }
    state.RosterFree[number] = QStringLiteral("N");
    state.RosterNames[number] = FitWidth(name, NameWidth);
    return NameEdit::Named;
}

} // namespace scorvane
