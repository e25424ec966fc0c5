#include "gui/reports/TeamReportWindow.h"

#include "core/output/ReportPrinting.h"
#include "core/reports/TeamReportViews.h"
#include "gui/app/WindowHelpers.h"
#include "gui/app/WindowHost.h"
#include "gui/output/DesktopOutput.h"
#include "gui/reports/ChartWindow.h"
#include "gui/reports/GameSelection.h"
#include "gui/reports/ReportTables.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace scorvane {

TeamReportWindow::TeamReportWindow(WindowHost& host, WindowKind kind, ReportKind report,
    const char* gridName, const QString& gridTitle)
    : ChildWindow(host, kind)
    , report_(report)
{
    reportTable_ = named(new QTableWidget(this), gridName);
    reportTable_->setAccessibleName(gridTitle);
    setUpReportTable(reportTable_);
    // The last column takes up what the buttons below leave over, so no empty strip shows.
    reportTable_->horizontalHeader()->setStretchLastSection(true);
    computeButton_ = makeButton(this, "cmdCompute", QStringLiteral("&Compute"));
    printButton_ = makeButton(this, "cmdPrint", QStringLiteral("&Print"));
    closeButton_ = makeButton(this, "cmdClose", QStringLiteral("Close"));

    buttonRow_ = new QHBoxLayout;
    buttonRow_->addWidget(computeButton_);
    buttonRow_->addWidget(printButton_);
    buttonRow_->addStretch();
    buttonRow_->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reportTable_, 1);
    layout->addLayout(buttonRow_);
    setDialogKeys(nullptr, closeButton_);

    connect(computeButton_, &QPushButton::clicked, this, &TeamReportWindow::computeClicked);
    connect(printButton_, &QPushButton::clicked, this, &TeamReportWindow::printClicked);
    connect(closeButton_, &QPushButton::clicked, this, &TeamReportWindow::closeClicked);
}

void TeamReportWindow::load()
{
    BusyPointer busy;
    compute();
    draw(true);
}

void TeamReportWindow::addButton(QPushButton* button)
{
    buttonRow_->insertWidget(buttonRow_->indexOf(printButton_), button);
}

void TeamReportWindow::showGrid(const ReportGrid& grid, int visibleRows)
{
    const int columnsWidth = showReportGrid(reportTable_, grid);
    const int rows = static_cast<int>(grid.rows.size());
    const bool scrolls = rows > visibleRows;
    const QHeaderView* heading = reportTable_->horizontalHeader();
    const int height
        = std::clamp(rows, 1, visibleRows) * reportTable_->verticalHeader()->defaultSectionSize()
        + (heading->isHidden() ? 0 : heading->sizeHint().height()) + 2 * reportTable_->frameWidth();
    // A short report is shown whole without room to spare; a long one scrolls and the window
    // may be made taller.
    reportTable_->setMinimumHeight(height);
    reportTable_->setMaximumHeight(scrolls ? QWIDGETSIZE_MAX : height);
    // Scroll bars left over from a longer report would hide the last row and column.
    const Qt::ScrollBarPolicy bars = scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    reportTable_->setVerticalScrollBarPolicy(bars);
    reportTable_->setHorizontalScrollBarPolicy(bars);
    showColumnsWidth(reportTable_, columnsWidth, host().mainWidget(), 360, scrolls, this);
}

void TeamReportWindow::recompute()
{
    BusyPointer busy;
    compute();
    draw(false);
    // The window follows the grid: shorter for a shorter report, as at opening.
    if (QWidget* frame = parentWidget(); frame != nullptr && frame->isVisible()) {
        layout()->activate();
        const QSize border = frame->size() - size();
        frame->resize(sizeHint().expandedTo(minimumSizeHint()) + border);
    }
}

void TeamReportWindow::showButtons(const ReportButtons& shown)
{
    computeButton_->setVisible(shown.compute);
    printButton_->setVisible(shown.print);
}

QPushButton* TeamReportWindow::addTeamChartButton()
{
    QPushButton* button = makeButton(this, "cmdChart", QStringLiteral("C&hart"));
    addButton(button);
    connect(button, &QPushButton::clicked, this, &TeamReportWindow::showTeamChart);
    return button;
}

void TeamReportWindow::showTeamChart()
{
    ChartWindow chart(prompter(), teamChartOf(state()), ChartWindow::Style::Bars, this);
    chart.exec();
}

void TeamReportWindow::computeClicked()
{
    if (!chooseGamesToCount(this, state(), prompter()))
        return;
    recompute();
}

void TeamReportWindow::printClicked()
{
    if (!showPrintDialog(this, report_, state(), prompter()))
        return;
    BusyPointer busy;
    DesktopOutput output(this, state(), prompter());
    const ScoresForm form = printedForm();
    output.deliver([&](OutputEngine& engine) { printReport(report_, state(), engine, form); },
        [&] { return reportExportTable(report_, state(), form); });
    output.tellWhereWritten(host());
}

void TeamReportWindow::closeClicked()
{
    returnToTeamWindow();
}

} // namespace scorvane
