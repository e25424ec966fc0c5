#include "core/state/DefaultSettings.h"

#include "core/text/Paths.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <array>

namespace scorvane {
namespace {

// The default report format's columns: G, GS, SOG, SAG, PKG, PKA, DK, IK, CY, CR, Ast, Stl, BS, T,
// PKB, PKF, SF, Sv.
constexpr std::array<qint16, 18> DefaultColumns
    = {1, 7, 4, 5, 10, 11, 16, 17, 18, 19, 23, 24, 25, 26, 30, 31, 27, 28};
constexpr qint16 SortByGoalsScored = 7;

QString xdgFolder(const char* variable, const QString& fallbackUnderHome)
{
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + fallbackUnderHome;
    return folderWithSlash(base) + QStringLiteral("Scorvane/");
}

} // namespace

SettingsRecord defaultSettingsRecord(const QString& dataFolder)
{
    SettingsRecord record;
    record.settingsVersion = 200;
    record.dataPathText = folderWithSlash(dataFolder);
    record.reportPathText = record.dataPathText;
    const std::array<const char*, 7> gameTypes
        = {"League", "Tournament", "Friendly", "Playoff", "Cup", "Indoor", "Other"};
    for (int t = 1; t <= 7; ++t)
        record.gameTypeNames[t] = QString::fromLatin1(gameTypes[static_cast<std::size_t>(t - 1)]);
    for (int u = 1; u <= 5; ++u)
        record.userStatCodes[u] = QStringLiteral("KV%1").arg(u);
    record.reportColumns.fill(0);
    for (std::size_t c = 0; c < DefaultColumns.size(); ++c)
        record.reportColumns[static_cast<int>(c) + 1] = DefaultColumns[c];
    record.sortColumn = SortByGoalsScored;
    record.sortOrder = 'D';
    record.linesPerPage = 60;
    record.titleFontSize = 12;
    record.titleBold = 0;
    record.reportFontSize = 12;
    record.reportBold = 0;
    record.blankReservedFields();
    return record;
}

QString supplyDefaultSettings(const QString& settingsFolder, const QString& dataFolder)
{
    const QString folder = folderWithSlash(settingsFolder);
    const QString data = folderWithSlash(dataFolder);
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot create the settings folder %1").arg(folder);
    if (!QDir().mkpath(data))
        return QStringLiteral("cannot create the data folder %1").arg(data);
    const QString path = folder + QStringLiteral("QMKV.INI");
    if (QFile::exists(path))
        return {};
    // Written whole or not at all: a half-written file would stop every later start.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    file.write(defaultSettingsRecord(data).encode());
    if (!file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

QString defaultDataFolder()
{
    return xdgFolder("XDG_DATA_HOME", QStringLiteral("/.local/share"));
}

QString defaultSettingsFolder()
{
    return xdgFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
}

} // namespace scorvane
