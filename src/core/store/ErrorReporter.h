#pragma once

#include "core/store/FileError.h"

namespace scorvane {

// The one place every file fault goes. The core never shows anything itself: the desktop program
// shows message boxes, the command-line tool prints the message and exits.
class ErrorReporter
{
public:
    enum class Choice { Retry, EndProgram, Cancel };

    virtual ~ErrorReporter() = default;

    // Shows the error; returns Retry only when the error offers it and the user chose it.
    virtual Choice reportFileError(const FileError& error) = 0;

    // A write that changed nothing (full disk, permissions): Retry tries it again, Cancel returns
    // to the window with its work intact. Never ends the program. By default shown as any other
    // file error, with anything but Retry taken as Cancel.
    virtual Choice reportWriteError(const FileError& error)
    {
        return reportFileError(error) == Choice::Retry ? Choice::Retry : Choice::Cancel;
    }

    // Ends the program at once: nothing further is saved, open files are closed by the system.
    [[noreturn]] virtual void endProgram() = 0;
};

} // namespace scorvane
