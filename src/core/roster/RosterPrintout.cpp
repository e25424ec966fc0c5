#include "core/roster/RosterPrintout.h"

#include "core/output/OutputEngine.h"
#include "core/seasons/SeasonViewing.h"
#include "core/state/AppState.h"
#include "core/text/Blanks.h"

#include <QStringList>

namespace scorvane {

namespace {

// Sends the lines of a roster printout and keeps the page's line count.
class RosterPrinter
{
public:
    RosterPrinter(AppState& state, OutputEngine& engine)
        : state_(state)
        , engine_(engine)
    { }

    // False once the user has stopped the output.
    bool line(const QString& text)
    {
        engine_.writeLine(text);
        ++state_.printJob.pageLineCount;
        return !engine_.stopped();
    }

    bool heading()
    {
        if (!line(QString()))
            return false;
        engine_.setPrintFont(PrintFont::Title);
        if (!line(withSeasonName(state_, state_.printJob.title)) || !line(QString())
            || !line(rightTrimBlanks(state_.teamChoice.names[state_.teamChoice.currentSlot]))
            || !line(QString()))
            return false;
        engine_.setPrintFont(PrintFont::Body);
        return true;
    }

    bool block(int number, const PlayerContact& contact)
    {
        QStringList lines{
            QString::number(number) + QStringLiteral(" - ") + state_.roster.names[number]};
        for (const QString* field : {&contact.phone, &contact.address1, &contact.address2}) {
            if (!trimBlanks(*field).isEmpty())
                lines << *field;
        }
        const QString place = placeLine(contact.city, contact.state, contact.zip);
        if (!place.isEmpty())
            lines << place;
        if (!trimBlanks(contact.otherInfo).isEmpty())
            lines << contact.otherInfo;
        lines << QString();
        for (const QString& text : lines) {
            if (!line(text))
                return false;
        }
        return true;
    }

    bool copy(const PlayerContactTable& contacts)
    {
        state_.printJob.pageLineCount = 0;
        if (!heading())
            return false;
        for (int n = 1; n <= 99; ++n) {
            if (state_.roster.free[n])
                continue;
            if (state_.printJob.pageLineCount >= state_.settings.linesPerPage) {
                // The form feed is the first line of the new page.
                state_.printJob.pageLineCount = 0;
                if (!line(QString(FormFeed)) || !heading())
                    return false;
            }
            if (!block(n, contacts[n]))
                return false;
        }
        return line(QString()) && line(QString(FormFeed));
    }

private:
    AppState& state_;
    OutputEngine& engine_;
};

} // namespace

QString placeLine(const QString& city, const QString& state, const QString& zip)
{
    // The fields are held blank-padded to their widths; the joins read best trimmed.
    const QString c = trimBlanks(city);
    const QString s = trimBlanks(state);
    const QString z = trimBlanks(zip);
    if (c.isEmpty() && s.isEmpty())
        return {};
    if (c.isEmpty())
        return s + u' ' + z;
    if (s.isEmpty())
        return c + u' ' + z;
    return c + QStringLiteral(", ") + s + u' ' + z;
}

void printRoster(AppState& state, const PlayerContactTable& contacts, OutputEngine& engine,
    const std::function<void()>& afterOpen)
{
    engine.open();
    if (engine.stopped())
        return;
    if (afterOpen)
        afterOpen();
    RosterPrinter printer(state, engine);
    while (state.printJob.copies > 0) {
        if (!printer.copy(contacts))
            return;
        --state.printJob.copies;
    }
    engine.close();
}

ExportTable rosterExportTable(const AppState& state, const PlayerContactTable& contacts)
{
    ExportTable table;
    table.title = trimBlanks(withSeasonName(state, state.printJob.title));
    table.team = trimBlanks(state.teamChoice.names[state.teamChoice.currentSlot]);
    table.headings = {QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Phone"),
        QStringLiteral("Address 1"), QStringLiteral("Address 2"), QStringLiteral("City"),
        QStringLiteral("State"), QStringLiteral("Zip"), QStringLiteral("Other Information")};
    table.numericColumns = {0};
    for (int n = 1; n <= 99; ++n) {
        if (state.roster.free[n])
            continue;
        const PlayerContact& c = contacts[n];
        table.rows.append({ExportTable::RowKind::Body,
            {QString::number(n), trimBlanks(state.roster.names[n]), trimBlanks(c.phone),
                trimBlanks(c.address1), trimBlanks(c.address2), trimBlanks(c.city),
                trimBlanks(c.state), trimBlanks(c.zip), trimBlanks(c.otherInfo)}});
    }
    return table;
}

} // namespace scorvane
