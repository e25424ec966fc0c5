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
    DataFiles& files = state.Files;
    files.openDataFile(FileSettings);
    if (files.fileLength(FileSettings) != SettingsRecord::Length) {
        files.closeDataFile(FileSettings);
        return LoadResult::Corrupt;
    }
    const auto record = files.Get<SettingsRecord>(FileSettings, 1);
    state.DataPath = folderWithSlash(record.DataPathText);
    state.ReportPath = folderWithSlash(record.ReportPathText);
    state.LinesPerPage = record.LinesPerPage;
    state.TitleFontSize = record.TitleFontSize;
    state.TitleBold = record.TitleBold;
    state.ReportFontSize = record.ReportFontSize;
    state.ReportBold = record.ReportBold;
    state.GameTypeNames = record.GameTypeNames;
    state.UserStatCodes = record.UserStatCodes;
    state.ReportColumns = record.ReportColumns;
    state.SortColumn = record.SortColumn;
    state.SortOrder = QString(TextCodec::decodeByte(static_cast<unsigned char>(record.SortOrder)));
    files.closeDataFile(FileSettings);
    fillCategoryCodes(state.CategoryCodes, state.UserStatCodes);
    return LoadResult::Loaded;
}

bool Settings::save(AppState& state)
{
    DataFiles& files = state.Files;
    return files.change(QStringLiteral("Saving the settings"), [&] { writeRecord(state); });
}

void Settings::writeRecord(AppState& state)
{
    DataFiles& files = state.Files;
    files.openDataFile(FileSettings);
    // The reserved fields at 579 and 581 are written back as the file held them.
    SettingsRecord record = files.fileLength(FileSettings) >= SettingsRecord::Length
        ? files.Get<SettingsRecord>(FileSettings, 1)
        : SettingsRecord{};
    record.GameTypeNames = state.GameTypeNames;
    record.UserStatCodes = state.UserStatCodes;
    record.ReportColumns = state.ReportColumns;
    record.SettingsVersion = 200;
    record.LinesPerPage = state.LinesPerPage;
    record.TitleFontSize = state.TitleFontSize;
    record.TitleBold = state.TitleBold;
    record.ReportFontSize = state.ReportFontSize;
    record.ReportBold = state.ReportBold;
    record.SortColumn = state.SortColumn;
    record.SortOrder = state.SortOrder.isEmpty() ? ' ' : TextCodec::encodeChar(state.SortOrder[0]);
    record.DataPathText = state.DataPath;
    record.ReportPathText = state.ReportPath;
    record.blankReservedFields();
    files.Put(FileSettings, 1, record);
    files.closeDataFile(FileSettings);
}

} // namespace scorvane
