#include "core/store/DataFiles.h"

#include "core/store/GameRecord.h"
#include "core/store/PlayerInfoRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/ReportFormatRecord.h"
#include "core/store/SettingsRecord.h"
#include "core/store/TeamRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace scorvane {

QString ResolveInFolder(const QString& folder, const QString& name)
{
    const QString exact = folder + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + entry;
    }
    return exact;
}

DataFiles::DataFiles(const FileState& state, ErrorReporter& reporter)
    : state_(state)
    , reporter_(reporter)
{ }

DataFiles::~DataFiles()
{
    for (const auto& [number, fd] : open_)
        ::close(fd);
}

int DataFiles::RecordLength(int fileNumber)
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

QString DataFiles::FileName(int fileNumber) const
{
    const QString teamFile = state_.TeamNo + QStringLiteral(".DAT");
    switch (fileNumber) {
    case FileSettings:
        return ResolveInFolder(state_.SettingsFolder, QStringLiteral("QMKV.INI"));
    case FileTeamList:
        return ResolveInFolder(state_.DataPath, QStringLiteral("KVTEAMS.DAT"));
    case FileRoster:
        return ResolveInFolder(state_.DataPath, QStringLiteral("KVPN") + teamFile);
    case FileGames:
    case FileOtherGames:
        return ResolveInFolder(state_.DataPath, QStringLiteral("KVGS") + teamFile);
    case FileStats:
        return ResolveInFolder(state_.DataPath, QStringLiteral("KVPS") + teamFile);
    case FileReportFormats:
        return ResolveInFolder(state_.ReportPath, QStringLiteral("KVRPTFMT.DAT"));
    case FilePlayerInfo:
        return ResolveInFolder(state_.DataPath, QStringLiteral("KVPI") + teamFile);
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

void DataFiles::OpenDataFile(int fileNumber)
{
    RecordLength(fileNumber); // rejects unknown numbers
    CloseDataFile(fileNumber);
    const QString path = FileName(fileNumber);
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

bool DataFiles::TryOpenDataFile(int fileNumber)
{
    RecordLength(fileNumber);
    CloseDataFile(fileNumber);
    const QByteArray native = QFile::encodeName(FileName(fileNumber));
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    open_[fileNumber] = fd;
    return true;
}

void DataFiles::CloseDataFile(int fileNumber)
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

void DataFiles::KillDataFile(int fileNumber)
{
    CloseDataFile(fileNumber);
    const QString path = FileName(fileNumber);
    const QByteArray native = QFile::encodeName(path);
    guard(path, [&] { return ::unlink(native.constData()) == 0 || errno == ENOENT; });
}

bool DataFiles::IsOpen(int fileNumber) const
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

qint64 DataFiles::FileLength(int fileNumber)
{
    const int fd = descriptor(fileNumber);
    struct stat info
    {
    };
    guard(FileName(fileNumber), [&] { return ::fstat(fd, &info) == 0; });
    return static_cast<qint64>(info.st_size);
}

qint32 DataFiles::RecordCount(int fileNumber)
{
    return static_cast<qint32>(FileLength(fileNumber) / RecordLength(fileNumber));
}

QByteArray DataFiles::ReadBytes(int fileNumber, qint64 offset, qint64 length)
{
    const int fd = descriptor(fileNumber);
    QByteArray bytes(length, '\0');
    qint64 done = 0;
    guard(FileName(fileNumber), [&] {
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

void DataFiles::WriteBytes(int fileNumber, qint64 offset, const QByteArray& bytes)
{
    const int fd = descriptor(fileNumber);
    qint64 done = 0;
    guard(FileName(fileNumber), [&] {
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

QByteArray DataFiles::ReadRecord(int fileNumber, qint32 recordNumber)
{
    if (recordNumber < 1)
        throw std::out_of_range("record numbers count from 1");
    const qint64 length = RecordLength(fileNumber);
    return ReadBytes(fileNumber, (static_cast<qint64>(recordNumber) - 1) * length, length);
}

void DataFiles::WriteRecord(int fileNumber, qint32 recordNumber, const QByteArray& bytes)
{
    if (recordNumber < 1)
        throw std::out_of_range("record numbers count from 1");
    const qint64 length = RecordLength(fileNumber);
    if (bytes.size() != length)
        throw std::logic_error("record of the wrong length");
    WriteBytes(fileNumber, (static_cast<qint64>(recordNumber) - 1) * length, bytes);
}

void DataFiles::ShiftRecordsUp(int fileNumber, qint32 first, qint32 places)
{
    const qint32 count = RecordCount(fileNumber);
    if (first > count || places <= 0)
        return;
    const qint64 length = RecordLength(fileNumber);
    const qint64 from = (static_cast<qint64>(first) - 1) * length;
    const QByteArray block = ReadBytes(fileNumber, from, (count - first + 1) * length);
    WriteBytes(fileNumber, from + places * length, block);
}

void DataFiles::Truncate(int fileNumber)
{
    const int fd = descriptor(fileNumber);
    guard(FileName(fileNumber), [&] { return ::ftruncate(fd, 0) == 0; });
}

} // namespace scorvane
