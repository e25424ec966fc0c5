#include "gui/reports/StandingsWindow.h"

#include "core/reports/TeamReportViews.h"

namespace scorvane {

StandingsWindow::StandingsWindow(WindowHost& host)
    : TeamReportWindow(
        host, WindowStandings, ReportKind::Standings, "tblStandings", QStringLiteral("Standings"))
{
    setObjectName(QStringLiteral("frmStandings"));
    setWindowTitle(QStringLiteral("Standings"));
    load();
}

void StandingsWindow::compute()
{
    report_ = standingsOf(state());
}

void StandingsWindow::draw(bool /*onOpening*/)
{
    // Every chosen team has a line, with or without games, so there is always something to print.
    showGrid(report_.grid(), 20);
    showButtons(ReportButtons{});
}

} // namespace scorvane
