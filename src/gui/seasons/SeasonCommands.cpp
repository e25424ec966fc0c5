#include "gui/seasons/SeasonCommands.h"

#include "core/seasons/NewSeason.h"
#include "core/seasons/SeasonViewing.h"
#include "gui/app/ChildWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Prompter.h"
#include "gui/seasons/OpenSeasonDialog.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QVariant>

namespace scorvane {
namespace {

// Items whose windows write the season's files, or that move the data folder away from it.
const char* const WritingItems[] = {"mnuNewSeason", "mnuDataPath", "mnuSampleLeague", "mnuRestore",
    "mnuRoster", "mnuTeamName", "mnuChangePlayerNumber", "mnuDeleteFiles", "mnuImportSpreadsheet"};

const char* const BaseTitle = "seasonBaseTitle";

void backToTeamWindow(MainWindow& main)
{
    main.closeChildWindows();
    main.switchWindow(WindowSelectTeam, nullptr);
    main.selectionChanged(0);
}

std::optional<QString> askSeasonName(MainWindow& main, QString name)
{
    for (;;) {
        name = main.prompter().askText(&main,
            {QStringLiteral("New Season"), QStringLiteral("Name of the season that ended:"), name});
        if (name.isEmpty())
            return std::nullopt;
        const QString problem = seasonNameProblem(name);
        if (problem.isEmpty())
            return name.trimmed();
        main.prompter().tell(
            &main, QStringLiteral("Season Name Invalid"), problem, Message::Icon::Warning);
    }
}

} // namespace

void addSeasonItems(MainWindow& main, QMenu* file)
{
    QAction* newSeason = file->addAction(QStringLiteral("&New Season..."));
    newSeason->setObjectName(QStringLiteral("mnuNewSeason"));
    QObject::connect(newSeason, &QAction::triggered, &main, [&main] { newSeasonCommand(main); });
    QAction* open = file->addAction(QStringLiteral("Open &Season"));
    open->setObjectName(QStringLiteral("mnuOpenSeason"));
    QObject::connect(open, &QAction::triggered, &main, [&main] { openSeasonCommand(main); });
}

void applySeasonMode(MainWindow& main)
{
    if (!main.property(BaseTitle).isValid())
        main.setProperty(BaseTitle, main.windowTitle());
    const QString base = main.property(BaseTitle).toString();
    const QString season = viewedSeasonName(main.state());
    main.setWindowTitle(season.isEmpty()
            ? base
            : base + QStringLiteral(" - Season ") + season + QStringLiteral(" (read-only)"));
    main.menuAction(QStringLiteral("mnuNewSeason"))->setEnabled(season.isEmpty());
    // The title bar may be out of sight (a maximised window, a panel): the status bar says it
    // too, for as long as the archive is viewed.
    auto* note = main.findChild<QLabel*>(QStringLiteral("lblViewedSeason"));
    if (note == nullptr && !season.isEmpty()) {
        note = new QLabel(&main);
        note->setObjectName(QStringLiteral("lblViewedSeason"));
        main.statusBar()->addPermanentWidget(note);
    }
    if (note != nullptr) {
        note->setText(QStringLiteral("Season ") + season + QStringLiteral(" (read-only)"));
        note->setVisible(!season.isEmpty());
    }
    if (season.isEmpty())
        return;
    for (const char* name : WritingItems) {
        if (QAction* action = main.menuAction(QString::fromLatin1(name)))
            action->setEnabled(false);
    }
}

void newSeasonCommand(MainWindow& main)
{
    ChildWindow* open = main.currentChild();
    if (open && !open->queryClose())
        return;
    AppState& state = main.state();
    if (!viewedSeasonName(state).isEmpty()) {
        main.prompter().tell(&main, QStringLiteral("New Season"),
            QStringLiteral("Only the current season can be ended. Choose File > Open Season and "
                           "pick the current season first."),
            Message::Icon::Warning);
        return;
    }
    main.closeChildWindows();
    std::optional<QString> name = askSeasonName(main, defaultSeasonName(state.settings.dataFolder));
    while (name) {
        const Message confirm{QStringLiteral("New Season"),
            QStringLiteral("Every file of the data folder will be kept as the season \"%1\", "
                           "which File > Open Season shows read-only.\n\nThe new season starts "
                           "with the same teams, rosters and contacts and no games or player "
                           "figures.\n\nEnd the season now?")
                .arg(*name),
            Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No};
        if (main.prompter().ask(&main, confirm) != Message::Answer::Yes)
            break;
        NewSeasonResult result;
        {
            BusyPointer busy;
            result = startNewSeason(state, *name);
        }
        if (result.outcome == NewSeasonOutcome::Started) {
            main.prompter().tell(&main, QStringLiteral("New Season"),
                QStringLiteral("The season \"%1\" is kept in\n%2\n\nThe new season has started.")
                    .arg(*name, result.archiveFolder),
                Message::Icon::Information);
        } else if (result.outcome == NewSeasonOutcome::NameTaken
            || result.outcome == NewSeasonOutcome::BadName) {
            main.prompter().tell(&main, QStringLiteral("Season Name Invalid"), result.problem,
                Message::Icon::Warning);
            name = askSeasonName(main, *name);
            continue;
        } else if (!result.problem.isEmpty()) {
            main.prompter().tell(&main, QStringLiteral("New Season"),
                QStringLiteral("The season was not ended: %1. Nothing was removed from the data "
                               "folder.")
                    .arg(result.problem),
                Message::Icon::Warning);
        }
        break;
    }
    backToTeamWindow(main);
}

void openSeasonCommand(MainWindow& main)
{
    ChildWindow* open = main.currentChild();
    if (open && !open->queryClose())
        return;
    AppState& state = main.state();
    main.closeChildWindows();
    const std::vector<ArchivedSeason> seasons = listSeasons(state.files.homeDataFolder());
    const std::optional<SeasonChoice> choice
        = OpenSeasonDialog::choose(&main, seasons, viewedSeasonName(state));
    if (choice && choice->current) {
        returnToCurrentSeason(state);
    } else if (choice) {
        bool opened = false;
        {
            BusyPointer busy;
            opened = openArchivedSeason(state, choice->season);
        }
        if (!opened)
            main.prompter().tell(&main, QStringLiteral("Open Season"),
                QStringLiteral("The season \"%1\" cannot be opened: its files are damaged or "
                               "incomplete (%2).")
                    .arg(choice->season.name,
                        checkSeasonFolder(choice->season.folder,
                            installationId(state.files.homeDataFolder()), SeasonCheck::Contents)),
                Message::Icon::Warning);
    }
    backToTeamWindow(main);
}

} // namespace scorvane
