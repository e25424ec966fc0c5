#pragma once

#include "ReportCommand.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QStringList>

#include <cstdio>
#include <memory>

namespace scorvane::testing {

// What one run of the report tool gave: its exit code and both streams.
struct ToolRun
{
    int code = 0;
    QByteArray out;
    QByteArray err;
};

inline QByteArray readBack(std::FILE* stream)
{
    std::fflush(stream);
    std::rewind(stream);
    QByteArray bytes;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, stream)) > 0)
        bytes.append(buffer, static_cast<qsizetype>(n));
    return bytes;
}

inline ToolRun runTool(const QStringList& arguments)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), &std::fclose);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), &std::fclose);
    ToolRun run;
    run.code = runReportCommand(arguments, out.get(), err.get());
    run.out = readBack(out.get());
    run.err = readBack(err.get());
    return run;
}

// The words of `line`, with "%n" in a word standing for values[n - 1] (which may hold blanks).
inline QStringList args(const char* line, const QStringList& values = {})
{
    QStringList words = QString::fromLatin1(line).split(u' ', Qt::SkipEmptyParts);
    for (QString& word : words) {
        for (qsizetype n = 0; n < values.size(); ++n)
            word.replace(u'%' + QString::number(n + 1), values[n]);
    }
    return words;
}

// Each file of `folder` with its size and time, to show that a run left the folder as it was.
inline QStringList folderListing(const QString& folder)
{
    QStringList entries;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files, QDir::Name))
        entries << info.fileName() + QString::number(info.size())
                + info.lastModified().toString(Qt::ISODateWithMs);
    return entries;
}

} // namespace scorvane::testing
