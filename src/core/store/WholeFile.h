#pragma once

#include "core/store/FileError.h"

#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

namespace scorvane {

// A whole file read into memory in one go, into a buffer kept from file to file (reading was
// measured faster than mapping, whose page-table work costs more than the copy). A file that
// does not exist is empty, as a team that never saved a result has none; one whose name differs
// only in letter case (a folder copied from a case-insensitive system) is read under its own
// name. The exact name is tried first, so the common case costs no more system calls than the
// read itself.
class WholeFile
{
public:
    std::optional<FileError> read(const QString& path);

    const uchar* data() const { return buffer_.get(); }
    qint64 size() const { return size_; }

private:
    std::optional<FileError> readOpen(int descriptor, const QString& path);

    std::unique_ptr<uchar[]> buffer_; // not cleared first: the read fills what is used
    qint64 capacity_ = 0;
    qint64 size_ = 0;
};

} // namespace scorvane
