#include "core/reports/TeamReportState.h"

#include "core/seasons/SeasonViewing.h"

#include "core/state/AppState.h"

namespace scorvane {

TeamReportInput teamReportInput(const AppState& state, ScoresForm scoresForm)
{
    TeamReportInput input;
    input.dataFolder = state.settings.dataFolder;
    if (state.reportSelection.kind == ReportKind::Standings
        || state.reportSelection.kind == ReportKind::LeagueTable) {
        for (int slot = 1; slot <= 100; ++slot) {
            if (state.teamChoice.selected[slot])
                input.teams << slot;
        }
    } else {
        input.teams << state.teamChoice.currentSlot;
    }
    input.teamNames = state.teamChoice.names;
    input.gameTypeNames = state.settings.gameTypeNames;
    input.selection = state.reportSelection;
    input.scoresForm = scoresForm;
    input.leagueRules = state.leagueRules;
    return input;
}

PageChoices pageChoices(const AppState& state)
{
    return PageChoices{withSeasonName(state, state.printJob.title), state.printJob.copies,
        state.settings.linesPerPage};
}

} // namespace scorvane
