#pragma once

#include "core/output/OutputDevice.h"
#include "core/store/ErrorReporter.h"
#include "core/store/FileError.h"

#include <QFile>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace scorvane::bench {

// A file error in a benchmark is a broken set-up: it is printed and the run ends.
class AbortingReporter : public ErrorReporter
{
public:
    Choice reportFileError(const FileError& error) override
    {
        std::fprintf(stderr, "file error %d: %s\n", error.code, qPrintable(error.systemText));
        return Choice::EndProgram;
    }
    [[noreturn]] void endProgram() override { std::abort(); }
};

// Takes the printed lines and keeps nothing.
class DiscardingOutput : public OutputDevice
{
public:
    QString open() override { return {}; }
    QString writeLine(const QString& line) override
    {
        benchmark::DoNotOptimize(line.constData());
        return {};
    }
    QString close() override { return {}; }
};

// The reading baseline: each file read whole once, as a report reads it at the least. The bytes
// read in all.
inline qint64 readEachFileOnce(const QStringList& paths)
{
    qint64 total = 0;
    for (const QString& path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray bytes = file.readAll();
        total += bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    return total;
}

// The writing baseline: a file copied into a folder with the steps a save takes: written
// beside, flushed, renamed over, the folder flushed.
class CopyLikeASave
{
public:
    explicit CopyLikeASave(const QString& folder)
        : staged_(QFile::encodeName(folder + QStringLiteral("COPY.new")))
        , copy_(QFile::encodeName(folder + QStringLiteral("COPY.DAT")))
        , folder_(QFile::encodeName(folder))
    { }

    void copy(const QString& source) const
    {
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray bytes = in.readAll();
        const int fd = ::open(staged_.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0
            || ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) != bytes.size()
            || ::fsync(fd) != 0 || ::close(fd) != 0
            || ::rename(staged_.constData(), copy_.constData()) != 0)
            std::abort();
        const int dirFd = ::open(folder_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::fsync(dirFd);
        ::close(dirFd);
        benchmark::DoNotOptimize(bytes.constData());
    }

private:
    QByteArray staged_;
    QByteArray copy_;
    QByteArray folder_;
};

} // namespace scorvane::bench
