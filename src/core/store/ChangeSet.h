#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace scorvane {

// Whole-file replacements and removals in one folder that take effect together or not at all.
//
// Each new file is written beside the old one as "<name>.new" and flushed to disk. A change of
// one file then renames it over the old one. A change of several files first writes a journal,
// "KVCHANGE.JNL", naming them; once the journal is in place the change is decided, the renames
// and removals follow and the journal is removed. Start-up finishes a change whose journal it
// finds and throws away "*.new" files without one (see recoverPendingChange).
class ChangeSet
{
public:
    enum class Outcome {
        Done,    // every file is as it must be after
        Failed,  // nothing changed; failedPath and failedErrno say why
        Pending, // decided but not finished: the journal stays, finishPending completes it
    };

    explicit ChangeSet(QString operation);

    void replace(const QString& path, const QByteArray& bytes);
    void remove(const QString& path);
    bool isEmpty() const { return entries_.empty(); }
    const QString& operation() const { return operation_; }

    Outcome commit();

    const QString& failedPath() const { return failedPath_; }
    int failedErrno() const { return failedErrno_; }

private:
    struct Entry
    {
        QString path;
        QByteArray bytes;
        bool removal = false;
    };

    bool fail(const QString& path);
    void discardStaged();

    QString operation_;
    std::vector<Entry> entries_;
    QString failedPath_;
    int failedErrno_ = 0;
};

// What start-up found of a change that a crash interrupted.
struct PendingChange
{
    enum class Kind { None, Finished, RolledBack, StillPending };
    Kind kind = Kind::None;
    QString operation;  // from the journal; empty for a change rolled back
    QStringList files;  // the files finished, or the leftover new files thrown away
    QString failedPath; // StillPending: the file that could not be put in place
    int failedErrno = 0;
};

// Finishes the change whose journal lies in `folder`, or throws away the new files of a change
// that never got as far as its journal. Safe to run on any folder, any number of times.
PendingChange recoverPendingChange(const QString& folder);

// The journal's name, and the name each new file is written under before its rename.
QString changeJournalName();
QString stagedName(const QString& path);

// Writes `bytes` as the whole of `path` through a new file, a flush and a rename: the file is
// either as it was or wholly new. False with errno set when it failed.
bool replaceWholeFile(const QString& path, const QByteArray& bytes);

} // namespace scorvane
