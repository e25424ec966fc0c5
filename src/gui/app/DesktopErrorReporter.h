#pragma once

#include "core/store/ErrorReporter.h"

class QWidget;

namespace scorvane {

class Prompter;

// Shows file errors as message boxes: Retry/Cancel for a device that is not ready, OK otherwise.
// Anything but Retry ends the program at once.
class DesktopErrorReporter : public ErrorReporter
{
public:
    explicit DesktopErrorReporter(Prompter& prompter);
    void setOwner(QWidget* owner) { owner_ = owner; }

    Choice reportFileError(const FileError& error) override;
    [[noreturn]] void endProgram() override;

private:
    Prompter& prompter_;
    QWidget* owner_ = nullptr;
};

} // namespace scorvane
