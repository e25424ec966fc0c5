#pragma once

#include "core/entry/Categories.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class QUndoCommand;
class QUndoStack;

namespace scorvane {

// What the player screen shows of one player: the played mark and the text of each box.
struct ShownFigures
{
    bool played = false;
    std::array<QString, EnteredStatisticCount> texts;

    bool operator==(const ShownFigures&) const = default;
};

// The player screen's own undo steps: each changed box and each played tick, from the screen's
// opening until it is saved or left (the steps go with the screen). A step shows its player's
// figures as they were before or after it; the screen brings that player up first.
class FiguresTypingSteps
{
public:
    // Shows `figures` for `player` (the player is on screen already); `focusBox` is the box the
    // step changed, or -1 when only the played mark changed.
    using ShowFigures = std::function<void(int player, const ShownFigures& figures, int focusBox)>;

    FiguresTypingSteps(ShowFigures show, QObject* parent);

    QUndoStack& stack() { return *stack_; }

    // Stores one change the user made (already on screen). Changes with the same non-negative
    // `joinKey` one after the other are one step: the keys typed into one box in one visit.
    void changed(int player, const ShownFigures& before, const ShownFigures& after,
        const QString& name, int joinKey);

    // The player a step undone or redone would show.
    static int playerOf(const QUndoCommand& step);

    // Nothing typed since the screen opened (or everything undone).
    bool atStart() const;

private:
    ShowFigures show_;
    QUndoStack* stack_ = nullptr;
};

} // namespace scorvane
