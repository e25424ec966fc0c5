#include "gui/reports/GameSelection.h"

#include "core/reports/ReportSelectionState.h"
#include "core/state/AppState.h"
#include "gui/reports/ComputeDialog.h"

namespace scorvane {

bool chooseGamesToCount(QWidget* over, AppState& state, Prompter& prompter)
{
    const ComputeContext context{state.DataPath, chosenTeams(state), state.GameTypeNames};
    const std::optional<ReportSelection> chosen
        = ComputeDialog::choose(over, reportSelectionOf(state), context, prompter, state.Reporter);
    if (!chosen)
        return false;
    storeReportSelection(state, *chosen);
    return true;
}

} // namespace scorvane
