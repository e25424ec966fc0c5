#pragma once

#include "shell/AppState.h"
#include "store/ErrorReporter.h"
#include "ui/FrmMDI.h"
#include "ui/Prompter.h"
#include "ui/WindowFactory.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <stdexcept>

namespace scorvane::testing {

// Answers every question from a script and records what was asked. With no scripted answer left,
// it answers the box's default button.
class ScriptedPrompter : public Prompter
{
public:
    QList<Message> asked;
    std::deque<Message::Answer> answers;
    std::deque<QString> fileNames;
    QList<FileQuestion> fileQuestions;
    int printerSetups = 0;

    Message::Answer ask(QWidget* over, const Message& message) override;
    QString saveFileName(QWidget* over, const FileQuestion& question) override;
    bool printerSetup(QWidget* over, QPrinter& printer) override;

    // The last message asked, or an empty one.
    Message last() const { return asked.isEmpty() ? Message{} : asked.constLast(); }
    bool wasAsked(const QString& title, const QString& text) const;
};

struct ProgramEnded : std::runtime_error
{
    ProgramEnded()
        : std::runtime_error("program ended")
    { }
};

class ThrowingReporter : public ErrorReporter
{
public:
    QList<FileError> errors;
    Choice reportFileError(const FileError& error) override
    {
        errors.append(error);
        return Choice::EndProgram;
    }
    [[noreturn]] void endProgram() override { throw ProgramEnded(); }
};

// A main window on fresh temporary data and settings folders, with every window registered.
// XDG_CONFIG_HOME points into the temporary folder as well.
struct GuiFixture
{
    QTemporaryDir dir;
    ThrowingReporter reporter;
    ScriptedPrompter prompter;
    std::unique_ptr<AppState> state;
    WindowFactory factory;
    std::unique_ptr<FrmMDI> mdi;

    GuiFixture();
    ~GuiFixture();

    QString dataPath() const { return state->DataPath; }
    // Loads the team list (created with default names when missing) as start-up does.
    void loadTeamList();
    // Writes a file in the data folder.
    void writeDataFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readDataFile(const QString& name) const;
};

} // namespace scorvane::testing
