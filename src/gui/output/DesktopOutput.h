#pragma once

#include "core/output/ExportTable.h"
#include "core/output/OutputEngine.h"
#include "core/state/ReportSelection.h"
#include "gui/output/PageOutput.h"

#include <QPrinter>

#include <functional>

class QWidget;

namespace scorvane {

struct AppState;
class Prompter;
class WindowHost;

// The program's one printer, shared by every report so that the set-up chosen once holds for
// the rest of the run.
QPrinter& programPrinter();

// Shows the print settings dialog for a kind of report and, unless it was cancelled, puts the
// choices into the print job and the print settings; false when it was cancelled.
bool showPrintDialog(QWidget* over, ReportKind kind, AppState& state, Prompter& prompter);

// The output engine as the desktop program uses it: the program's printer, a PDF file, or the
// text file, with output errors asked as "Printer/File Error" with Retry and Cancel. When the
// print job names a CSV or HTML file, the report's table is written there instead.
class DesktopOutput
{
public:
    DesktopOutput(QWidget* over, AppState& state, Prompter& prompter);

    OutputEngine& engine() { return engine_; }
    // True when the lines go to the printer itself (neither file nor PDF).
    bool toPrinter() const;
    // True when the print job writes the report's table (CSV or HTML) rather than its lines.
    bool exports() const;
    // Sends a report where the print job says: its lines through `print`, or, for a CSV or HTML
    // file, the table `table` makes, written whole (an earlier file stays as it was when the
    // write fails and the user gives up).
    void deliver(
        const std::function<void(OutputEngine&)>& print, const std::function<ExportTable()>& table);
    // Writes the table to the print job's file as CSV or HTML; false when the user gave up.
    bool writeTable(const ExportTable& table);
    // Once a report has been written to a file, shows the file's full path in the status bar.
    void tellWhereWritten(WindowHost& host) const;

private:
    AppState& state_;
    std::function<bool(const QString&)> askRetry_; // "Printer/File Error": true for Retry
    bool tableStopped_ = false;
    QPrinter pdfPrinter_;
    PageOutput printer_;
    PageOutput pdf_;
    OutputEngine engine_;
};

} // namespace scorvane
