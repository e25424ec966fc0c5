#pragma once

#include "core/output/OutputDevice.h"

#include <QFile>
#include <QString>

#include <cstdio>

namespace scorvane {

// A report line as a text destination stores it: Windows-1252 bytes without trailing blanks,
// then CR LF, with control characters (and their pictures) shown as "?". A form-feed line
// becomes FF CR LF.
QByteArray textFileLine(const QString& line);

// The text file destination: replaces or appends to the named file. The file stays open from
// "open" to "close" (or to the next "open").
class TextFileOutput : public OutputDevice
{
public:
    void setTarget(const QString& fileName, bool append) override;

    QString open() override;
    QString writeLine(const QString& line) override;
    QString close() override;

private:
    QString fileName_;
    bool append_ = false;
    QFile file_;
};

// Lines written to an already open C stream (the command-line tool's standard output).
class StreamOutput : public OutputDevice
{
public:
    explicit StreamOutput(std::FILE* stream)
        : stream_(stream)
    { }

    QString open() override { return {}; }
    QString writeLine(const QString& line) override;
    QString close() override;

private:
    std::FILE* stream_;
};

} // namespace scorvane
