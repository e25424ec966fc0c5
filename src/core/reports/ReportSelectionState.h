#pragma once

#include "core/reports/ReportFormatList.h"
#include "core/state/ReportSelection.h"

namespace scorvane {

struct AppState;

// The report selection and the report's columns and sort as the program state holds them, read
// and written in one place so that the windows work on typed values only.
ReportSelection reportSelectionOf(const AppState& state);
void storeReportSelection(AppState& state, const ReportSelection& selection);

// The current report columns (50 slots) and sort.
ChosenFormat reportFormatOf(const AppState& state);
void storeReportFormat(AppState& state, const ChosenFormat& format);

// The team slots chosen in the team window, ascending; the current team alone when none is.
QList<int> chosenTeams(const AppState& state);

} // namespace scorvane
