#pragma once

#include "core/state/HelpTopics.h"
#include "core/state/StartUp.h"
#include "gui/app/WindowFactory.h"
#include "gui/app/WindowHost.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAbstractButton;
class QAction;
class QKeyEvent;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPushButton;

namespace scorvane {

class ChildWindow;
class HelpWindow;
class UndoHistory;

// The main window: menus, the tool box with the exit button, and one child window at a time.
class MainWindow : public QMainWindow, public WindowHost
{
    Q_OBJECT

public:
    MainWindow(AppState& state, Prompter& prompter, const WindowFactory& factory,
        QWidget* parent = nullptr);
    ~MainWindow() override;

    // WindowHost
    AppState& state() override { return state_; }
    Prompter& prompter() override { return prompter_; }
    QWidget* mainWidget() override { return this; }
    void switchWindow(WindowKind show, ChildWindow* close) override;
    void showModal(WindowKind kind) override;
    void closeChildWindows() override;
    void setExitEnabled(bool enabled) override;
    void selectionChanged(int count) override;
    void runMenuCommand(const QString& menuObjectName) override;
    void showStatus(const QString& text) override;
    bool changeDataFolder(const QString& folder) override;
    UndoHistory* undoHistory() override { return undoHistory_; }

    // Shows a window of `kind` as the one child window (a notice when it does not exist yet).
    void showWindow(WindowKind kind);
    // Shows a window made by the caller (one that takes more than its host) as the one child
    // window; the main window owns it from here.
    void showWindow(ChildWindow* child);
    ChildWindow* currentChild() const;
    QAction* menuAction(const QString& objectName) const;

    void disableMenus();
    void takeTeamSelection();

    // Centres a child window in the main window's client area, lifted by 800 twips, never above
    // the top.
    void centreWindow(QWidget* child);

    // Called once the About window has been closed: from then on a resize centres the child.
    void aboutWindowClosed() { recentreOnResize_ = true; }

    // Shut-down hook: the program's own shut-down runs here when the window is closed.
    void setShutDown(std::function<void()> shutDown) { shutDown_ = std::move(shutDown); }

    // Start-up from the settings file to the first window. False when the program must end
    // (its message has been shown). Once started, closing the window runs the shut-down.
    bool startProgram(const ProgramFolders& folders);
    void tellStartNotes();
    void checkData(); // File > Check Data Files: the integrity check's list

    // Shows help topic `topic` ("10", "240") in the help viewer.
    void showHelpTopic(const QString& topic);
    HelpWindow* helpViewer() const;

    // Opens a web or e-mail address with the system's opener; a failure is told to the user.
    using UrlOpener = std::function<WebOpenResult(const QString&)>;
    void openWebPage(const QString& address);
    void setUrlOpener(UrlOpener opener) { urlOpener_ = std::move(opener); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The current child window's button whose access letter is the Alt key pressed, if any.
    QAbstractButton* childAccessButton(QObject* focused, const QKeyEvent* key) const;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    // Asks the open window whether it may close (queryClose); true when there is none.
    bool leaveCurrentWindow();
    // `command` run only once the open window has let go.
    std::function<void()> leavingCommand(std::function<void()> command);
    QAction* addItem(
        QMenu* menu, const char* objectName, const QString& caption, std::function<void()> command);
    void placeExitButton();
    void reportCommand(ReportKind kind, WindowKind window);
    void setTeamItemsEnabled(int count);
    void rememberTeamSelection();

    AppState& state_;
    Prompter& prompter_;
    const WindowFactory& factory_;
    QMdiArea* workspace_ = nullptr;
    QWidget* toolBox_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPointer<QMdiSubWindow> current_;
    QList<QPointer<QMdiSubWindow>> unloaded_; // closed windows waiting for their deferred delete
    bool recentreOnResize_ = false;
    std::function<void()> shutDown_;
    StartNotes startNotes_; // holds the data folder's lock while the program runs
    QPointer<HelpWindow> help_;
    UrlOpener urlOpener_;
    UndoHistory* undoHistory_ = nullptr;
};

} // namespace scorvane
