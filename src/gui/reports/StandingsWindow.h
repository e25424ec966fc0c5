#pragma once

#include "core/reports/StandingsReport.h"
#include "gui/reports/TeamReportWindow.h"

namespace scorvane {

// The chosen teams ranked by winning percentage, each from its own game file over the counted
// games, with streaks, goals and games behind the leader. The current team stays as it was.
class StandingsWindow : public TeamReportWindow
{
    Q_OBJECT

public:
    explicit StandingsWindow(WindowHost& host);

private:
    void compute() override;
    void draw(bool onOpening) override;

    StandingsReport report_;
};

} // namespace scorvane
