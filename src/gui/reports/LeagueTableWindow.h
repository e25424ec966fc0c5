#pragma once

#include "core/reports/LeagueTableReport.h"
#include "gui/reports/TeamReportWindow.h"

class QLabel;

namespace scorvane {

// The chosen teams in a league table by the saved league rules, with the rule that placed each
// team below the one above it and the notes under the grid. "R&ules..." edits and saves the
// rules, then ranks again. The current team stays as it was.
class LeagueTableWindow : public TeamReportWindow
{
    Q_OBJECT

public:
    explicit LeagueTableWindow(WindowHost& host);

private:
    void compute() override;
    void draw(bool onOpening) override;
    // Takes the rules from their file; a file that cannot be used is named to the user and the
    // default rules rank the teams until rules are saved again.
    void readRulesFile();
    void rulesClicked();

    LeagueTableReport report_;
    QLabel* notesLabel_ = nullptr;
};

} // namespace scorvane
