#include "core/reports/PagedOutput.h"

#include "core/output/OutputEngine.h"
#include "core/text/Blanks.h"

namespace scorvane {

bool PagedOutput::open()
{
    engine_.open();
    linesOnPage_ = 0;
    return !engine_.stopped();
}

bool PagedOutput::close()
{
    engine_.close();
    return !engine_.stopped();
}

bool PagedOutput::line(const QString& text)
{
    engine_.writeLine(rightTrimBlanks(text));
    ++linesOnPage_;
    return !engine_.stopped();
}

bool PagedOutput::title(const QString& text)
{
    const QString trimmed = rightTrimBlanks(text);
    engine_.setPrintFont(PrintFont::Title);
    engine_.centreNextLine(trimmed);
    return line(trimmed);
}

void PagedOutput::bodyFont()
{
    engine_.setPrintFont(PrintFont::Body);
}

bool PagedOutput::formFeed()
{
    // The form feed's line is the first line of the new page.
    linesOnPage_ = 0;
    return line(QString(FormFeed));
}

} // namespace scorvane
