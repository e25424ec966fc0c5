#include "core/reports/PlayerReportSession.h"

#include "core/store/ErrorReporter.h"

namespace scorvane {

void PlayerReportSession::compute(const PlayerReportRequest& request, ErrorReporter& reporter)
{
    PlayerReportRequest unsplit = request;
    unsplit.stats.selection.minimumValue = 0;
    report_ = preparePlayerReport(unsplit);
    while (report_.error) {
        if (reporter.reportFileError(*report_.error) != ErrorReporter::Choice::Retry)
            reporter.endProgram();
        report_ = preparePlayerReport(unsplit);
    }
}

void PlayerReportSession::sort(const PlayerReportRequest& request)
{
    if (report_.layout.individual)
        return;
    sortPlayerRows(report_.table, request.sortColumn, request.sortOrder);
    report_.layout.minimum = {};
}

void PlayerReportSession::changeFormat(const PlayerReportRequest& request)
{
    report_.layout.columns = request.columns;
    if (report_.layout.individual)
        return;
    const bool wasSplit = report_.layout.minimum.position > 0;
    sort(request);
    if (wasSplit)
        splitByMinimum(request);
}

void PlayerReportSession::splitByMinimum(const PlayerReportRequest& request)
{
    const ReportSelection& selection = request.stats.selection;
    if (report_.layout.individual || selection.minimumValue < 1)
        return;
    report_.layout.minimum
        = scorvane::splitByMinimum(report_.table, selection.minimumKind, selection.minimumValue);
}

bool PlayerReportSession::print(const PrintChoices& choices, OutputEngine& engine) const
{
    return printPlayerReport(report_.table, report_.layout, choices, engine);
}

} // namespace scorvane
