#include "gui/reports/GameSelection.h"

#include "core/reports/ExplicitGameList.h"
#include "core/reports/ReportSettings.h"
#include "core/state/AppState.h"
#include "gui/reports/ComputeDialog.h"

namespace scorvane {

bool chooseGamesToCount(QWidget* over, AppState& state, Prompter& prompter)
{
    const QList<int> teams = chosenTeams(state.teamChoice);
    const ComputeContext context{state.settings.dataFolder, teams, state.settings.gameTypeNames,
        [&state, &teams](const std::vector<bool>& selected) {
            return storeExplicitList(state.files, static_cast<int>(teams.size()), selected);
        }};
    const std::optional<ReportSelection> chosen
        = ComputeDialog::choose(over, state.reportSelection, context, prompter, state.reporter);
    if (!chosen)
        return false;
    state.reportSelection = *chosen;
    return true;
}

} // namespace scorvane
