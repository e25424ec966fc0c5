#include "core/reports/PagedOutput.h"

#include "core/output/OutputEngine.h"
#include "core/text/Blanks.h"

namespace scorvane {

namespace {

constexpr int LineWidth = 80;

} // namespace

bool PagedOutput::open()
{
    engine_.outputLine(QString(), LineWidth, QStringLiteral("O"));
    linesOnPage_ = 0;
    return !engine_.stopped();
}

bool PagedOutput::close()
{
    engine_.outputLine(QString(), LineWidth, QStringLiteral("C"));
    return !engine_.stopped();
}

bool PagedOutput::line(const QString& text)
{
    engine_.outputLine(rightTrimBlanks(text), LineWidth, QStringLiteral("P"));
    ++linesOnPage_;
    return !engine_.stopped();
}

bool PagedOutput::title(const QString& text)
{
    const QString trimmed = rightTrimBlanks(text);
    engine_.setPrintFont(1);
    engine_.centreNextLine(trimmed);
    return line(trimmed);
}

void PagedOutput::bodyFont()
{
    engine_.setPrintFont(3);
}

bool PagedOutput::formFeed()
{
    // The form feed's line is the first line of the new page.
    linesOnPage_ = 0;
    return line(QString(FormFeed));
}

} // namespace scorvane
