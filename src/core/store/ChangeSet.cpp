#include "core/store/ChangeSet.h"

#include "core/store/FileFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace scorvane {
namespace {

const char* const JournalHeader = "scorvane change 1";

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath() + u'/';
}

// Writes the whole file and flushes it to disk; every disk-changing call is one fault step.
bool writeAndFlush(const QString& path, const QByteArray& bytes)
{
    if (!FileFaults::allowStep())
        return false;
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    qint64 done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        if (!FileFaults::allowStep()) {
            ok = false;
            break;
        }
        const ssize_t n
            = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ok = false;
        else
            done += n;
    }
    if (ok)
        ok = FileFaults::allowStep() && ::fsync(fd) == 0;
    const int saved = errno;
    if (::close(fd) != 0 && ok)
        return false;
    errno = saved;
    return ok;
}

bool renameOver(const QString& from, const QString& to)
{
    return FileFaults::allowStep()
        && ::rename(native(from).constData(), native(to).constData()) == 0;
}

bool removeFile(const QString& path)
{
    if (!FileFaults::allowStep())
        return false;
    return ::unlink(native(path).constData()) == 0 || errno == ENOENT;
}

// Makes renames and removals in the folder durable. Best effort: by the time it runs the change
// is already decided, so a failure here cannot undo it.
void flushFolder(const QString& folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

struct Journal
{
    QString operation;
    QStringList replaced;
    QStringList removed;
    bool complete = false;
};

QByteArray journalText(
    const QString& operation, const QStringList& replaced, const QStringList& removed)
{
    QByteArray text = QByteArray(JournalHeader) + '\n';
    text += "operation " + operation.toUtf8() + '\n';
    for (const QString& name : replaced)
        text += "replace " + name.toUtf8() + '\n';
    for (const QString& name : removed)
        text += "remove " + name.toUtf8() + '\n';
    text += "end\n";
    return text;
}

Journal readJournal(const QString& path)
{
    Journal journal;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return journal;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.isEmpty() || lines.front() != JournalHeader)
        return journal;
    for (const QByteArray& line : lines) {
        // Only bare file names are accepted: a journal never reaches outside its folder.
        const auto name = [&](int skip) { return QString::fromUtf8(line.mid(skip)); };
        if (line.startsWith("operation "))
            journal.operation = name(10);
        else if (line.startsWith("replace ") && !line.contains('/'))
            journal.replaced << name(8);
        else if (line.startsWith("remove ") && !line.contains('/'))
            journal.removed << name(7);
        else if (line == "end")
            journal.complete = true;
    }
    return journal;
}

// Puts every new file of the journal in place and removes the removed ones. False (errno set,
// `failed` named) when a step fails; running it again continues where it stopped.
bool rollForward(const QString& folder, const Journal& journal, QString& failed)
{
    for (const QString& name : journal.replaced) {
        const QString staged = stagedName(folder + name);
        if (!QFileInfo::exists(staged))
            continue; // already in place
        if (!renameOver(staged, folder + name)) {
            failed = folder + name;
            return false;
        }
    }
    for (const QString& name : journal.removed) {
        if (!removeFile(folder + name)) {
            failed = folder + name;
            return false;
        }
    }
    flushFolder(folder);
    // Not a fault step: removing a name needs no space, and a journal left behind only repeats
    // finished steps at the next start.
    ::unlink(native(folder + changeJournalName()).constData());
    flushFolder(folder);
    return true;
}

bool isStagedDataFile(const QString& name)
{
    if (!name.endsWith(QStringLiteral(".new"), Qt::CaseInsensitive))
        return false;
    const QString base = name.chopped(4);
    return (base.startsWith(QStringLiteral("KV"), Qt::CaseInsensitive)
               && base.endsWith(QStringLiteral(".DAT"), Qt::CaseInsensitive))
        || base.compare(QStringLiteral("QMKV.INI"), Qt::CaseInsensitive) == 0
        || base.compare(changeJournalName(), Qt::CaseInsensitive) == 0;
}

} // namespace

QString changeJournalName()
{
    return QStringLiteral("KVCHANGE.JNL");
}

