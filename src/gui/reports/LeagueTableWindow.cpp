#include "gui/reports/LeagueTableWindow.h"

#include "core/reports/LeagueRulesFile.h"
#include "core/reports/TeamReportState.h"
#include "core/reports/TeamReportViews.h"
#include "core/state/AppState.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowHelpers.h"
#include "gui/reports/LeagueRulesDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace scorvane {

LeagueTableWindow::LeagueTableWindow(WindowHost& host)
    : TeamReportWindow(host, WindowLeagueTable, ReportKind::LeagueTable, "tblLeague",
        QStringLiteral("League table"))
{
    setObjectName(QStringLiteral("frmLeagueTable"));
    notesLabel_ = makeLabel(this, "lblNotes");
    notesLabel_->setWordWrap(true);
    notesLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Under the grid, above the buttons.
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, notesLabel_);
    QPushButton* rulesButton = makeButton(this, "cmdRules", QStringLiteral("R&ules..."));
    addButton(rulesButton);
    connect(rulesButton, &QPushButton::clicked, this, &LeagueTableWindow::rulesClicked);
    readRulesFile();
    load();
}

void LeagueTableWindow::readRulesFile()
{
    const QString path = leagueRulesPath(state().settings.settingsFolder);
    const LeagueRulesRead read = readLeagueRules(path);
    state().leagueRules = read.rules.value_or(LeagueRules{});
    if (!read.rules)
        prompter().tell(this, QStringLiteral("League Rules File"),
            QStringLiteral("%1 cannot be used: %2.\nThe table uses the default rules until you "
                           "save rules with R&ules...")
                .arg(path, read.error)
                .replace(QStringLiteral("R&ules"), QStringLiteral("Rules")),
            Message::Icon::Warning);
}

void LeagueTableWindow::compute()
{
    report_ = leagueTableOf(state());
}

void LeagueTableWindow::draw(bool /*onOpening*/)
{
    setWindowTitle(QStringLiteral("League Table - ") + report_.table().rules().name);
    showGrid(report_.grid(), 20);
    notesLabel_->setText(report_.notes().join(u'\n'));
    showButtons(ReportButtons{});
}

void LeagueTableWindow::rulesClicked()
{
    const std::optional<LeagueRules> rules = LeagueRulesDialog::edit(this, state().leagueRules,
        state().teamChoice.names, teamReportInput(state()).teams,
        leagueRulesPath(state().settings.settingsFolder), prompter());
    if (!rules)
        return;
    state().leagueRules = *rules;
    recompute();
}

} // namespace scorvane
