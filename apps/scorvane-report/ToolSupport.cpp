#include "ToolSupport.h"

#include "core/state/AppState.h"
#include "core/state/DefaultSettings.h"
#include "core/state/Settings.h"
#include "core/store/FileError.h"
#include "core/text/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace scorvane {

ErrorReporter::Choice ToolErrorReporter::reportFileError(const FileError& error)
{
    last_ = QStringLiteral("%1: %2").arg(error.path, FileErrorMessage::describe(error).text);
    return answer_;
}

void ToolErrorReporter::endProgram()
{
    throw ToolStopped{last_};
}

void printLine(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = (text + u'\n').toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

void loadToolSettings(AppState& state, const QString& settingsFile, const QString& folder)
{
    state.settings.settingsFolder = folder;
    QDir().mkpath(folder);
    QString source = settingsFile;
    if (source.isEmpty()) {
        const QString installed
            = resolveInFolder(defaultSettingsFolder(), QStringLiteral("QMKV.INI"));
        if (QFileInfo::exists(installed))
            source = installed;
    }
    if (source.isEmpty()) {
        const QString error = supplyDefaultSettings(folder, state.settings.dataFolder);
        if (!error.isEmpty())
            throw ToolStopped{error};
    } else if (!QFile::copy(source, folder + QStringLiteral("QMKV.INI"))) {
        throw ToolStopped{QStringLiteral("cannot read settings file %1").arg(source)};
    }
    const QString dataFolder = state.settings.dataFolder;
    if (Settings::load(state) == Settings::LoadResult::Corrupt)
        throw ToolStopped{QStringLiteral("%1 is not a 669-byte settings file").arg(source)};
    state.settings.dataFolder = dataFolder;
    state.settings.reportFolder = dataFolder;
}

} // namespace scorvane
