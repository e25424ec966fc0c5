#include "core/store/FolderBrowsing.h"

#include "core/text/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace scorvane {

QStringList driveRoots()
{
    QStringList roots{QStringLiteral("/"), folderWithSlash(QDir::homePath())};
    const QStringList mountParents
        = {QStringLiteral("/media/"), QStringLiteral("/mnt/"), QStringLiteral("/run/media/")};
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volume : volumes) {
        const QString root = folderWithSlash(volume.rootPath());
        const bool extraDisk = std::any_of(mountParents.begin(), mountParents.end(),
            [&](const QString& parent) { return root.startsWith(parent); });
        if (extraDisk && !roots.contains(root))
            roots.append(root);
    }
    return roots;
}

QString driveOfFolder(const QString& folder, const QStringList& roots)
{
    const QString path = folderWithSlash(folder);
    QString best = QStringLiteral("/");
    for (const QString& root : roots) {
        if (path.startsWith(root) && root.size() > best.size())
            best = root;
    }
    return best;
}

QStringList folderListLines(const QString& folder, int* openIndex)
{
    const QString path = folderWithSlash(QDir::cleanPath(folder));
    QStringList lines{QStringLiteral("/")};
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    QString built = QStringLiteral("/");
    for (const QString& part : parts) {
        built += part + u'/';
        lines.append(built);
    }
    if (openIndex != nullptr)
        *openIndex = static_cast<int>(lines.size()) - 1;
    QStringList children = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(children.begin(), children.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString& child : children)
        lines.append(path + child + u'/');
    return lines;
}

bool folderReadable(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

QString createFolder(const QString& parent, const QString& name, QString* error)
{
    const QString trimmed = name.trimmed();
    const auto fail = [error](const QString& why) {
        if (error != nullptr)
            *error = why;
        return QString();
    };
    if (trimmed.isEmpty())
        return fail(QStringLiteral("Enter a name for the new folder."));
    if (trimmed.contains(u'/') || trimmed == u"." || trimmed == u"..")
        return fail(QStringLiteral("A folder name cannot contain \"/\" or be \".\" or \"..\"."));
    const QString path = folderWithSlash(parent) + trimmed;
    if (QFileInfo::exists(path))
        return fail(QStringLiteral("%1 already exists.").arg(path));
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
        return fail(QStringLiteral("%1 could not be made: %2.")
                        .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    return folderWithSlash(path);
}

} // namespace scorvane
