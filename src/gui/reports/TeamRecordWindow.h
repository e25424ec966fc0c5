#pragma once

#include "core/reports/TeamRecordReport.h"
#include "gui/reports/TeamReportWindow.h"

namespace scorvane {

// The current team's won-lost record by game type with goals and winning percentage, over the
// counted games; it prints and opens the chart of the team's goals.
class TeamRecordWindow : public TeamReportWindow
{
    Q_OBJECT

public:
    explicit TeamRecordWindow(WindowHost& host);

private:
    void compute() override;
    void draw(bool onOpening) override;

    TeamRecordReport report_;
    QPushButton* chartButton_ = nullptr;
};

} // namespace scorvane
