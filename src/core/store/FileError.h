#pragma once

#include <QString>

namespace scorvane {

// A failed file operation, classified into the program's three cases.
struct FileError
{
    enum Code : int {
        DeviceTimeout = 25,
        DiskNotReady = 71,
        PermissionDenied = 70,
        SeasonReadOnly = 1070, // a write refused in an archived season: systemText is its name
        Other = 0,
    };

    int code = Other;
    QString systemText; // the operating system's description of the error
    QString path;
    QString operation; // what was being saved when a write failed, as the user knows it

    static FileError fromErrno(int errnoValue, const QString& path);
};

// What the error reporter shows for a FileError: title, text, and whether Retry is offered.
struct FileErrorMessage
{
    QString title;
    QString text;
    bool offersRetry = false;

    static FileErrorMessage describe(const FileError& error);
    // A write that changed nothing: names the file and the operation, and always offers Retry.
    static FileErrorMessage describeWrite(const FileError& error);
};

} // namespace scorvane
