#pragma once

#include "core/store/FileError.h"

namespace scorvane {

// The one place every file fault goes. The core never shows anything itself: the desktop program
// shows message boxes, the command-line tool prints the message and exits.
class ErrorReporter
{
public:
    enum class Choice { Retry, EndProgram };

    virtual ~ErrorReporter() = default;

    // Shows the error; returns Retry only when the error offers it and the user chose it.
    virtual Choice reportFileError(const FileError& error) = 0;

    // Ends the program at once: nothing further is saved, open files are closed by the system.
    [[noreturn]] virtual void endProgram() = 0;
};

} // namespace scorvane
