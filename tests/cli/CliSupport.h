#pragma once

#include "CsvReader.h"
#include "ReportCommand.h"
#include "TestSupport.h"

#include "core/state/DefaultSettings.h"
#include "core/teams/SampleLeague.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

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

// The records of a CSV export, each joined with "|" so that a whole table reads as one list; a
// file that breaks the rules reads as no records.
inline QStringList csvLines(const QByteArray& bytes)
{
    const CsvRead read = readCsv(bytes);
    QStringList lines;
    for (const QStringList& record : read.records)
        lines << record.join(u'|');
    return read.ok ? lines : QStringList{};
}

// The sample league in a fresh data folder, with the default settings beside it.
struct SampleFolder
{
    QTemporaryDir dir;
    QString data = dir.filePath(QStringLiteral("league/"));
    QString settings = dir.filePath(QStringLiteral("settings/QMKV.INI"));

    SampleFolder()
    {
        QString error;
        if (!SampleLeague::write(data, &error)
            || !supplyDefaultSettings(dir.filePath(QStringLiteral("settings/")), data).isEmpty())
            throw std::runtime_error("cannot write the sample league");
    }
    // The tool run on this folder; "%n" in `line` stands for values[n - 1].
    ToolRun run(const std::string& line, const QStringList& values = {}) const
    {
        return runTool(args(line.c_str(), values)
            + QStringList{QStringLiteral("--data"), data, QStringLiteral("--settings"), settings});
    }
};

} // namespace scorvane::testing
