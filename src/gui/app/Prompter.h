#pragma once

#include <QString>

class QWidget;
class QPrinter;

namespace scorvane {

// Every question and message the program shows goes through one Prompter, injected into the
// windows. The desktop implementation shows real boxes; tests script the answers and record what
// was asked.
struct Message
{
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
    enum class Icon { None, Information, Question, Warning, Critical };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    QString title;
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;

    static Message ok(const QString& title, const QString& text, Icon icon = Icon::None)
    {
        return {title, text, Buttons::Ok, icon, Answer::Ok};
    }
};

struct FileQuestion
{
    QString title;
    QString filter;        // e.g. "Text (*.TXT)"
    QString defaultSuffix; // e.g. "TXT"
    QString startFolder;
    bool confirmOverwrite = true;
};

struct TextQuestion
{
    QString title;
    QString label; // what to type, shown above the box
    QString text;  // the box's first text
};

class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual Message::Answer ask(QWidget* over, const Message& message) = 0;
    // Empty when the user cancelled.
    virtual QString saveFileName(QWidget* over, const FileQuestion& question) = 0;
    // An existing file to read; empty when the user cancelled. Prompters that never open files
    // (the screenshot tool) keep this answer.
    virtual QString openFileName(QWidget* over, const FileQuestion& question)
    {
        (void)over;
        (void)question;
        return {};
    }
    // One line of text typed by the user; empty when cancelled.
    virtual QString askText(QWidget* over, const TextQuestion& question) = 0;
    // The platform's printer set-up dialog; false when cancelled.
    virtual bool printerSetup(QWidget* over, QPrinter& printer) = 0;

    void tell(QWidget* over, const QString& title, const QString& text,
        Message::Icon icon = Message::Icon::None)
    {
        ask(over, Message::ok(title, text, icon));
    }
};

} // namespace scorvane
