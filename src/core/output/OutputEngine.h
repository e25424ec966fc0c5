#pragma once

#include "core/output/OutputDevice.h"
#include "core/output/PrintJob.h"
#include "core/output/TextFileOutput.h"

#include <QString>

#include <functional>

namespace scorvane {

struct ProgramSettings;

// Which of the two print fonts of the settings the next lines use.
enum class PrintFont { Title, Body };

// The file a report is written to for what was typed as its file name: a name without a folder
// (or with a relative one) lies in the report folder, not in the program's working folder.
// Empty stays empty (the printer).
QString outputFilePath(const QString& typed, const QString& reportPath);

// The one path every printed report takes, a line at a time. The destination is chosen anew at
// every call: the job's text file (or a PDF) when it names an output file, else the printer. A
// failed step asks whether to retry; giving up marks the job stopped, which the caller checks
// after every call.
class OutputEngine
{
public:
    // Asked with the error text after a failed step: true tries the step again.
    using RetryQuestion = std::function<bool(const QString& errorText)>;

    OutputEngine(PrintJob& job, const ProgramSettings& settings, RetryQuestion retry);

    // Page destinations are supplied by the window layer (or a stream by the command-line tool);
    // they are not owned and may be null when there is none.
    void setPrinter(OutputDevice* printer) { printer_ = printer; }
    void setPdf(OutputDevice* pdf) { pdf_ = pdf; }

    // Each call clears the job's stopped mark first.
    void open();
    void writeLine(const QString& text);
    void close();

    // Page destinations only.
    void setPrintFont(PrintFont font);
    // Centres the next line on the page (page destinations only).
    void centreNextLine(const QString& text);

    bool stopped() const;

private:
    OutputDevice* destination();
    // Runs the step until it works or the user gives up; false when given up.
    bool attempt(const std::function<QString(OutputDevice&)>& step);

    PrintJob& job_;
    const ProgramSettings& settings_;
    RetryQuestion retry_;
    TextFileOutput file_;
    OutputDevice* printer_ = nullptr;
    OutputDevice* pdf_ = nullptr;
};

} // namespace scorvane
