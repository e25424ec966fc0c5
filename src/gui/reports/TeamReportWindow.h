#pragma once

#include "core/reports/GameScoresReport.h"
#include "core/reports/ReportGrid.h"
#include "core/state/ReportSelection.h"
#include "gui/app/ChildWindow.h"

class QHBoxLayout;
class QTableWidget;

namespace scorvane {

// What the record, game scores and standings windows share: the report's grid, "&Compute" (the
// Compute window, then the report again), "&Print" (the print dialog, then the same printout as
// the report tool), "Close", and room for the report's own buttons between them.
class TeamReportWindow : public ChildWindow
{
    Q_OBJECT

public:
    TeamReportWindow(WindowHost& host, WindowKind kind, ReportKind report, const char* gridName,
        const QString& gridTitle);

protected:
    // Builds the report from the program state as it stands now.
    virtual void compute() = 0;
    // Shows the report built last; `onOpening` only on the first time.
    virtual void draw(bool onOpening) = 0;
    // The form Print prints the game scores in.
    virtual ScoresForm printedForm() const { return ScoresForm::Long; }

    // Computes and draws for the first time; called at the end of the report window's
    // constructor, once its own buttons are in place.
    void load();
    // Computes and draws again (after Compute, or for another form).
    void recompute();
    // Puts a button of the report's own before "&Print".
    void addButton(QPushButton* button);
    // Shows the grid, with every column as wide as its text and the window as wide as the grid
    // when there is room; at most `visibleRows` rows are shown without scrolling.
    void showGrid(const ReportGrid& grid, int visibleRows);
    void showButtons(const ReportButtons& shown);
    // Puts "C&hart" (the chart of the current team's goals in the counted games) after the
    // buttons added so far; the report shows it when it has something to print.
    QPushButton* addTeamChartButton();

    QTableWidget* table() const { return reportTable_; }

private:
    void computeClicked();
    void printClicked();
    void closeClicked();
    void showTeamChart();

    ReportKind report_;
    QTableWidget* reportTable_ = nullptr;
    QHBoxLayout* buttonRow_ = nullptr;
    QPushButton* computeButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace scorvane
