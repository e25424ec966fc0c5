#pragma once

#include "core/output/ExportTable.h"
#include "core/reports/GameScoresReport.h"
#include "core/state/ReportSelection.h"

#include <QString>

namespace scorvane {

struct AppState;
class OutputEngine;

// The print dialog's default title of a report kind.
QString defaultReportTitle(ReportKind kind);

// Prints the report of `kind` for the team taken, with the selection and print settings the state
// holds, through `engine`; game scores in `scoresForm`. False when that kind cannot be printed
// yet; every report kind plugs in here. A data file that cannot be read goes to the state's error
// reporter.
bool printReport(ReportKind kind, AppState& state, OutputEngine& engine,
    ScoresForm scoresForm = ScoresForm::Long);

// The same report computed from the same state, as the table a CSV or HTML file holds: its rows
// in the printed order, titled with the print job's title. Files that cannot be read go to the
// error reporter as for printing.
ExportTable reportExportTable(
    ReportKind kind, AppState& state, ScoresForm scoresForm = ScoresForm::Long);

} // namespace scorvane
