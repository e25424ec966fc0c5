#pragma once

#include "core/output/OutputDevice.h"
#include "core/output/TextFileOutput.h"

#include <QString>

#include <functional>

namespace scorvane {

struct AppState;

// The one path every printed report takes, a line at a time. The destination is chosen anew at
// every call: the text file (or a PDF when OutputAsPdf is "Y") when OutputFileName is set, else
// the printer. A failed step asks whether to retry; giving up sets OutputStopped to "Y", which
// the caller checks after every call.
// The file a report is written to for what was typed as its file name: a name without a folder
// (or with a relative one) lies in the report folder, not in the program's working folder.
// Empty stays empty (the printer).
QString outputFilePath(const QString& typed, const QString& reportPath);

class OutputEngine
{
public:
    // Asked with the error text after a failed step: true tries the step again.
    using RetryQuestion = std::function<bool(const QString& errorText)>;

    OutputEngine(AppState& state, RetryQuestion retry);

    // Page destinations are supplied by the window layer (or a stream by the command-line tool);
    // they are not owned and may be null when there is none.
    void setPrinter(OutputDevice* printer) { printer_ = printer; }
    void setPdf(OutputDevice* pdf) { pdf_ = pdf; }

    // Operation "O" opens, "C" closes, anything else outputs `text` as one line. The width is
    // the caller's line width and does not change the output.
    void outputLine(const QString& text, int width, const QString& operation);

    // Style 1 selects the title font, any other the body font (page destinations only).
    void setPrintFont(int style);
    // Centres the next line on the page (page destinations only).
    void centreNextLine(const QString& text);

    bool stopped() const;

private:
    OutputDevice* destination();
    // Runs the step until it works or the user gives up; false when given up.
    bool attempt(const std::function<QString(OutputDevice&)>& step);

    AppState& state_;
    RetryQuestion retry_;
    TextFileOutput file_;
    OutputDevice* printer_ = nullptr;
    OutputDevice* pdf_ = nullptr;
};

} // namespace scorvane
