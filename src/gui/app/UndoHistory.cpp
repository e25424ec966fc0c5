#include "gui/app/UndoHistory.h"

#include "core/teams/TeamSelection.h"
#include "gui/app/ChildWindow.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowHost.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace scorvane {
namespace {

// A stored step on the stack. The files are put back by UndoHistory::perform before the stack
// moves, since a step may be refused; undo() and redo() themselves only keep the stack's place.
class StoredStepCommand : public QUndoCommand
{
public:
    explicit StoredStepCommand(StoredStep step)
        : step_(std::move(step))
    {
        setText(step_.name());
    }
    void undo() override { }
    void redo() override { }
    const StoredStep& step() const { return step_; }
    StoredStep& step() { return step_; }

private:
    StoredStep step_;
};

// Enough for a long evening's typing; every step holds a few small files.
constexpr int StepLimit = 100;

} // namespace

UndoHistory::UndoHistory(WindowHost& host, CurrentChild currentChild, QObject* parent)
    : QObject(parent)
    , host_(host)
    , currentChild_(std::move(currentChild))
    , stack_(new QUndoStack(this))
{
    stack_->setUndoLimit(StepLimit);
}

UndoHistory::~UndoHistory() = default;

void UndoHistory::addEditMenu(QMenuBar* bar)
{
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    undoAction_ = edit->addAction(QStringLiteral("&Undo"));
    undoAction_->setObjectName(QStringLiteral("mnuUndo"));
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction_ = edit->addAction(QStringLiteral("&Redo"));
    redoAction_->setObjectName(QStringLiteral("mnuRedo"));
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(stack_, &QUndoStack::indexChanged, this, &UndoHistory::showState);
    connect(edit, &QMenu::aboutToShow, this, &UndoHistory::showState);
    // Shortcuts work while the menu is closed: the open window is checked when they fire.
    connect(edit, &QMenu::aboutToHide, this, [this] {
        const QUndoStack& steps = walkedSteps();
        undoAction_->setEnabled(steps.canUndo());
        redoAction_->setEnabled(steps.canRedo());
    });
    connect(undoAction_, &QAction::triggered, this, [this] { perform(true); });
    connect(redoAction_, &QAction::triggered, this, [this] { perform(false); });
    showState();
    undoAction_->setEnabled(stack_->canUndo());
    redoAction_->setEnabled(stack_->canRedo());
}

void UndoHistory::showState()
{
    if (undoAction_ == nullptr)
        return;
    followDataFolder();
    const QUndoStack& steps = walkedSteps();
    const bool reachable = &steps != stack_ || storedStepsReachable();
    undoAction_->setEnabled(reachable && steps.canUndo());
    redoAction_->setEnabled(reachable && steps.canRedo());
    const QString undoText = steps.canUndo() ? steps.undoText() : QString();
    const QString redoText = steps.canRedo() ? steps.redoText() : QString();
    undoAction_->setText(
        undoText.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + undoText);
    redoAction_->setText(
        redoText.isEmpty() ? QStringLiteral("&Redo") : QStringLiteral("&Redo ") + redoText);
}

void UndoHistory::followTypingSteps(QUndoStack* steps, StepReady ready)
{
    typing_ = steps;
    typingReady_ = std::move(ready);
    connect(steps, &QUndoStack::indexChanged, this, &UndoHistory::showState);
    // Queued: the window owning the steps is still being taken down when they go.
    connect(steps, &QObject::destroyed, this, &UndoHistory::showState, Qt::QueuedConnection);
    showState();
}

QUndoStack* UndoHistory::typingSteps() const
{
    // Only while the window they belong to is the one open: a window left is on its way out.
    if (!typing_ || !currentChild_ || typing_->parent() != currentChild_())
        return nullptr;
    return typing_.data();
}

const QUndoStack& UndoHistory::walkedSteps() const
{
    const QUndoStack* typing = typingSteps();
    return typing != nullptr ? *typing : *stack_;
}

bool UndoHistory::performTyping(bool undo)
{
    QUndoStack* steps = typingSteps();
    if (steps == nullptr)
        return false;
    const int at = undo ? steps->index() - 1 : steps->index();
    if (at < 0 || at >= steps->count())
        return true;
    if (typingReady_ && !typingReady_(*steps->command(at), undo))
        return true;
    if (undo)
        steps->undo();
    else
        steps->redo();
    return true;
}

void UndoHistory::record(StoredStep step)
{
    followDataFolder();
    if (step.isEmpty())
        return;
    if (stack_->index() > 0) {
        const auto* newest
            = static_cast<const StoredStepCommand*>(stack_->command(stack_->index() - 1));
        step.shareBytesWith(newest->step());
    }
    stack_->push(new StoredStepCommand(std::move(step)));
}

void UndoHistory::clear()
{
    stack_->clear();
}

bool UndoHistory::recorded(
    WindowHost& host, const std::function<bool()>& command, const std::function<QString()>& name)
{
    AppState& state = host.state();
    ChangeCapture capture(state.files, state.settings.dataFolder);
    if (!command())
        return false;
    if (UndoHistory* history = host.undoHistory())
        history->record(capture.take(name()));
    return true;
}

bool UndoHistory::storedStepsReachable() const
{
    // Windows that hold typing of their own keep it: the history is walked from the team window
    // and the game list, whose contents come straight from the files.
    const ChildWindow* child = currentChild_ ? currentChild_() : nullptr;
    return child == nullptr || child->kind() == WindowSelectTeam || child->kind() == WindowGameMenu;
}

void UndoHistory::followDataFolder()
{
    const QString& folder = host_.state().settings.dataFolder;
    if (folder != folder_) {
        stack_->clear(); // another folder's files are not these steps' files
        folder_ = folder;
    }
}

void UndoHistory::perform(bool undo)
{
    if (performTyping(undo))
        return;
    followDataFolder();
    if (!storedStepsReachable())
        return;
    const int at = undo ? stack_->index() - 1 : stack_->index();
    if (at < 0 || at >= stack_->count())
        return;
    const auto* command = static_cast<const StoredStepCommand*>(stack_->command(at));
    const StoredStep::Result result = command->step().apply(
        host_.state().files, undo ? StepDirection::Undo : StepDirection::Redo);
    if (result.outcome == StoredStep::Outcome::Refused) {
        host_.prompter().tell(host_.mainWidget(),
            undo ? QStringLiteral("Cannot Undo") : QStringLiteral("Cannot Redo"), result.refusal,
            Message::Icon::Warning);
        return;
    }
    if (result.outcome == StoredStep::Outcome::Cancelled)
        return; // the write error was told; every file is as it was
    if (undo)
        stack_->undo();
    else
        stack_->redo();
    refreshAfterStep();
}

void UndoHistory::refreshAfterStep()
{
    // The roster table in memory follows its file; an open game list is read again.
    AppState& state = host_.state();
    if (state.teamChoice.currentSlot >= 1) {
        state.files.openDataFile(FileRoster);
        loadRosterTables(state);
    }
    if (ChildWindow* child = currentChild_ ? currentChild_() : nullptr;
        child != nullptr && child->kind() == WindowGameMenu)
        host_.switchWindow(WindowGameMenu, child);
}

} // namespace scorvane
