#include "gui/output/SeasonWorkbookCommand.h"

#include "core/output/SeasonWorkbook.h"
#include "core/state/AppState.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowHost.h"
#include "workbook/WorkbookFile.h"

namespace scorvane {

namespace {

const QString Caption = QStringLiteral("Export Season Workbook");

} // namespace

bool exportSeasonWorkbook(WindowHost& host)
{
    AppState& state = host.state();
    QWidget* over = host.mainWidget();
    if (state.teamChoice.count == 0) {
        host.prompter().tell(over, Caption, QStringLiteral("Choose one or more teams first."));
        return false;
    }
    FileQuestion question;
    question.title = Caption;
    question.filter = QStringLiteral("Workbook (*.xlsx)");
    question.defaultSuffix = QStringLiteral("xlsx");
    question.startFolder = state.settings.reportFolder;
    question.confirmOverwrite = true;
    const QString path = host.prompter().saveFileName(over, question);
    if (path.isEmpty())
        return false;

    QList<NamedTable> sheets;
    {
        BusyPointer busy;
        sheets = seasonWorkbookTables(state);
    }
    for (;;) {
        QString error;
        {
            BusyPointer busy;
            error = writeWorkbook(path, sheets);
        }
        if (error.isEmpty())
            break;
        const Message retry{Caption,
            QStringLiteral("The workbook cannot be written to %1:\n%2").arg(path, error),
            Message::Buttons::RetryCancel, Message::Icon::Warning, Message::Answer::Retry};
        if (host.prompter().ask(over, retry) != Message::Answer::Retry)
            return false;
    }
    host.showStatus(QStringLiteral("Season workbook written to %1").arg(path));
    return true;
}

} // namespace scorvane
