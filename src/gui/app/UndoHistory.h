#pragma once

#include "core/store/ChangeCapture.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QMenuBar;
class QUndoCommand;
class QUndoStack;

namespace scorvane {

class ChildWindow;
class WindowHost;

// The program run's undo history of stored steps, and the Edit menu that walks it. Each step is
// one command's files before and after (see StoredStep); undo and redo refuse, telling why, when
// a file changed since. The history is emptied when the data folder changes.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    using CurrentChild = std::function<ChildWindow*()>;
    UndoHistory(WindowHost& host, CurrentChild currentChild, QObject* parent = nullptr);
    ~UndoHistory() override;

    // Adds the Edit menu ("mnuEdit" with "mnuUndo" and "mnuRedo") to `bar`.
    void addEditMenu(QMenuBar* bar);

    // Stores `step` as the newest (a step with nothing to undo is dropped); the redo steps go.
    void record(StoredStep step);
    void clear();
    QUndoStack& stack() { return *stack_; }

    // Sets the menu items' names and states for the window open now (another was just opened).
    void showState();

    // A window's own steps of typing not yet stored (the player screen's boxes): while `steps`
    // lives, Edit > Undo and Redo walk it instead of the stored steps. `ready` is asked before
    // each of its steps is undone (true) or redone (false); false leaves the step where it is.
    using StepReady = std::function<bool(const QUndoCommand& step, bool undo)>;
    void followTypingSteps(QUndoStack* steps, StepReady ready);

    // Runs `command` with its changes captured; when it returns true, what it changed becomes
    // one step named by `name` (asked afterwards: a game's number may be known only then).
    static bool recorded(WindowHost& host, const std::function<bool()>& command,
        const std::function<QString()>& name);

private:
    void perform(bool undo);
    QUndoStack* typingSteps() const;
    // The steps Edit > Undo and Redo walk now: the open window's typing, else the stored ones.
    const QUndoStack& walkedSteps() const;
    bool performTyping(bool undo);
    bool storedStepsReachable() const;
    void followDataFolder();
    void refreshAfterStep();

    WindowHost& host_;
    CurrentChild currentChild_;
    QUndoStack* stack_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QString folder_; // the data folder the steps belong to
    QPointer<QUndoStack> typing_;
    StepReady typingReady_;
};

} // namespace scorvane
