#pragma once

#include "core/store/ErrorReporter.h"

class QWidget;

namespace scorvane {

class Prompter;

// Shows file errors as message boxes: Retry/Cancel for a device that is not ready, OK otherwise.
// Anything but Retry ends the program at once, except for a failed save, which changed nothing:
// its Cancel goes back to the window with the work intact.
class DesktopErrorReporter : public ErrorReporter
{
public:
    explicit DesktopErrorReporter(Prompter& prompter);
    void setOwner(QWidget* owner) { owner_ = owner; }

    Choice reportFileError(const FileError& error) override;
    // Retry/Cancel naming the file and the operation; Cancel returns to the window.
    Choice reportWriteError(const FileError& error) override;
    [[noreturn]] void endProgram() override;

private:
    Prompter& prompter_;
    QWidget* owner_ = nullptr;
};

} // namespace scorvane
