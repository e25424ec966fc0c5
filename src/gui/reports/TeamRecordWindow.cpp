#include "gui/reports/TeamRecordWindow.h"

#include "core/reports/TeamReportViews.h"

#include <QPushButton>

namespace scorvane {

TeamRecordWindow::TeamRecordWindow(WindowHost& host)
    : TeamReportWindow(
        host, WindowRecord, ReportKind::Record, "tblRecord", QStringLiteral("Record"))
{
    setObjectName(QStringLiteral("frmRecord"));
    setWindowTitle(QStringLiteral("Record - ") + state().teamChoice.currentName);
    chartButton_ = addTeamChartButton();
    load();
}

void TeamRecordWindow::compute()
{
    report_ = teamRecordOf(state());
}

void TeamRecordWindow::draw(bool onOpening)
{
    showGrid(report_.grid(state().settings.gameTypeNames), 10);
    const ReportButtons shown = report_.buttons(onOpening);
    showButtons(shown);
    chartButton_->setVisible(shown.print);
}

} // namespace scorvane
