#include "core/reports/TeamReportState.h"

#include "core/state/AppState.h"

namespace scorvane {

namespace {

ReportKind kindOfLetter(const QString& letter)
{
    if (letter == u"R")
        return ReportKind::Record;
    if (letter == u"G")
        return ReportKind::GameScores;
    if (letter == u"S")
        return ReportKind::Standings;
    return letter == u"X" ? ReportKind::Roster : ReportKind::PlayerStatistics;
}

} // namespace

TeamReportInput teamReportInput(const AppState& state, ScoresForm scoresForm)
{
    TeamReportInput input;
    input.dataFolder = state.DataPath;
    if (state.ReportKind == u"S") {
        for (int slot = 1; slot <= 100; ++slot) {
            if (state.TeamSelected[slot] == u"Y")
                input.teams << slot;
        }
    } else {
        input.teams << state.TeamSlot;
    }
    input.teamNames = state.TeamNames;
    input.gameTypeNames = state.GameTypeNames;
    ReportSelection& selection = input.selection;
    selection.kind = kindOfLetter(state.ReportKind);
    selection.fromGame = state.FromGame;
    selection.toGame = state.ToGame;
    for (int type = 1; type <= 7; ++type)
        selection.typeCounted[static_cast<std::size_t>(type - 1)] = state.GameTypeOn[type];
    selection.allTypesCounted = state.AllGameTypes;
    selection.onlySelectedGames = state.UseSpecialSelect;
    input.scoresForm = scoresForm;
    return input;
}

PageChoices pageChoices(const AppState& state)
{
    return PageChoices{state.ReportTitle, state.CopiesLeft, state.LinesPerPage};
}

} // namespace scorvane
