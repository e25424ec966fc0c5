#include "gui/reports/GameSelection.h"

#include "core/reports/ReportSettings.h"
#include "core/state/AppState.h"
#include "gui/reports/ComputeDialog.h"

namespace scorvane {

bool chooseGamesToCount(QWidget* over, AppState& state, Prompter& prompter)
{
    const ComputeContext context{
        state.settings.dataFolder, chosenTeams(state.teamChoice), state.settings.gameTypeNames};
    const std::optional<ReportSelection> chosen
        = ComputeDialog::choose(over, state.reportSelection, context, prompter, state.reporter);
    if (!chosen)
        return false;
    state.reportSelection = *chosen;
    return true;
}

} // namespace scorvane
