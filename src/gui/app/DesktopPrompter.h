#pragma once

#include "gui/app/Prompter.h"

namespace scorvane {

// Shows real message boxes and file dialogs.
class DesktopPrompter : public Prompter
{
public:
    Message::Answer ask(QWidget* over, const Message& message) override;
    QString saveFileName(QWidget* over, const FileQuestion& question) override;
    QString openFileName(QWidget* over, const FileQuestion& question) override;
    QString askText(QWidget* over, const TextQuestion& question) override;
    bool printerSetup(QWidget* over, QPrinter& printer) override;
};

} // namespace scorvane
