#include "core/store/WholeFile.h"

#include "core/text/Paths.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scorvane {

namespace {

int openForReading(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    return ::open(native.constData(), O_RDONLY | O_CLOEXEC);
}

} // namespace

std::optional<FileError> WholeFile::read(const QString& path)
{
    size_ = 0;
    int descriptor = openForReading(path);
    if (descriptor < 0 && errno == ENOENT) {
        const QFileInfo info(path);
        const QString other = resolveInFolder(info.path() + u'/', info.fileName());
        if (QFileInfo(other).fileName() == info.fileName())
            return {};
        descriptor = openForReading(other);
        if (descriptor < 0 && errno == ENOENT)
            return {};
    }
    if (descriptor < 0)
        return FileError::fromErrno(errno, path);
    const std::optional<FileError> error = readOpen(descriptor, path);
    ::close(descriptor);
    return error;
}

std::optional<FileError> WholeFile::readOpen(int descriptor, const QString& path)
{
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0)
        return FileError::fromErrno(errno, path);
    const auto size = static_cast<qint64>(status.st_size);
    if (size > capacity_) {
        buffer_ = std::make_unique_for_overwrite<uchar[]>(static_cast<std::size_t>(size));
        capacity_ = size;
    }
    qint64 done = 0;
    while (done < size) {
        const ssize_t got
            = ::read(descriptor, buffer_.get() + done, static_cast<std::size_t>(size - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return FileError::fromErrno(errno, path);
        if (got == 0)
            break; // the file shrank while it was read: what was there is what counts
        done += got;
    }
    size_ = done;
    return {};
}

} // namespace scorvane
