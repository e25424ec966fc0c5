#pragma once

#include "../core/GameBytes.h"
#include "core/state/StartUp.h"
#include "gui/app/ChildWindow.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowFactory.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

class QTableWidget;

namespace scorvane::testing {

// Answers every question from a script and records what was asked. With no scripted answer left,
// it answers the box's default button.
class ScriptedPrompter : public Prompter
{
public:
    QList<Message> asked;
    std::deque<Message::Answer> answers;
    std::deque<QString> fileNames;
    QList<FileQuestion> fileQuestions;
    std::deque<QString> texts;
    int printerSetups = 0;

    Message::Answer ask(QWidget* over, const Message& message) override;
    QString saveFileName(QWidget* over, const FileQuestion& question) override;
    QString openFileName(QWidget* over, const FileQuestion& question) override; // as saveFileName
    QString askText(QWidget* over, const TextQuestion& question) override;
    bool printerSetup(QWidget* over, QPrinter& printer) override;

    // The last message asked, or an empty one.
    Message last() const { return asked.isEmpty() ? Message{} : asked.constLast(); }
    bool wasAsked(const QString& title, const QString& text) const;
};

// What a chart window shows: its title, its bottom labels and its first line's values.
struct ShownChart
{
    QString title;
    QStringList labels;
    QList<double> values;
};

// A widget of a dialog by objectName.
template <typename W> W* in(const QWidget* dialog, const char* name)
{
    return dialog->findChild<W*>(QString::fromLatin1(name));
}
// Clicks a dialog's button with the mouse.
void press(const QWidget* dialog, const char* button);
// Types into a dialog's text boxes: (objectName, text) pairs.
void fill(const QWidget* dialog, std::initializer_list<std::pair<const char*, const char*>> boxes);

// A main window on fresh temporary data and settings folders, with every window registered.
// XDG_CONFIG_HOME points into the temporary folder as well.
struct GuiFixture
{
    QTemporaryDir dir;
    RecordingReporter reporter;
    ScriptedPrompter prompter;
    std::unique_ptr<AppState> state;
    WindowFactory factory;
    std::unique_ptr<MainWindow> mdi;

    GuiFixture();
    // Closes the child windows and deletes those left for later while the state still lives.
    ~GuiFixture();
    GuiFixture(const GuiFixture&) = delete;
    GuiFixture& operator=(const GuiFixture&) = delete;

    QString dataPath() const { return state->settings.dataFolder; }
    // Loads the team list (created with default names when missing) as start-up does.
    void loadTeamList();
    // Writes a file in the data folder.
    void writeDataFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readDataFile(const QString& name) const;
    // Loads the team list, names the team in `slot` in it when `name` is given, and chooses that
    // team as the team window does.
    void chooseTeam(int slot = 1, const QString& name = {});
    // Loads the team list with the teams in slots 1, 2 ... named (long and short alike).
    void nameTeams(std::initializer_list<const char*> names);
    // Shows the main window as the active one.
    void showMain();

    // Runs a Reports menu command (its item's objectName) with the given teams chosen; returns
    // the window shown then.
    ChildWindow* runReport(const char* menuItem, std::initializer_list<int> slots);

    ChildWindow* current() const { return mdi->currentChild(); }
    // The objectName of the current child window, or empty when none is shown.
    QString currentName() const { return current() ? current()->objectName() : QString(); }
    ChildWindow* open(WindowKind kind)
    {
        mdi->showWindow(kind);
        return current();
    }
    // A widget of the current child window by objectName.
    template <typename W> W* child(const char* name) const
    {
        return current() ? current()->findChild<W*>(QString::fromLatin1(name)) : nullptr;
    }
    void click(const char* button) const;
    // The texts of the current window's labels, boxes, combo boxes and buttons by objectName
    // ("?" for a name not found).
    QStringList textsOf(std::initializer_list<const char*> names) const;

    // Program folders under the temporary folder, as start-up looks for them.
    ProgramFolders tempFolders() const;
    QString settingsPath() const;
    // Writes the default settings for the data folder and starts the program.
    bool start();
    // Prints from the current window through the print dialog to `file` as the file type at
    // `fileType` (text first), typing the copies and lines per page when given; returns what was
    // written.
    QByteArray printTo(const QString& file, int fileType = 0, const QString& copies = {},
        const QString& lines = {});
    // Presses the current window's chart button and reads the chart window it opens, then
    // closes that window.
    ShownChart pressChart();
    // What the report tool writes for `arguments` over this data folder, or "tool failed".
    QByteArray toolOutput(QStringList arguments) const;
};

// A game (number, opponent, goals for and against), and games as one games file.
GameBytes game(int number, const char* opponent, int goalsFor, int goalsAgainst);
QByteArray games(std::initializer_list<GameBytes> games);

// A grid's headings and one row's cells, as shown.
QStringList gridHeadings(const QTableWidget* grid);
QStringList gridRow(const QTableWidget* grid, int row);

// Runs `step` on the next modal dialog once it is shown (a window's exec() does not return
// before the dialog closes).
void onNextModal(std::function<void(QWidget*)> step);

} // namespace scorvane::testing
