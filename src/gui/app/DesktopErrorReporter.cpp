#include "gui/app/DesktopErrorReporter.h"

#include "gui/app/Prompter.h"

#include <cstdlib>

namespace scorvane {

DesktopErrorReporter::DesktopErrorReporter(Prompter& prompter)
    : prompter_(prompter)
{ }

ErrorReporter::Choice DesktopErrorReporter::reportFileError(const FileError& error)
{
    const FileErrorMessage m = FileErrorMessage::describe(error);
    Message message;
    message.title = m.title;
    message.text = m.text;
    message.icon = Message::Icon::Critical;
    if (m.offersRetry) {
        message.buttons = Message::Buttons::RetryCancel;
        message.defaultButton = Message::Answer::Retry;
        if (prompter_.ask(owner_, message) == Message::Answer::Retry)
            return Choice::Retry;
        return Choice::EndProgram;
    }
    prompter_.ask(owner_, message);
    return Choice::EndProgram;
}

ErrorReporter::Choice DesktopErrorReporter::reportWriteError(const FileError& error)
{
    const FileErrorMessage m = FileErrorMessage::describeWrite(error);
    if (!m.offersRetry) {
        prompter_.ask(owner_, {m.title, m.text, Message::Buttons::Ok, Message::Icon::Warning});
        return Choice::Cancel;
    }
    Message message{m.title, m.text, Message::Buttons::RetryCancel, Message::Icon::Critical,
        Message::Answer::Retry};
    return prompter_.ask(owner_, message) == Message::Answer::Retry ? Choice::Retry
                                                                    : Choice::Cancel;
}

void DesktopErrorReporter::endProgram()
{
    // An immediate stop: the system closes the open files, nothing further is saved.
    std::_Exit(1);
}

} // namespace scorvane
