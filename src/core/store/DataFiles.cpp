#include "core/store/DataFiles.h"

#include "core/store/GameRecord.h"
#include "core/store/PlayerInfoRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/ReportFormatRecord.h"
#include "core/store/SettingsRecord.h"
#include "core/store/TeamRecord.h"
#include "core/text/Paths.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace scorvane {

DataFiles::DataFiles(const DataFolders& folders, const int& teamSlot, ErrorReporter& reporter)
    : folders_(folders)
    , teamSlot_(teamSlot)
    , reporter_(reporter)
{ }

DataFiles::~DataFiles()
{
    for (const auto& [number, fd] : open_)
        ::close(fd);
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
    guard(path, [&] {
        fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0 && (errno == EACCES || errno == EROFS) && fileNumber == FileOtherGames)
            fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC); // read-only use
        return fd >= 0;
    });
    open_[fileNumber] = fd;
}

bool DataFiles::tryOpenDataFile(int fileNumber)
{
    recordLength(fileNumber);
    closeDataFile(fileNumber);
    const QByteArray native = QFile::encodeName(fileName(fileNumber));
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    open_[fileNumber] = fd;
    return true;
}

void DataFiles::closeDataFile(int fileNumber)
{
    if (fileNumber == AllFiles) {
        for (const auto& [number, fd] : open_)
            ::close(fd);
        open_.clear();
        return;
    }
    const auto found = open_.find(fileNumber);
    if (found == open_.end())
        return;
    ::close(found->second);
    open_.erase(found);
}

void DataFiles::killDataFile(int fileNumber)
{
    closeDataFile(fileNumber);
    const QString path = fileName(fileNumber);
    const QByteArray native = QFile::encodeName(path);
    guard(path, [&] { return ::unlink(native.constData()) == 0 || errno == ENOENT; });
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
    QByteArray bytes(length, '\0');
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
    return bytes;
}

void DataFiles::writeBytes(int fileNumber, qint64 offset, const QByteArray& bytes)
{
    const int fd = descriptor(fileNumber);
    qint64 done = 0;
    guard(fileName(fileNumber), [&] {
        while (done < bytes.size()) {
            const ssize_t n = ::pwrite(fd, bytes.constData() + done,
                static_cast<size_t>(bytes.size() - done), static_cast<off_t>(offset + done));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            done += n;
        }
        return true;
    });
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
    const QByteArray block = readBytes(fileNumber, from, (count - first + 1) * length);
    writeBytes(fileNumber, from + places * length, block);
}

void DataFiles::truncate(int fileNumber)
{
    const int fd = descriptor(fileNumber);
    guard(fileName(fileNumber), [&] { return ::ftruncate(fd, 0) == 0; });
}

} // namespace scorvane
