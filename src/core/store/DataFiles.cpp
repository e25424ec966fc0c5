#include "core/store/DataFiles.h"

#include "core/store/ChangeSet.h"

#include "core/store/GameRecord.h"
#include "core/store/PlayerInfoRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/ReportFormatRecord.h"
#include "core/store/SettingsRecord.h"
#include "core/store/TeamRecord.h"
#include "core/text/Paths.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace scorvane {

bool DataFiles::inViewedSeason(const QString& path) const
{
    return seasonView_ && path.startsWith(seasonView_->folder);
}

bool DataFiles::refusesWrite(const QString& path, const QString& operation)
{
    if (!inViewedSeason(withSlash(path)))
        return false;
    FileError error = FileError::fromErrno(EROFS, path);
    error.code = FileError::SeasonReadOnly;
    error.systemText = seasonView_->name;
    error.operation = operation;
    reporter_.reportWriteError(error);
    return true;
}

DataFiles::DataFiles(const DataFolders& folders, const int& teamSlot, ErrorReporter& reporter)
    : folders_(folders)
    , teamSlot_(teamSlot)
    , reporter_(reporter)
{ }

DataFiles::~DataFiles()
{
    for (const auto& [number, fd] : open_) {
        if (fd >= 0)
            ::close(fd);
    }
}

int DataFiles::recordLength(int fileNumber)
{
    switch (fileNumber) {
    case FileSettings:
        return SettingsRecord::Length;
    case FileTeamList:
        return TeamRecord::Length;
    case FileRoster:
        return PlayerNameRecord::Length;
    case FileGames:
    case FileOtherGames:
        return GameRecord::Length;
    case FileStats:
        return PlayerStatRecord::Length;
    case FileReportFormats:
        return ReportFormatRecord::Length;
    case FilePlayerInfo:
        return PlayerInfoRecord::Length;
    default:
        throw std::invalid_argument("no such file number");
    }
}

QString DataFiles::fileName(int fileNumber) const
{
    const QString teamFile = QString::number(teamSlot_) + QStringLiteral(".DAT");
    switch (fileNumber) {
    case FileSettings:
        return resolveInFolder(folders_.settingsFolder, QStringLiteral("QMKV.INI"));
    case FileTeamList:
        return resolveInFolder(folders_.dataFolder, QStringLiteral("KVTEAMS.DAT"));
    case FileRoster:
        return resolveInFolder(folders_.dataFolder, QStringLiteral("KVPN") + teamFile);
    case FileGames:
    case FileOtherGames:
        return resolveInFolder(folders_.dataFolder, QStringLiteral("KVGS") + teamFile);
    case FileStats:
        return resolveInFolder(folders_.dataFolder, QStringLiteral("KVPS") + teamFile);
    case FileReportFormats:
        return resolveInFolder(folders_.reportFolder, QStringLiteral("KVRPTFMT.DAT"));
    case FilePlayerInfo:
        return resolveInFolder(folders_.dataFolder, QStringLiteral("KVPI") + teamFile);
    default:
        throw std::invalid_argument("no such file number");
    }
}

void DataFiles::guard(const QString& path, const std::function<bool()>& operation)
{
    for (;;) {
        if (operation())
            return;
        const FileError error = FileError::fromErrno(errno, path);
        if (reporter_.reportFileError(error) != ErrorReporter::Choice::Retry)
            reporter_.endProgram();
    }
}

void DataFiles::openDataFile(int fileNumber)
{
    recordLength(fileNumber); // rejects unknown numbers
    closeDataFile(fileNumber);
    const QString path = fileName(fileNumber);
    const QByteArray native = QFile::encodeName(path);
    int fd = -1;
    bool readOnly = false;
    const bool viewed = inViewedSeason(path);
    guard(path, [&] {
        readOnly = false;
        fd = viewed ? -1 : ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (viewed)
            errno = EROFS;
        if (fd < 0 && (errno == EACCES || errno == EROFS)) {
            // A read-only folder still opens for viewing; saving there is refused at the change.
            readOnly = true;
            fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0 && errno == ENOENT)
                return true; // a file the folder does not have reads as empty
        }
        return fd >= 0;
    });
    open_[fileNumber] = fd;
    readOnly_[fileNumber] = readOnly;
    if (Staged* held = staged(fileNumber); held && held->removed) {
        held->removed = false; // deleted and opened again within one change: empty
        held->bytes.clear();
    }
}

