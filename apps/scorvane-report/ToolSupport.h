#pragma once

#include "core/store/ErrorReporter.h"

#include <QString>

#include <cstdio>

namespace scorvane {

struct AppState;

// Ends a run of the tool from deep inside with the message to print.
struct ToolStopped
{
    QString message;
};

// A file fault, described on one line. `answer` is the answer to every fault: EndProgram stops
// the run there (ToolStopped); Cancel lets the change in progress leave every file as it was
// and the command report it.
class ToolErrorReporter : public ErrorReporter
{
public:
    explicit ToolErrorReporter(Choice answer = Choice::EndProgram)
        : answer_(answer)
    { }

    Choice reportFileError(const FileError& error) override;
    [[noreturn]] void endProgram() override;
    const QString& last() const { return last_; }

private:
    Choice answer_;
    QString last_ = QStringLiteral("file error");
};

// One line to `stream`, in the locale's encoding, flushed.
void printLine(std::FILE* stream, const QString& text);

// The settings a run uses: `settingsFile` when given, else the installed one, else the built-in
// defaults, copied into `folder` (made when missing) and loaded there. The data and report
// folders stay the data folder `state` names.
void loadToolSettings(AppState& state, const QString& settingsFile, const QString& folder);

} // namespace scorvane
