#include "core/state/HelpTopics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace scorvane {
namespace {

const QString ContentsPage = QStringLiteral("kvhelp.html");

void CopyPages(const QString& from, const QString& to)
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

QString LocateHelpFile(const QString& programFolder, const QString& tempFolder)
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
    if (IsLocalPath(folder))
        return folder + ContentsPage;
    const QString local = tempFolder + QStringLiteral("kvhelp/");
    CopyPages(folder, local);
    return local + ContentsPage;
}

QString HelpTopicPage(const QString& helpFilePath, const QString& topic)
{
    return QFileInfo(helpFilePath).path() + QStringLiteral("/topic") + topic.trimmed()
        + QStringLiteral(".html");
}

bool IsNetworkFileSystem(const QByteArray& fileSystemType)
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

bool IsLocalPath(const QString& path)
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
    return !IsNetworkFileSystem(storage.fileSystemType());
}

QString HelpNetworkErrorText()
{
    return QStringLiteral(
        "Unable to display help.  This is because the program is installed to a network folder "
        "and your temporary windows folder is also a network folder.  You may download the "
        "printable help file from our website instead.");
}

QString EmptyWebAddressText()
{
    return QStringLiteral("An empty URL was encountered in WebPage.  This page cannot be loaded.");
}

QString WebPageErrorText(const QString& address, int errorCode)
{
    return QStringLiteral("Unable to link to ") + address + QStringLiteral(" from WebPage.\n")
        + QStringLiteral("Error code: ") + QString::number(errorCode)
        + QStringLiteral("\n\nYour browser may not be installed correctly.");
}

QString SupportWebAddress()
{
    return QStringLiteral("https://www.quillmere.example/support/scorvane");
}

QString MakerEmailAddress()
{
    return QStringLiteral("mailto:support@quillmere.example");
}

QString MakerWebAddress()
{
    return QStringLiteral("https://www.quillmere.example");
}

} // namespace scorvane
