#include "core/text/Paths.h"

#include "core/text/Blanks.h"

#include <QDir>
#include <QFileInfo>

namespace scorvane {

QString folderWithSlash(const QString& text)
{
    QString folder = trimBlanks(text);
    // An installed default settings file names the data folder under the user's home as "~/".
    if (folder == u"~" || folder.startsWith(QStringLiteral("~/")))
        folder = QDir::homePath() + folder.mid(1);
    return withSlash(folder);
}

QString withSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString resolveInFolder(const QString& folder, const QString& name)
{
    const QString exact = folder + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + entry;
    }
    return exact;
}

} // namespace scorvane
