#include "core/state/HelpTopics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace scorvane {
namespace {

const QString ContentsPage = QStringLiteral("kvhelp.html");

void copyPages(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QFileInfoList pages = QDir(from).entryInfoList(QDir::Files);
    for (const QFileInfo& page : pages) {
        const QString target = to + page.fileName();
        QFile::remove(target);
        QFile::copy(page.absoluteFilePath(), target);
    }
}

} // namespace

QString locateHelpFile(const QString& programFolder, const QString& tempFolder)
{
    const QString candidates[] = {
        programFolder + QStringLiteral("help/"),
        QDir::cleanPath(programFolder + QStringLiteral("../share/scorvane/help")) + u'/',
    };
    QString folder = candidates[0];
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate + ContentsPage)) {
            folder = candidate;
            break;
        }
    }
    if (isLocalPath(folder))
        return folder + ContentsPage;
    const QString local = tempFolder + QStringLiteral("kvhelp/");
    copyPages(folder, local);
    return local + ContentsPage;
}

QString helpTopicPage(const QString& helpFilePath, const QString& topic)
{
    return QFileInfo(helpFilePath).path() + QStringLiteral("/topic") + topic.trimmed()
        + QStringLiteral(".html");
}

bool isNetworkFileSystem(const QByteArray& fileSystemType)
{
    const QByteArray type = fileSystemType.toLower();
    static const QByteArray network[] = {"nfs", "nfs4", "cifs", "smb", "smbfs", "smb3", "ncpfs",
        "afs", "coda", "9p", "davfs", "fuse.sshfs", "sshfs", "fuse.davfs", "fuse.rclone", "ceph",
        "glusterfs", "fuse.glusterfs", "lustre"};
    for (const QByteArray& n : network) {
        if (type == n)
            return true;
    }
    return false;
}

bool isLocalPath(const QString& path)
{
    if (path.startsWith(QStringLiteral("//")))
        return false;
    QFileInfo nearest(path);
    while (!nearest.exists()) {
        const QString parent = nearest.absolutePath();
        if (parent == nearest.absoluteFilePath())
            return false;
        nearest = QFileInfo(parent);
    }
    const QStorageInfo storage(nearest.absoluteFilePath());
    if (!storage.isValid())
        return false;
    return !isNetworkFileSystem(storage.fileSystemType());
}

QString helpNetworkErrorText()
{
    return QStringLiteral(
        "Unable to display help.  This is because the program is installed to a network folder "
        "and your temporary windows folder is also a network folder.  You may download the "
        "printable help file from our website instead.");
}

QString emptyWebAddressText()
{
    return QStringLiteral("An empty URL was encountered in WebPage.  This page cannot be loaded.");
}

QString webPageErrorText(const QString& address, WebOpenResult failure)
{
    const int errorCode = failure == WebOpenResult::NoOpener ? 2 : 31;
    return QStringLiteral("Unable to link to ") + address + QStringLiteral(" from WebPage.\n")
        + QStringLiteral("Error code: ") + QString::number(errorCode)
        + QStringLiteral("\n\nYour browser may not be installed correctly.");
}

QString supportWebAddress()
{
    return QStringLiteral("https://www.quillmere.example/support/scorvane");
}

QString makerEmailAddress()
{
    return QStringLiteral("mailto:support@quillmere.example");
}

QString makerWebAddress()
{
    return QStringLiteral("https://www.quillmere.example");
}

} // namespace scorvane
