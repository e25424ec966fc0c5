#pragma once

#include "core/store/ErrorReporter.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdlib>

namespace scorvane::fuzz {

// A file error where the files are private and readable is a fault: the run stops there.
class StopReporter : public ErrorReporter
{
public:
    Choice reportFileError(const FileError&) override { std::abort(); }
    Choice reportWriteError(const FileError&) override { std::abort(); }
    [[noreturn]] void endProgram() override { std::abort(); }
};

// Puts a fuzz input's part into a file of the private folder.
inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(bytes);
}

} // namespace scorvane::fuzz
