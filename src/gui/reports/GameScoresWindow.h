#pragma once

#include "core/reports/GameScoresReport.h"
#include "gui/reports/TeamReportWindow.h"

#include <optional>

namespace scorvane {

// The current team's counted games with both teams' goals and the result, in the long form
// (both teams, the place and the comment) or the short form (one row a game); it prints the
// form shown and opens the chart of the team's goals.
class GameScoresWindow : public TeamReportWindow
{
    Q_OBJECT

public:
    explicit GameScoresWindow(WindowHost& host);

private:
    void compute() override;
    void draw(bool onOpening) override;
    ScoresForm printedForm() const override { return form_; }
    void longClicked();
    void shortClicked();
    void showForm(ScoresForm form);

    std::optional<GameScoresReport> report_;
    ScoresForm form_ = ScoresForm::Long;
    QPushButton* longButton_ = nullptr;
    QPushButton* shortButton_ = nullptr;
    QPushButton* chartButton_ = nullptr;
};

} // namespace scorvane
