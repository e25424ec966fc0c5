#include "gui/import/SpreadsheetImportCommand.h"

#include "core/import/CsvSheet.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowHost.h"
#include "gui/import/SpreadsheetImportDialog.h"

#include <QFile>
#include <QFileInfo>

namespace scorvane {

namespace {

// Far beyond any roster or season; a larger file is not what the user meant to choose.
constexpr qint64 LargestFile = 64LL * 1024 * 1024;

// Asks for the file and shows the dialog; the status text after an import, else empty.
QString runImport(WindowHost& host)
{
    QWidget* over = host.mainWidget();
    const QString title = QStringLiteral("Import from Spreadsheet");
    const QString fileName = host.prompter().openFileName(over,
        {title, QStringLiteral("Spreadsheet text (*.csv *.CSV *.txt *.TXT *.tsv);;All files (*)"),
            {}, {}, false});
    if (fileName.isEmpty())
        return {};
    QFile file(fileName);
    if (QFileInfo(fileName).size() > LargestFile) {
        host.prompter().tell(over, title,
            QStringLiteral("%1 is too large to be a roster or a season's games.").arg(fileName),
            Message::Icon::Warning);
        return {};
    }
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)) {
        host.prompter().tell(over, title,
            QStringLiteral("%1 cannot be read:\n%2").arg(fileName, file.errorString()),
            Message::Icon::Warning);
        return {};
    }
    CsvSheet sheet = readCsvSheet(file.readAll());
    if (!sheet.refusal.isEmpty()) {
        host.prompter().tell(
            over, title, fileName + QStringLiteral("\n\n") + sheet.refusal, Message::Icon::Warning);
        return {};
    }
    SpreadsheetImportDialog dialog(host, fileName, std::move(sheet));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return QStringLiteral("Imported %1 %2 from %3")
        .arg(dialog.written().stored)
        .arg(dialog.kind() == ImportKind::Roster ? QStringLiteral("players")
                                                 : QStringLiteral("games"),
            QFileInfo(fileName).fileName());
}

} // namespace

void importFromSpreadsheet(WindowHost& host)
{
    // No other window is open meanwhile, so none holds a copy of what the import changes.
    host.closeChildWindows();
    const QString status = runImport(host);
    host.switchWindow(WindowSelectTeam, nullptr);
    if (!status.isEmpty())
        host.showStatus(status);
}

} // namespace scorvane
