#include "core/store/DataFolderLock.h"

#include <QFileInfo>
#include <QLockFile>

namespace scorvane {

DataFolderLock::DataFolderLock() = default;
DataFolderLock::~DataFolderLock() = default;
DataFolderLock::DataFolderLock(DataFolderLock&&) noexcept = default;
DataFolderLock& DataFolderLock::operator=(DataFolderLock&&) noexcept = default;

QString DataFolderLock::lockFileName()
{
    return QStringLiteral(".KVLOCK.LCK"); // hidden: folder listings show only the data
}

bool DataFolderLock::holds(const QString& folder) const
{
    return file_ && QFileInfo(folder).canonicalFilePath() == QFileInfo(folder_).canonicalFilePath();
}

DataFolderLock::Result DataFolderLock::lock(const QString& folder)
{
    if (holds(folder))
        return Result::Locked;
    unlock();
    holder_.clear();
    auto file = std::make_unique<QLockFile>(folder + lockFileName());
    // A lock is stale only when its process is gone; a live program keeps its lock however long
    // it runs.
    file->setStaleLockTime(0);
    if (file->tryLock(0)) {
        file_ = std::move(file);
        folder_ = folder;
        return Result::Locked;
    }
    if (file->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString application;
        if (file->getLockInfo(&pid, &host, &application))
            holder_ = QStringLiteral("process %1 on %2").arg(pid).arg(host);
        return Result::HeldByOther;
    }
    return Result::Unavailable;
}

void DataFolderLock::unlock()
{
    if (file_)
        file_->unlock();
    file_.reset();
    folder_.clear();
}

QString folderInUseText(const QString& folder, const QString& holder)
{
    QString text = QStringLiteral("The data folder %1 is in use by another copy of Scorvane for "
                                  "Soccer")
                       .arg(folder);
    if (!holder.isEmpty())
        text += QStringLiteral(" (%1)").arg(holder);
    return text
        + QStringLiteral(".\n\nOnly one copy can work on a data folder at a time. Close the "
                         "other copy, then start this one again.");
}

} // namespace scorvane
