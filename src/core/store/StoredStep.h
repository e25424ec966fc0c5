#pragma once

#include "core/store/FileSnapshot.h"

#include <QString>

#include <vector>

namespace scorvane {

class DataFiles;

enum class StepDirection { Undo, Redo };

// One step of the undo history: the files one command changed, each with its whole bytes before
// and after. Undo puts every "before" back as one change, redo every "after"; either is refused,
// changing nothing, when a file no longer holds what the step left (Undo) or found (Redo), since
// writing over it would lose the later change.
class StoredStep
{
public:
    enum class Outcome {
        Done,
        Refused,   // a file changed since the step: `refusal` says which and why
        Cancelled, // a write error the user cancelled: no file changed
    };
    struct Result
    {
        Outcome outcome = Outcome::Done;
        QString refusal;
    };

    explicit StoredStep(QString name = {});

    // Adds the files of one more change. A file the step holds already keeps its first
    // "before" and takes the new "after", so several changes of one command undo together.
    void add(const std::vector<FileSnapshot>& files);

    const QString& name() const { return name_; }
    // True when no file differs between before and after (nothing to undo).
    bool isEmpty() const;
    const std::vector<FileSnapshot>& files() const { return files_; }
    // The bytes the step holds, counted once where they are shared.
    qint64 byteSize() const;

    // The message that refuses the step in `direction` now, or empty when every file holds the
    // bytes it must hold.
    QString refusal(StepDirection direction) const;
    Result apply(DataFiles& files, StepDirection direction) const;

    // Where this step's "before" equals `earlier`'s "after" byte for byte, holds one copy.
    void shareBytesWith(const StoredStep& earlier);

private:
    QString name_;
    std::vector<FileSnapshot> files_;
};

} // namespace scorvane
