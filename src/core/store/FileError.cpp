#include "core/store/FileError.h"

#include <cerrno>
#include <cstring>

namespace scorvane {

FileError FileError::fromErrno(int errnoValue, const QString& path)
{
    FileError e;
    e.path = path;
    e.systemText = QString::fromLocal8Bit(std::strerror(errnoValue));
    switch (errnoValue) {
    case ETIMEDOUT:
        e.code = DeviceTimeout;
        break;
    case EAGAIN:
    case EBUSY:
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
    case EIO:
        e.code = DiskNotReady;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        e.code = PermissionDenied;
        break;
    default:
        e.code = Other;
        break;
    }
    return e;
}

FileErrorMessage FileErrorMessage::describe(const FileError& error)
{
    switch (error.code) {
    case FileError::DeviceTimeout:
    case FileError::DiskNotReady:
        return {QStringLiteral("Error"), error.systemText, true};
    case FileError::PermissionDenied:
        return {QStringLiteral("Disk Error"), QStringLiteral("Disk write-protected"), false};
    case FileError::SeasonReadOnly:
        return describeWrite(error);
    default:
        return {QStringLiteral("Error"),
            QStringLiteral("Unrecoverable Error - ") + error.systemText, false};
    }
}

FileErrorMessage FileErrorMessage::describeWrite(const FileError& error)
{
    if (error.code == FileError::SeasonReadOnly)
        return {QStringLiteral("Season Is Read-Only"),
            QStringLiteral("%1 was not done: the season \"%2\" is open for viewing only, and "
                           "its files are never changed.\n\nChoose File > Open Season and "
                           "pick the current season to make changes.")
                .arg(error.operation, error.systemText),
            false};
    QString reason = error.systemText;
    if (error.code == FileError::PermissionDenied)
        reason = QStringLiteral("the folder or file does not allow writing");
    return {QStringLiteral("Could Not Save"),
        QStringLiteral("%1 could not be completed: %2 could not be written (%3).\n\n"
                       "Nothing was changed. Retry when the problem is solved, or Cancel to go "
                       "back with your work as it is.")
            .arg(error.operation, error.path, reason),
        true};
}

} // namespace scorvane
