#include "core/state/Settings.h"

#include "core/state/AppState.h"
#include "core/store/SettingsRecord.h"
#include "core/text/Blanks.h"
#include "core/text/Paths.h"
#include "core/text/TextCodec.h"

#include <QDir>

namespace scorvane {

QString Settings::folderRefusal(const QString& folder)
{
    constexpr int FolderWidth = 145;
    if (folder.size() > FolderWidth)
        return QStringLiteral("The folder name has %1 characters; the settings file can hold %2.")
            .arg(folder.size())
            .arg(FolderWidth);
    for (const QChar c : folder) {
        if (!TextCodec::canStore(c))
            return QStringLiteral("The folder name contains \"%1\", which the settings file "
                                  "cannot store.")
                .arg(c);
    }
    return {};
}

Settings::LoadResult Settings::load(AppState& state)
{
    DataFiles& files = state.files;
    files.openDataFile(FileSettings);
    if (files.fileLength(FileSettings) != SettingsRecord::Length) {
        files.closeDataFile(FileSettings);
        return LoadResult::Corrupt;
    }
    const auto record = files.Get<SettingsRecord>(FileSettings, 1);
    ProgramSettings& settings = state.settings;
    settings.dataFolder = folderWithSlash(record.DataPathText);
    settings.reportFolder = folderWithSlash(record.ReportPathText);
    settings.linesPerPage = record.LinesPerPage;
    settings.titleFontSize = record.TitleFontSize;
    settings.titleBold = record.TitleBold != 0;
    settings.reportFontSize = record.ReportFontSize;
    settings.reportBold = record.ReportBold != 0;
    settings.gameTypeNames = record.GameTypeNames;
    settings.userStatCodes = record.UserStatCodes;
    settings.reportColumns = record.ReportColumns;
    settings.sortColumn = record.SortColumn;
    settings.sortOrder = record.SortOrder == 'D' ? SortOrder::Descending : SortOrder::Ascending;
    files.closeDataFile(FileSettings);
    fillCategoryCodes(settings.categoryCodes, settings.userStatCodes);
    return LoadResult::Loaded;
}

bool Settings::save(AppState& state)
{
    DataFiles& files = state.files;
    return files.change(QStringLiteral("Saving the settings"), [&] { writeRecord(state); });
}

void Settings::writeRecord(AppState& state)
{
    DataFiles& files = state.files;
    files.openDataFile(FileSettings);
    // The reserved fields at 579 and 581 are written back as the file held them.
    SettingsRecord record = files.fileLength(FileSettings) >= SettingsRecord::Length
        ? files.Get<SettingsRecord>(FileSettings, 1)
        : SettingsRecord{};
    const ProgramSettings& settings = state.settings;
    record.GameTypeNames = settings.gameTypeNames;
    record.UserStatCodes = settings.userStatCodes;
    record.ReportColumns = settings.reportColumns;
    record.SettingsVersion = 200;
    // The file's booleans are 0 and -1.
    record.LinesPerPage = static_cast<qint16>(settings.linesPerPage);
    record.TitleFontSize = static_cast<qint16>(settings.titleFontSize);
    record.TitleBold = settings.titleBold ? -1 : 0;
    record.ReportFontSize = static_cast<qint16>(settings.reportFontSize);
    record.ReportBold = settings.reportBold ? -1 : 0;
    record.SortColumn = static_cast<qint16>(settings.sortColumn);
    record.SortOrder = settings.sortOrder == SortOrder::Descending ? 'D' : 'A';
    record.DataPathText = settings.dataFolder;
    record.ReportPathText = settings.reportFolder;
    record.blankReservedFields();
    files.Put(FileSettings, 1, record);
    files.closeDataFile(FileSettings);
}

} // namespace scorvane
