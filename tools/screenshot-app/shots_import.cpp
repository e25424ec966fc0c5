#include "Shots.h"

#include "core/import/CsvSheet.h"
#include "core/teams/TeamSelection.h"
#include "gui/import/SpreadsheetImportDialog.h"

#include <QComboBox>

namespace scorvane::shots {

namespace {

// A club system's export as it arrives: Windows-1252, semicolons, a quoted address with a
// comma, a player already on the roster, a number out of range and a name too long to keep.
QByteArray clubRoster()
{
    return QByteArray(
        "Jersey No.;First name;Last name;E-mail;Street;City;Zip\r\n"
        "3;Ren\xE9;Lef\xE8vre;rene@example.org;\"12 Quay St, Apt 4\";Bayview;94010\r\n"
        "21;Zo\xEB;Bj\xF6rk;;;Bayview;94011\r\n"
        "104;Sam;Ortiz;sam@example.org;;;\r\n"
        "22;Maximiliano;Fern\xE1ndez-Castillo;;;Harbor City;\r\n");
}

QByteArray schedule()
{
    return QByteArray("Date,Opponent,H/A,Venue,Competition,GF,GA\n"
                      "2024-09-07,Harbor United,H,North Field,League,2,1\n"
                      "2024-09-14,Lakeside FC,A,Lake Park,Cup,0,0\n"
                      "2024-09-31,Hill Rovers,H,North Field,League,,\n");
}

void saveDialog(ShotContext& context, const QByteArray& bytes, const QString& file,
    const QString& name, const std::function<void(QDialog&)>& prepare = {})
{
    SpreadsheetImportDialog dialog(context.mdi, file, readCsvSheet(bytes));
    if (prepare)
        prepare(dialog);
    dialog.show();
    context.save(&dialog, name);
    dialog.reject();
}

} // namespace

// The import dialog over the first sample team: a roster export with a conflict set to Replace,
// and a season's schedule with a bad date.
void shotsImport(ShotContext& context)
{
    TeamLines first{};
    first[0] = true;
    takeTeamSelection(context.state, first);
    saveDialog(context, clubRoster(), QStringLiteral("/home/coach/Downloads/club-roster.csv"),
        QStringLiteral("import-roster"), [](QDialog& dialog) {
            if (auto* action = dialog.findChild<QComboBox*>(QStringLiteral("cboAction0")))
                action->setCurrentText(QStringLiteral("Replace"));
        });
    saveDialog(context, schedule(), QStringLiteral("/home/coach/Downloads/fall-schedule.csv"),
        QStringLiteral("import-games"));
}

} // namespace scorvane::shots
