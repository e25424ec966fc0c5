#pragma once

#include <QString>

namespace scorvane {

class OutputEngine;

// The print dialog's choices that shape a printed team report.
struct PageChoices
{
    QString title;
    int copies = 1;
    int linesPerPage = 60;
};

// A printout in progress: each line goes to the output engine as one "P" operation of width 80
// with its trailing blanks removed, and is counted on the current page. Every call returns false
// once the user has given up an output error, after which the caller ends the printout.
class PagedOutput
{
public:
    explicit PagedOutput(OutputEngine& engine)
        : engine_(engine)
    { }

    bool open();
    bool close();
    bool line(const QString& text);
    // The report title in the title font, centred where lines are drawn on pages.
    bool title(const QString& text);
    void bodyFont();
    // A form-feed line, counted as the first line of the new page.
    bool formFeed();

    int linesOnPage() const { return linesOnPage_; }
    // Each copy starts counting afresh.
    void startCopy() { linesOnPage_ = 0; }

private:
    OutputEngine& engine_;
    int linesOnPage_ = 0;
};

} // namespace scorvane
