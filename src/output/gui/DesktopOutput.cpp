#include "output/gui/DesktopOutput.h"

#include "output/gui/FrmPrint.h"
#include "shell/AppState.h"
#include "ui/Prompter.h"

#include <QCoreApplication>

namespace scorvane {

QPrinter& ProgramPrinter()
{
    // Made on first use and deleted with the application object, while Qt is still running.
    static QPrinter* printer = nullptr;
    if (printer == nullptr) {
        printer = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            delete printer;
            printer = nullptr;
        });
    }
    return *printer;
}

bool ShowPrintDialog(QWidget* over, AppState& state, Prompter& prompter)
{
    state.DialogResult = QStringLiteral("N");
    FrmPrint dialog(state, prompter, ProgramPrinter(), over);
    dialog.exec();
    return state.DialogResult != u"Y";
}

DesktopOutput::DesktopOutput(QWidget* over, AppState& state, Prompter& prompter)
    : state_(state)
    , pdfPrinter_(QPrinter::HighResolution)
    , printer_(ProgramPrinter(), PageOutput::Kind::Printer)
    , pdf_(pdfPrinter_, PageOutput::Kind::Pdf)
    , engine_(state, [over, &prompter](const QString& error) {
        const Message question{QStringLiteral("Printer/File Error"), error,
            Message::Buttons::RetryCancel, Message::Icon::Warning, Message::Answer::Retry};
        return prompter.ask(over, question) == Message::Answer::Retry;
    })
{
    pdfPrinter_.setPageLayout(ProgramPrinter().pageLayout());
    engine_.setPrinter(&printer_);
    engine_.setPdf(&pdf_);
}

bool DesktopOutput::toPrinter() const
{
    return state_.OutputFileName.isEmpty();
}

} // namespace scorvane