bool DataFiles::isReadOnly(int fileNumber) const
{
    const auto found = readOnly_.find(fileNumber);
    return found != readOnly_.end() && found->second;
}

bool DataFiles::tryOpenDataFile(int fileNumber)
{
    recordLength(fileNumber);
    closeDataFile(fileNumber);
    const QString path = fileName(fileNumber);
    const QByteArray native = QFile::encodeName(path);
    const bool viewed = inViewedSeason(path);
    int fd = viewed ? -1 : ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    bool readOnly = false;
    if (viewed || (fd < 0 && (errno == EACCES || errno == EROFS))) {
        readOnly = true; // a read-only folder opens for viewing
        fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    }
    if (fd < 0)
        return false;
    open_[fileNumber] = fd;
    readOnly_[fileNumber] = readOnly;
    return true;
}

void DataFiles::closeDataFile(int fileNumber)
{
    if (fileNumber == AllFiles) {
        for (const auto& [number, fd] : open_) {
            if (fd >= 0)
                ::close(fd);
        }
        open_.clear();
        return;
    }
    const auto found = open_.find(fileNumber);
    if (found == open_.end())
        return;
    if (found->second >= 0)
        ::close(found->second);
    open_.erase(found);
}

void DataFiles::killDataFile(int fileNumber)
{
    if (changeDepth_ == 0) {
        writeOutsideChange(fileNumber, [&] { killDataFile(fileNumber); });
        return;
    }
    const QString name = stagedKey(fileNumber);
    auto held = staged_.find(name);
    if (held == staged_.end()) {
        Staged fresh;
        fresh.existed = QFileInfo::exists(name);
        held = staged_.emplace(name, std::move(fresh)).first;
    }
    held->second.removed = true;
    held->second.bytes.clear();
    closeDataFile(fileNumber);
}

bool DataFiles::isOpen(int fileNumber) const
{
    return open_.contains(fileNumber);
}

int DataFiles::descriptor(int fileNumber) const
{
    const auto found = open_.find(fileNumber);
    if (found == open_.end())
        throw std::logic_error("data file used while closed");
    return found->second;
}

qint64 DataFiles::fileLength(int fileNumber)
{
    const int fd = descriptor(fileNumber);
    if (const Staged* held = staged(fileNumber))
        return held->bytes.size();
    if (fd < 0)
        return 0;
    struct stat info
    {
    };
    guard(fileName(fileNumber), [&] { return ::fstat(fd, &info) == 0; });
    return static_cast<qint64>(info.st_size);
}

qint32 DataFiles::recordCount(int fileNumber)
{
    return static_cast<qint32>(fileLength(fileNumber) / recordLength(fileNumber));
}

QByteArray DataFiles::readBytes(int fileNumber, qint64 offset, qint64 length)
{
    const int fd = descriptor(fileNumber);
    if (const Staged* held = staged(fileNumber)) {
        if (offset == 0 && length == held->bytes.size())
            return held->bytes; // shared, not copied
        QByteArray bytes(length, '\0');
        if (offset < held->bytes.size())
            std::memcpy(bytes.data(), held->bytes.constData() + offset,
                static_cast<std::size_t>(std::min(length, held->bytes.size() - offset)));
        return bytes;
    }
    if (fd < 0)
        return QByteArray(length, '\0');
    QByteArray bytes(length, Qt::Uninitialized); // whole files are read here: no needless fill
    qint64 done = 0;
    guard(fileName(fileNumber), [&] {
        while (done < length) {
            const ssize_t n = ::pread(fd, bytes.data() + done, static_cast<size_t>(length - done),
                static_cast<off_t>(offset + done));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            if (n == 0)
                break; // past the end: the rest stays zero
            done += n;
        }
        return true;
    });
    if (done < length)
        std::memset(bytes.data() + done, 0, static_cast<std::size_t>(length - done));
    return bytes;
}

