#include "Shots.h"

#include "core/roster/PlayerContacts.h"
#include "core/teams/TeamSelection.h"
#include "gui/output/DesktopOutput.h"
#include "gui/output/PrintDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace scorvane::shots {

namespace {

// Contact details for a few players of the first sample team, so the roster shows them.
void fillSampleContacts(AppState& state)
{
    PlayerContactTable contacts = readPlayerContacts(state.files);
    contacts[3] = {QStringLiteral("555-0102"), QStringLiteral("14 Harbor Lane"),
        QStringLiteral("Apt 3B"), QStringLiteral("Bayview"), QStringLiteral("CA"),
        QStringLiteral("94010"), QStringLiteral("Prefers left wing; allergic to bees")};
    contacts[5] = {QStringLiteral("555-0105"), QStringLiteral("2 Mill Road"), QString(),
        QStringLiteral("Bayview"), QStringLiteral("CA"), QStringLiteral("94011"), QString()};
    rewritePlayerContacts(state.files, contacts);
}

// The print dialog for a kind of report; with `workbook`, set to write an .xlsx file.
void savePrintDialog(
    ShotContext& context, ReportKind kind, const QString& name, bool workbook = false)
{
    PrintDialog dialog(
        kind, context.state.settings, context.prompter, programPrinter(), &context.mdi);
    if (workbook) {
        auto* type = dialog.findChild<QComboBox*>(QStringLiteral("cmbFileType"));
        type->setCurrentIndex(type->findData(static_cast<int>(OutputFormat::Xlsx)));
        dialog.findChild<QLineEdit*>(QStringLiteral("txtFileName"))
            ->setText(QStringLiteral("players.xlsx"));
    }
    dialog.show();
    context.save(&dialog, name);
    dialog.reject();
}

} // namespace

// Pictures of the roster window with a player's contact details, the print dialog for the roster
// and for player statistics, and the player number window, for the first sample team.
void shotsRoster(ShotContext& context)
{
    TeamLines first{};
    first[0] = true;
    takeTeamSelection(context.state, first);
    fillSampleContacts(context.state);

    QWidget* roster = context.open(WindowRoster);
    if (roster != nullptr) {
        if (auto* list = roster->findChild<QListWidget*>(QStringLiteral("lstPlayerList")))
            list->setCurrentRow(2);
    }
    context.save(roster, QStringLiteral("roster-window"));
    context.saveMain(QStringLiteral("roster-in-main-window"));
    savePrintDialog(context, ReportKind::Roster, QStringLiteral("roster-print-dialog"));
    savePrintDialog(
        context, ReportKind::PlayerStatistics, QStringLiteral("print-dialog-player-statistics"));
    savePrintDialog(context, ReportKind::PlayerStatistics,
        QStringLiteral("print-dialog-player-statistics-workbook"), true);

    context.save(context.open(WindowPlayerNumber), QStringLiteral("roster-player-number"));
    context.mdi.closeChildWindows();
    context.mdi.showWindow(WindowSelectTeam);
}

} // namespace scorvane::shots
