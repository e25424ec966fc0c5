#pragma once

#include "core/output/PrintJob.h"
#include "core/reports/LeagueRules.h"
#include "core/state/CurrentGame.h"
#include "core/state/ProgramSettings.h"
#include "core/state/ReportSelection.h"
#include "core/state/Roster.h"
#include "core/state/TeamChoice.h"
#include "core/store/DataFiles.h"

#include <QString>

namespace scorvane {

// The program's state: one instance, owned by the program and passed to every window and report.
// Each part has one purpose; the file layer names its files from the settings' folders and the
// current team's slot at the moment a file is opened.
struct AppState
{
    explicit AppState(ErrorReporter& errorReporter)
        : files(settings, teamChoice.currentSlot, errorReporter)
        , reporter(errorReporter)
    { }
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    ProgramSettings settings;
    TeamChoice teamChoice;
    Roster roster;
    CurrentGame currentGame;
    ReportSelection reportSelection;
    PrintJob printJob;
    LeagueRules leagueRules; // the league table's rules and deductions, kept in their own file
    QString helpFilePath;    // the help contents page found at start-up

    DataFiles files;
    ErrorReporter& reporter; // where file faults outside DataFiles (copies) go
};

} // namespace scorvane
