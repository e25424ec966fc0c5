#pragma once

#include "core/state/AppState.h"
#include "core/text/OneBasedArray.h"
#include "gui/app/WindowKind.h"

#include <utility>

class QWidget;

namespace scorvane {

class ChildWindow;
class Prompter;
class UndoHistory;

// What every window needs from the main window: the program state, the prompter, the one child
// window slot, and the pointer. Implemented by MainWindow (and by a small host in window tests).
class WindowHost
{
public:
    virtual ~WindowHost() = default;

    virtual AppState& state() = 0;
    virtual Prompter& prompter() = 0;
    virtual QWidget* mainWidget() = 0; // owner of dialogs and message boxes

    // Unloads the window to close (may be null), then creates and shows a window of `kind`.
    virtual void switchWindow(WindowKind show, ChildWindow* close) = 0;
    // Shows a window of `kind` as a modal dialog above the current child window and returns when
    // it closes (the player screen opens the roster this way). A kind with no window shows a
    // notice.
    virtual void showModal(WindowKind kind) = 0;
    // Unloads every open child window.
    virtual void closeChildWindows() = 0;
    // Enables or disables the main window's exit button (the player screen disables it).
    virtual void setExitEnabled(bool enabled) = 0;
    // The team window reports the number of teams chosen; the menus follow it.
    virtual void selectionChanged(int count) = 0;
    // Shows a short notice in the main window's status bar (where a report file was written).
    virtual void showStatus(const QString& text) = 0;
    // Runs a menu command as if chosen (e.g. the team window's double-click runs "&Games").
    virtual void runMenuCommand(const QString& menuObjectName) = 0;
    // Moves the program to another data folder (already checked for the settings file), tells
    // the user what the new folder needed, and returns false when another program holds it.
    virtual bool changeDataFolder(const QString& folder) = 0;
    // The run's undo history, where windows store what their commands changed (none in hosts
    // that keep no history).
    virtual UndoHistory* undoHistory() { return nullptr; }

    // Whether a window of `kind` exists now, shown or modal; each window keeps its own mark.
    bool isOpen(WindowKind kind) const { return open_[kind]; }
    void markOpen(WindowKind kind, bool open) { open_[kind] = open; }

    // True the first time it is asked: the team window selects slot 1 alone at its first
    // showing of the run.
    bool takeFirstTeamWindowShowing() { return std::exchange(firstTeamWindowShowing_, false); }

private:
    OneBasedArray<bool, WindowKindCount> open_;
    bool firstTeamWindowShowing_ = true;
};

// Busy pointer around long operations; restores the normal pointer when it goes out of scope.
class BusyPointer
{
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace scorvane
