#include "Shots.h"

#include "core/reports/ReportFormatFile.h"
#include "core/reports/ReportSettings.h"
#include "gui/reports/ComputeDialog.h"
#include "gui/reports/FormatEditorDialog.h"
#include "gui/reports/FormatListDialog.h"
#include "gui/reports/MinimumDialog.h"
#include "gui/reports/SelectPlayerDialog.h"
#include "gui/reports/SortDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

namespace scorvane::shots {

namespace {

// Shows a dialog without waiting for it, saves its picture and closes it.
void shoot(ShotContext& context, QDialog& dialog, const QString& name)
{
    dialog.show();
    context.save(&dialog, name);
    dialog.close();
}

} // namespace

void shotsPlayerStatistics(ShotContext& context)
{
    AppState& state = context.state;
    ChildWindow* report = context.openReport("mnuPlayer", {1});
    context.saveMain(QStringLiteral("player-stats-one-team"));

    // The dialogs, above the report.
    ComputeDialog compute(state.reportSelection,
        ComputeContext{state.settings.dataFolder, chosenTeams(state.teamChoice),
            state.settings.gameTypeNames, {}},
        context.prompter, state.reporter, report);
    shoot(context, compute, QStringLiteral("player-stats-compute"));
    FormatListDialog formats(FormatListContext{state.settings.reportFolder,
                                 ReportKind::PlayerStatistics, state.settings.categoryCodes},
        context.prompter, state.reporter, report);
    shoot(context, formats, QStringLiteral("player-stats-format-list"));
    ReportFormatRecord scoring = startingFormats().at(1);
    FormatEditorDialog editor(scoring, state.settings.categoryCodes, report);
    shoot(context, editor, QStringLiteral("player-stats-format-editor"));
    SortDialog sort(state.settings.categoryCodes, SortChoice{7, SortOrder::Descending}, report);
    shoot(context, sort, QStringLiteral("player-stats-sort"));
    MinimumDialog minimum(MinimumKind::GamesPlayed, 3, report);
    shoot(context, minimum, QStringLiteral("player-stats-minimum"));
    SelectPlayerDialog player(state.roster.names, 3, report);
    shoot(context, player, QStringLiteral("player-stats-select-player"));

    // A minimum of 9 shots on goal on the one team's report.
    if (report != nullptr) {
        QTimer::singleShot(0, qApp, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr)
                return;
            dialog->findChild<QRadioButton*>(QStringLiteral("optOther"))->setChecked(true);
            auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("txtMin"));
            box->setText(QStringLiteral("9"));
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        report->findChild<QPushButton*>(QStringLiteral("cmdMin"))->click();
        context.saveMain(QStringLiteral("player-stats-minimum-split"));

        // One player's games.
        QTimer::singleShot(0, qApp, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr)
                return;
            dialog->findChild<QListWidget*>(QStringLiteral("lstPlayers"))->setCurrentRow(2);
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        report->findChild<QPushButton*>(QStringLiteral("cmdPlayer"))->click();
        context.saveMain(QStringLiteral("player-stats-one-player"));

        // That player's goals game by game, as the report's Chart button draws them.
        auto* statistic = report->findChild<QComboBox*>(QStringLiteral("cboChartCategory"));
        statistic->setCurrentIndex(
            std::max(0, statistic->findText(QStringLiteral("Goals Scored"))));
        context.saveNextModal(QStringLiteral("chart-player"), QSize(1000, 560));
        report->findChild<QPushButton*>(QStringLiteral("cmdChart"))->click();
    }

    ChildWindow* teams = context.openReport("mnuPlayer", {1, 2});
    context.saveMain(QStringLiteral("player-stats-two-teams"));

    // Over several teams the explicit list is empty and one player can be chosen instead.
    ComputeDialog computeTeams(state.reportSelection,
        ComputeContext{state.settings.dataFolder, chosenTeams(state.teamChoice),
            state.settings.gameTypeNames, {}},
        context.prompter, state.reporter, teams);
    shoot(context, computeTeams, QStringLiteral("player-stats-compute-two-teams"));

    // In a narrow window the names and teams stay in view while the figures scroll.
    if (teams != nullptr) {
        auto* grid = teams->findChild<QTableWidget*>(QStringLiteral("tblStats"));
        grid->setMinimumWidth(0);
        teams->parentWidget()->resize(640, teams->parentWidget()->height());
        ShotContext::settle();
        grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
        grid->verticalScrollBar()->setValue(3);
        context.saveMain(QStringLiteral("player-stats-scrolled"));
    }
    context.mdi.closeChildWindows();
    for (int slot = 2; slot <= 100; ++slot)
        state.teamChoice.selected[slot] = false;
}

} // namespace scorvane::shots
