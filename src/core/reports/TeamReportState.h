#pragma once

#include "core/reports/TeamReportRun.h"

namespace scorvane {

struct AppState;

// The inputs of a team report as the program-wide state holds them: the data folder, the
// chosen teams (ascending, the current team first among them for record and game scores), the
// names, and the report selection with the menu's report kind.
TeamReportInput teamReportInput(const AppState& state, ScoresForm scoresForm = ScoresForm::Long);

// The print dialog's choices as the state holds them after the dialog closed.
PageChoices pageChoices(const AppState& state);

} // namespace scorvane
