#pragma once

#include "core/state/AppState.h"
#include "gui/app/ChildWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Prompter.h"

#include <QList>
#include <QSize>
#include <QString>

#include <initializer_list>

class QWidget;

namespace scorvane::shots {

// Answers every message box with its default button at once and never blocks; remembers what
// was asked so a picture of the last message can be described in the log.
class ShotPrompter : public Prompter
{
public:
    QList<Message> asked;
    Message::Answer ask(QWidget* over, const Message& message) override;
    QString saveFileName(QWidget* over, const FileQuestion& question) override;
    QString askText(QWidget* over, const TextQuestion& question) override;
    bool printerSetup(QWidget* over, QPrinter& printer) override;
};

// What every area's screenshot function works with: the real main window on a temporary data
// folder filled by fillSampleData, the program state, and the prompter.
struct ShotContext
{
    MainWindow& mdi;
    AppState& state;
    ShotPrompter& prompter;
    QString outDir;

    // Lets pending paint and layout events run, then grabs `w` into OUTDIR/name.png.
    void save(QWidget* w, const QString& name);
    // Pictures the next modal dialog once it runs (a window's exec() does not return before it
    // closes), at `size` when one is given, then closes it. Call it just before what opens it.
    void saveNextModal(const QString& name, QSize size = {});
    // Grabs the whole main window (menus, tool box and the child window in place).
    void saveMain(const QString& name) { save(&mdi, name); }
    // Opens a window of `kind` as the menus do (the one child window) and returns it, or null
    // when that kind has no window yet.
    QWidget* open(WindowKind kind);
    // Runs a Reports menu command (its item's objectName) with the given teams chosen and
    // returns the report's window, or null when none opened.
    ChildWindow* openReport(const char* menuItem, std::initializer_list<int> slots);
    // Lets pending events run (windows that open a message or another window on a timer).
    static void settle();
};

// Sample data: teams 1-3 named, team 1 with a roster of 14 players, 6 games and every player's
// figures in each game, team 2 with a short roster and 3 games.
void fillSampleData(AppState& state);

// One function per window area; each opens its windows and saves their pictures. The team
// reports also write an HTML page of a report into OUTDIR/html for tools/screenshots to picture.
void shotsShell(ShotContext& context);
void shotsRoster(ShotContext& context);
void shotsGames(ShotContext& context);
void shotsEntry(ShotContext& context);
void shotsPlayerStatistics(ShotContext& context);
void shotsTeamReports(ShotContext& context);
void shotsImport(ShotContext& context);
void shotsSeasons(ShotContext& context);

} // namespace scorvane::shots
