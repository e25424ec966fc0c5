#include "gui/output/DesktopOutput.h"

#include "core/output/TableExport.h"
#include "core/state/AppState.h"
#include "core/state/Settings.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowHost.h"
#include "gui/output/PrintDialog.h"
#include "workbook/WorkbookFile.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>

#include <algorithm>

namespace scorvane {

QPrinter& programPrinter()
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

bool showPrintDialog(QWidget* over, ReportKind kind, AppState& state, Prompter& prompter)
{
    ProgramSettings& settings = state.settings;
    // Font sizes the dialog cannot offer become 12 as soon as it opens, printed or not.
    settings.titleFontSize = PrintDialog::offeredFontSize(settings.titleFontSize);
    settings.reportFontSize = PrintDialog::offeredFontSize(settings.reportFontSize);
    PrintDialog dialog(kind, settings, prompter, programPrinter(), over);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.choice().applyTo(state.printJob, settings);
    Settings::save(state); // the print settings are kept at once, not only at a normal end
    return true;
}

DesktopOutput::DesktopOutput(QWidget* over, AppState& state, Prompter& prompter)
    : state_(state)
    , askRetry_([over, &prompter](const QString& error) {
        const Message question{QStringLiteral("Printer/File Error"), error,
            Message::Buttons::RetryCancel, Message::Icon::Warning, Message::Answer::Retry};
        return prompter.ask(over, question) == Message::Answer::Retry;
    })
    , pdfPrinter_(QPrinter::HighResolution)
    , printer_(programPrinter(), PageOutput::Kind::Printer)
    , pdf_(pdfPrinter_, PageOutput::Kind::Pdf)
    , engine_(state.printJob, state.settings, askRetry_)
{
    pdfPrinter_.setPageLayout(programPrinter().pageLayout());
    // A PDF is read on screen and printed anywhere: keep the text clear of the paper's edge.
    const QMarginsF margins = pdfPrinter_.pageLayout().margins(QPageLayout::Millimeter);
    const qreal least = 15.0;
    pdfPrinter_.setPageMargins(
        QMarginsF(std::max(margins.left(), least), std::max(margins.top(), least),
            std::max(margins.right(), least), std::max(margins.bottom(), least)),
        QPageLayout::Millimeter);
    engine_.setPrinter(&printer_);
    engine_.setPdf(&pdf_);
}

bool DesktopOutput::toPrinter() const
{
    return state_.printJob.outputFile.isEmpty();
}

bool DesktopOutput::exports() const
{
    const OutputFormat format = state_.printJob.format;
    return !toPrinter()
        && (format == OutputFormat::Csv || format == OutputFormat::Html
            || format == OutputFormat::Xlsx);
}

void DesktopOutput::deliver(
    const std::function<void(OutputEngine&)>& print, const std::function<ExportTable()>& table)
{
    if (exports())
        writeTable(table());
    else
        print(engine_);
}

bool DesktopOutput::writeTable(const ExportTable& table)
{
    const ExportFormat format
        = state_.printJob.format == OutputFormat::Html ? ExportFormat::Html : ExportFormat::Csv;
    for (;;) {
        const QString error = state_.printJob.format == OutputFormat::Xlsx
            ? writeTableWorkbook(state_.printJob.outputFile, table)
            : writeExportFile(state_.printJob.outputFile, table, format);
        if (error.isEmpty())
            return true;
        if (!askRetry_(error)) {
            tableStopped_ = true;
            return false;
        }
    }
}

void DesktopOutput::tellWhereWritten(WindowHost& host) const
{
    if (toPrinter() || engine_.stopped() || tableStopped_)
        return;
    host.showStatus(QStringLiteral("Report written to %1").arg(state_.printJob.outputFile));
}

} // namespace scorvane
