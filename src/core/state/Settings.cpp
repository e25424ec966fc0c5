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
    const auto record = files.get<SettingsRecord>(FileSettings, 1);
    ProgramSettings& settings = state.settings;
    settings.dataFolder = folderWithSlash(record.dataPathText);
    settings.reportFolder = folderWithSlash(record.reportPathText);
    settings.linesPerPage = record.linesPerPage;
    settings.titleFontSize = record.titleFontSize;
    settings.titleBold = record.titleBold != 0;
    settings.reportFontSize = record.reportFontSize;
    settings.reportBold = record.reportBold != 0;
    settings.gameTypeNames = record.gameTypeNames;
    settings.userStatCodes = record.userStatCodes;
    settings.reportColumns = record.reportColumns;
    settings.sortColumn = record.sortColumn;
    settings.sortOrder = record.sortOrder == 'D' ? SortOrder::Descending : SortOrder::Ascending;
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
        ? files.get<SettingsRecord>(FileSettings, 1)
        : SettingsRecord{};
    const ProgramSettings& settings = state.settings;
    record.gameTypeNames = settings.gameTypeNames;
    record.userStatCodes = settings.userStatCodes;
    record.reportColumns = settings.reportColumns;
    record.settingsVersion = 200;
    // The file's booleans are 0 and -1.
    record.linesPerPage = static_cast<qint16>(settings.linesPerPage);
    record.titleFontSize = static_cast<qint16>(settings.titleFontSize);
    record.titleBold = settings.titleBold ? -1 : 0;
    record.reportFontSize = static_cast<qint16>(settings.reportFontSize);
    record.reportBold = settings.reportBold ? -1 : 0;
    record.sortColumn = static_cast<qint16>(settings.sortColumn);
    record.sortOrder = settings.sortOrder == SortOrder::Descending ? 'D' : 'A';
    record.dataPathText = state.files.homeDataFolder(); // never a season viewed meanwhile
    record.reportPathText = settings.reportFolder;
    record.blankReservedFields();
    files.put(FileSettings, 1, record);
    files.closeDataFile(FileSettings);
}

} // namespace scorvane
