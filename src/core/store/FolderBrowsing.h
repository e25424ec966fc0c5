#pragma once

#include <QString>
#include <QStringList>

namespace scorvane {

// Linux has no drive letters: the "drives" are the root folder, the home folder and the mount
// points of removable and extra disks (under /media, /mnt and /run/media), each with "/".
QStringList driveRoots();

// The drive a folder lies on: the longest drive root that contains it ("/" at worst).
QString driveOfFolder(const QString& folder, const QStringList& roots);

// The lines of a folder list showing `folder` open: the folder's ancestors from the root down,
// the folder itself, then its sub-folders sorted without regard to case (hidden ones left out).
// Each line is a full path with "/"; `openIndex` receives the line of `folder` itself.
QStringList folderListLines(const QString& folder, int* openIndex = nullptr);

// True when the folder can be listed (a drive without a disk, a folder without permission fail).
bool folderReadable(const QString& folder);

// Makes the folder `name` inside `parent`. The new folder's path with "/", or an empty text with
// `error` set to a sentence saying why not (a bad name, a folder that exists, the system's reason).
QString createFolder(const QString& parent, const QString& name, QString* error);

} // namespace scorvane
