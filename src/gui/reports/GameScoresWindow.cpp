#include "gui/reports/GameScoresWindow.h"

#include "core/reports/TeamReportViews.h"
#include "gui/app/WindowHelpers.h"
#include "gui/app/WindowHost.h"

#include <QPushButton>

namespace scorvane {

GameScoresWindow::GameScoresWindow(WindowHost& host)
    : TeamReportWindow(
        host, WindowScores, ReportKind::GameScores, "tblScores", QStringLiteral("Game Scores"))
{
    setObjectName(QStringLiteral("frmScores"));
    setWindowTitle(QStringLiteral("Game Scores - ") + state().teamChoice.currentName);
    longButton_ = makeButton(this, "cmdLong", QStringLiteral("&Long"));
    shortButton_ = makeButton(this, "cmdShort", QStringLiteral("&Short"));
    addButton(longButton_);
    addButton(shortButton_);
    chartButton_ = addTeamChartButton();
    connect(longButton_, &QPushButton::clicked, this, &GameScoresWindow::longClicked);
    connect(shortButton_, &QPushButton::clicked, this, &GameScoresWindow::shortClicked);
    load();
}

void GameScoresWindow::compute()
{
    report_ = gameScoresOf(state());
}

void GameScoresWindow::draw(bool onOpening)
{
    showGrid(report_->grid(form_), 24);
    const ReportButtons shown = report_->buttons(form_, onOpening);
    showButtons(shown);
    longButton_->setVisible(shown.longForm);
    shortButton_->setVisible(shown.shortForm);
    chartButton_->setVisible(shown.print);
}

void GameScoresWindow::showForm(ScoresForm form)
{
    form_ = form;
    recompute();
}

void GameScoresWindow::longClicked()
{
    showForm(ScoresForm::Long);
}

void GameScoresWindow::shortClicked()
{
    showForm(ScoresForm::Short);
}

} // namespace scorvane