QString stagedName(const QString& path)
{
    return path + QStringLiteral(".new");
}

bool replaceWholeFile(const QString& path, const QByteArray& bytes)
{
    const QString staged = stagedName(path);
    if (!writeAndFlush(staged, bytes) || !renameOver(staged, path)) {
        const int saved = errno;
        ::unlink(native(staged).constData());
        errno = saved;
        return false;
    }
    flushFolder(folderOf(path));
    return true;
}

ChangeSet::ChangeSet(QString operation)
    : operation_(std::move(operation))
{ }

void ChangeSet::replace(const QString& path, const QByteArray& bytes)
{
    entries_.push_back({path, bytes, false});
}

void ChangeSet::remove(const QString& path)
{
    entries_.push_back({path, {}, true});
}

bool ChangeSet::fail(const QString& path)
{
    failedErrno_ = errno;
    failedPath_ = path;
    discardStaged();
    errno = failedErrno_;
    return false;
}

void ChangeSet::discardStaged()
{
    for (const Entry& entry : entries_) {
        if (!entry.removal)
            ::unlink(native(stagedName(entry.path)).constData());
    }
}

ChangeSet::Outcome ChangeSet::commit()
{
    failedPath_.clear();
    failedErrno_ = 0;
    if (entries_.empty())
        return Outcome::Done;
    const QString folder = folderOf(entries_.front().path);
    for (const Entry& entry : entries_) {
        if (folderOf(entry.path) != folder)
            throw std::logic_error("one change spans one folder");
    }

    if (entries_.size() == 1 && entries_.front().removal) {
        if (!removeFile(entries_.front().path)) {
            fail(entries_.front().path);
            return Outcome::Failed;
        }
        flushFolder(folder);
        return Outcome::Done;
    }
    if (entries_.size() == 1) {
        if (!replaceWholeFile(entries_.front().path, entries_.front().bytes)) {
            fail(entries_.front().path);
            return Outcome::Failed;
        }
        return Outcome::Done;
    }

    Journal journal;
    for (const Entry& entry : entries_) {
        const QString name = QFileInfo(entry.path).fileName();
        if (entry.removal) {
            journal.removed << name;
            continue;
        }
        if (!writeAndFlush(stagedName(entry.path), entry.bytes)) {
            fail(entry.path);
            return Outcome::Failed;
        }
        journal.replaced << name;
    }
    const QString journalPath = folder + changeJournalName();
    const QString stagedJournal = stagedName(journalPath);
    if (!writeAndFlush(stagedJournal, journalText(operation_, journal.replaced, journal.removed))
        || !renameOver(stagedJournal, journalPath)) {
        const int saved = errno;
        ::unlink(native(stagedJournal).constData());
        errno = saved;
        fail(journalPath);
        return Outcome::Failed;
    }
    flushFolder(folder);

    // Decided: from here on the change only goes forward.
    QString failed;
    if (!rollForward(folder, journal, failed)) {
        failedErrno_ = errno;
        failedPath_ = failed;
        return Outcome::Pending;
    }
    return Outcome::Done;
}

PendingChange recoverPendingChange(const QString& folder)
{
    PendingChange result;
    const QString journalPath = folder + changeJournalName();
    if (QFileInfo::exists(journalPath)) {
        const Journal journal = readJournal(journalPath);
        if (journal.complete) {
            result.operation = journal.operation;
            result.files = journal.replaced + journal.removed;
            QString failed;
            if (!rollForward(folder, journal, failed)) {
                result.kind = PendingChange::Kind::StillPending;
                result.failedErrno = errno;
                result.failedPath = failed;
                return result;
            }
            result.kind = PendingChange::Kind::Finished;
            return result;
        }
        // A journal is put in place whole by a rename, so an unreadable one was never decided.
        ::unlink(native(journalPath).constData());
    }
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : entries) {
        if (!isStagedDataFile(name))
            continue;
        if (::unlink(native(folder + name).constData()) == 0)
            result.files << name.chopped(4);
    }
    if (!result.files.isEmpty())
        result.kind = PendingChange::Kind::RolledBack;
    return result;
}

} // namespace scorvane
