#include "gui/entry/FiguresTypingSteps.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace scorvane {
namespace {

constexpr int FiguresStepId = 0x5053; // lets QUndoStack offer steps of one box for joining

int firstChangedBox(const ShownFigures& a, const ShownFigures& b)
{
    for (std::size_t k = 0; k < a.texts.size(); ++k) {
        if (a.texts[k] != b.texts[k])
            return static_cast<int>(k);
    }
    return -1;
}

class FiguresStep : public QUndoCommand
{
public:
    FiguresStep(const FiguresTypingSteps::ShowFigures& show, int player, ShownFigures before,
        ShownFigures after, const QString& name, int joinKey)
        : show_(show)
        , player_(player)
        , before_(std::move(before))
        , after_(std::move(after))
        , joinKey_(joinKey)
    {
        setText(name);
    }

    int player() const { return player_; }
    int id() const override { return FiguresStepId; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const FiguresStep*>(other);
        if (joinKey_ < 0 || next->joinKey_ != joinKey_ || next->player_ != player_)
            return false;
        after_ = next->after_;
        // Typed back to what it was: the step is nothing, and QUndoStack drops it.
        setObsolete(after_ == before_);
        return true;
    }

    void undo() override { show_(player_, before_, firstChangedBox(before_, after_)); }

    void redo() override
    {
        // Pushed once the change is on screen already.
        if (done_) {
            show_(player_, after_, firstChangedBox(before_, after_));
            return;
        }
        done_ = true;
    }

private:
    FiguresTypingSteps::ShowFigures show_;
    int player_;
    ShownFigures before_;
    ShownFigures after_;
    int joinKey_;
    bool done_ = false;
};

} // namespace

FiguresTypingSteps::FiguresTypingSteps(ShowFigures show, QObject* parent)
    : show_(std::move(show))
    , stack_(new QUndoStack(parent))
{ }

void FiguresTypingSteps::changed(int player, const ShownFigures& before, const ShownFigures& after,
    const QString& name, int joinKey)
{
    if (before == after)
        return;
    stack_->push(new FiguresStep(show_, player, before, after, name, joinKey));
}

int FiguresTypingSteps::playerOf(const QUndoCommand& step)
{
    return static_cast<const FiguresStep&>(step).player();
}

bool FiguresTypingSteps::atStart() const
{
    return stack_->isClean();
}

} // namespace scorvane