void DataFiles::writeBytes(int fileNumber, qint64 offset, const QByteArray& bytes)
{
    descriptor(fileNumber); // the file must be open
    if (changeDepth_ == 0) {
        writeOutsideChange(fileNumber, [&] { writeBytes(fileNumber, offset, bytes); });
        return;
    }
    Staged& held = stage(fileNumber);
    if (offset == 0 && held.bytes.isEmpty()) {
        // A whole file written into an empty one (an import): kept as it is, not copied.
        held.bytes = bytes;
        held.altered = held.altered || !bytes.isEmpty();
        return;
    }
    if (held.bytes.size() < offset + bytes.size()) {
        held.bytes.resize(offset + bytes.size(), '\0');
        held.altered = true;
    } else if (!held.altered
        && std::memcmp(held.bytes.constData() + offset, bytes.constData(),
               static_cast<std::size_t>(bytes.size()))
            != 0) {
        held.altered = true;
    }
    std::memcpy(
        held.bytes.data() + offset, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray DataFiles::readRecord(int fileNumber, qint32 recordNumber)
{
    if (recordNumber < 1)
        throw std::out_of_range("record numbers count from 1");
    const qint64 length = recordLength(fileNumber);
    return readBytes(fileNumber, (static_cast<qint64>(recordNumber) - 1) * length, length);
}

void DataFiles::writeRecord(int fileNumber, qint32 recordNumber, const QByteArray& bytes)
{
    if (recordNumber < 1)
        throw std::out_of_range("record numbers count from 1");
    const qint64 length = recordLength(fileNumber);
    if (bytes.size() != length)
        throw std::logic_error("record of the wrong length");
    writeBytes(fileNumber, (static_cast<qint64>(recordNumber) - 1) * length, bytes);
}

void DataFiles::shiftRecordsUp(int fileNumber, qint32 first, qint32 places)
{
    const qint32 count = recordCount(fileNumber);
    if (first > count || places <= 0)
        return;
    const qint64 length = recordLength(fileNumber);
    const qint64 from = (static_cast<qint64>(first) - 1) * length;
    const qint64 size = (count - first + 1) * length;
    if (changeDepth_ > 0) {
        // Within the held copy: grow it and move the tail in place, no second copy of the file.
        Staged& held = stage(fileNumber);
        const qint64 oldSize = held.bytes.size();
        held.bytes.resize(std::max(oldSize, from + places * length + size));
        std::memmove(held.bytes.data() + from + places * length, held.bytes.constData() + from,
            static_cast<std::size_t>(size));
        held.altered = true;
        return;
    }
    const QByteArray block = readBytes(fileNumber, from, size);
    writeBytes(fileNumber, from + places * length, block);
}

void DataFiles::truncate(int fileNumber)
{
    descriptor(fileNumber);
    if (changeDepth_ == 0) {
        writeOutsideChange(fileNumber, [&] { truncate(fileNumber); });
        return;
    }
    Staged& held = stage(fileNumber);
    held.altered = held.altered || !held.bytes.isEmpty();
    held.bytes.clear();
}

QString DataFiles::stagedKey(int fileNumber)
{
    // Looked up for every record a change reads: the name is built once per change.
    const auto known = changeNames_.find(fileNumber);
    if (known != changeNames_.end())
        return known->second;
    return changeNames_.emplace(fileNumber, fileName(fileNumber)).first->second;
}

DataFiles::Staged* DataFiles::staged(int fileNumber)
{
    if (staged_.empty())
        return nullptr;
    const auto found = staged_.find(stagedKey(fileNumber));
    return found == staged_.end() ? nullptr : &found->second;
}

DataFiles::Staged& DataFiles::stage(int fileNumber)
{
    if (Staged* held = staged(fileNumber))
        return *held;
    constexpr qint64 LargeFile = 256 * 1024;
    Staged fresh;
    fresh.existed = true;
    fresh.bytes = readBytes(fileNumber, 0, fileLength(fileNumber));
    fresh.keepsOriginal = fresh.bytes.size() <= LargeFile;
    // A recorded change needs the old bytes of a large file too; shared until the first write.
    fresh.originalKept = fresh.keepsOriginal || recorder_;
    if (fresh.originalKept)
        fresh.original = fresh.bytes;
    return staged_.emplace(stagedKey(fileNumber), std::move(fresh)).first->second;
}

void DataFiles::writeOutsideChange(int fileNumber, const std::function<void()>& work)
{
    // A viewed season's refusal is not a fault: the program goes on without the write.
    if (!change(QStringLiteral("Save ") + QFileInfo(fileName(fileNumber)).fileName(), work)
        && !inViewedSeason(fileName(fileNumber)))
        reporter_.endProgram();
}

bool DataFiles::change(const QString& operation, const std::function<void()>& work)
{
    if (changeDepth_ > 0) {
        work();
        return true;
    }
    ++changeDepth_;
    try {
        work();
    } catch (...) {
        --changeDepth_;
        staged_.clear();
        changeNames_.clear();
        throw;
    }
    --changeDepth_;
    const bool done = commitChange(operation);
    staged_.clear();
    changeNames_.clear();
    return done;
}

ChangeRecorder DataFiles::setChangeRecorder(ChangeRecorder recorder)
{
    return std::exchange(recorder_, std::move(recorder));
}

namespace {

QByteArray readFileAt(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

bool DataFiles::putWholeFiles(
    const QString& operation, const std::vector<std::pair<QString, QByteArray>>& files)
{
    return change(operation, [&] {
        for (const auto& [path, bytes] : files) {
            Staged held;
            held.original = readFileAt(path);
            held.originalKept = true;
            held.existed = QFileInfo::exists(path);
            if (held.original == bytes)
                continue; // already in place: never rewritten
            held.bytes = bytes;
            held.removed = bytes.isEmpty();
            staged_[path] = std::move(held);
        }
    });
}

std::vector<FileSnapshot> DataFiles::snapshotsOfChange() const
{
    std::vector<FileSnapshot> files;
    for (const auto& [name, held] : staged_) {
        if (!held.removed && !held.changed())
            continue;
        // A file deleted unread was never staged with its bytes: the disk still holds them.
        QByteArray before = held.originalKept ? held.original : readFileAt(name);
        QByteArray after = held.removed ? QByteArray() : held.bytes;
        if (before != after)
            files.push_back({name, std::move(before), std::move(after)});
    }
    return files;
}

bool DataFiles::commitChange(const QString& operation)
{
    // Taken before the commit: a removed file's old bytes are read from the disk.
    const std::vector<FileSnapshot> recorded
        = recorder_ ? snapshotsOfChange() : std::vector<FileSnapshot>();
    ChangeSet set(operation);
    for (const auto& [name, held] : staged_) {
        if ((held.removed || held.changed()) && refusesWrite(name, operation))
            return false;
    }
    for (const auto& [name, held] : staged_) {
        if (held.removed) {
            if (held.existed || QFileInfo::exists(name))
                set.remove(name);
        } else if (held.changed()) {
            set.replace(name, held.bytes); // a file that did not change is never rewritten
        }
    }
    for (;;) {
        const ChangeSet::Outcome outcome = set.commit();
        if (outcome == ChangeSet::Outcome::Done)
            break;
        FileError error = FileError::fromErrno(set.failedErrno(), set.failedPath());
        error.operation = operation;
        if (reporter_.reportWriteError(error) != ErrorReporter::Choice::Retry)
            return false;
        if (outcome == ChangeSet::Outcome::Pending) {
            const PendingChange rest
                = recoverPendingChange(QFileInfo(set.failedPath()).absolutePath() + u'/');
            if (rest.kind != PendingChange::Kind::StillPending)
                break;
        }
    }
    // Descriptors still point at the replaced files: open the new ones under the same numbers.
    for (auto& [number, fd] : open_) {
        if (!staged_.contains(stagedKey(number)))
            continue;
        if (fd >= 0)
            ::close(fd);
        const QByteArray native = QFile::encodeName(fileName(number));
        fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    }
    if (recorder_ && !recorded.empty())
        recorder_(operation, recorded);
    return true;
}

} // namespace scorvane
