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

// Closes the descriptor on every way out.
struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

int WholeFile::openExisting(const QString& path)
{
    const int descriptor = openForReading(path);
    if (descriptor >= 0 || errno != ENOENT)
        return descriptor;
    const QFileInfo info(path);
    const QString other = resolveInFolder(info.path() + u'/', info.fileName());
    if (QFileInfo(other).fileName() == info.fileName()) {
        errno = ENOENT;
        return -1;
    }
    return openForReading(other);
}

std::optional<FileError> WholeFile::read(const QString& path)
{
    size_ = 0;
    const Descriptor file{openExisting(path)};
    if (file.fd < 0)
        return errno == ENOENT ? std::nullopt : std::optional(FileError::fromErrno(errno, path));
    return readOpen(file.fd, path);
}

std::optional<FileError> WholeFile::readInBlocks(
    const QString& path, qint64 blockBytes, const BlockTaker& take)
{
    size_ = 0;
    const Descriptor file{openExisting(path)};
    if (file.fd < 0)
        return errno == ENOENT ? std::nullopt : std::optional(FileError::fromErrno(errno, path));
    reserve(blockBytes);
    for (;;) {
        if (std::optional<FileError> error = fill(file.fd, path, blockBytes))
            return error;
        if (size_ == 0 || !take(buffer_.get(), size_) || size_ < blockBytes)
            return {};
    }
}

std::optional<FileError> WholeFile::readOpen(int descriptor, const QString& path)
{
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0)
        return FileError::fromErrno(errno, path);
    const auto size = static_cast<qint64>(status.st_size);
    reserve(size);
    return fill(descriptor, path, size);
}

std::optional<FileError> WholeFile::fill(int descriptor, const QString& path, qint64 wanted)
{
    qint64 done = 0;
    while (done < wanted) {
        const ssize_t got
            = ::read(descriptor, buffer_.get() + done, static_cast<std::size_t>(wanted - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return FileError::fromErrno(errno, path);
        if (got == 0)
            break; // the file ended (or shrank while it was read): what was there is what counts
        done += got;
    }
    size_ = done;
    return {};
}

void WholeFile::reserve(qint64 bytes)
{
    if (bytes > capacity_) {
        buffer_ = std::make_unique_for_overwrite<uchar[]>(static_cast<std::size_t>(bytes));
        capacity_ = bytes;
    }
}

} // namespace scorvane
