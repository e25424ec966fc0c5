#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace scorvane {

// One program per data folder: a lock file in the folder that a second program finds taken.
// A lock left by a program that crashed (its process is gone) is taken over.
class DataFolderLock
{
public:
    enum class Result {
        Locked,      // this program now holds the folder
        HeldByOther, // another running program holds it; see holder()
        Unavailable, // no lock can be made here (a read-only folder): viewing only
    };

    DataFolderLock();
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;
    DataFolderLock(DataFolderLock&&) noexcept;
    DataFolderLock& operator=(DataFolderLock&&) noexcept; // lets go of the lock held before

    // Locks `folder` (with a trailing "/"), giving up any folder held before. Locking the folder
    // already held changes nothing.
    Result lock(const QString& folder);
    void unlock();
    bool holds(const QString& folder) const;

    // "process 1234 on host" for the program that holds the folder after HeldByOther.
    const QString& holder() const { return holder_; }
    void setHolder(const QString& holder) { holder_ = holder; }

    static QString lockFileName(); // ".KVLOCK.LCK", never taken for a data file

private:
    std::unique_ptr<QLockFile> file_;
    QString folder_;
    QString holder_;
};

// The message shown when another program holds the folder.
QString folderInUseText(const QString& folder, const QString& holder);

} // namespace scorvane
