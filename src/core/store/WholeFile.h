#pragma once

#include "core/store/FileError.h"

#include <QString>
#include <QtGlobal>

#include <functional>
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

    // Reads the file a block of `blockBytes` at a time, each block handed to `take` while it is
    // still in the processor's cache; every block but the last is full. `take` returns false to
    // stop early.
    using BlockTaker = std::function<bool(const uchar* data, qint64 size)>;
    std::optional<FileError> readInBlocks(
        const QString& path, qint64 blockBytes, const BlockTaker& take);

    const uchar* data() const { return buffer_.get(); }
    qint64 size() const { return size_; }

private:
    // The file under its exact name, else under the same name in another letter case; -1 with
    // errno ENOENT when neither exists.
    static int openExisting(const QString& path);
    std::optional<FileError> readOpen(int descriptor, const QString& path);
    // Fills up to `wanted` bytes of the buffer from the descriptor; fewer only at the file's end.
    std::optional<FileError> fill(int descriptor, const QString& path, qint64 wanted);
    void reserve(qint64 bytes);

    std::unique_ptr<uchar[]> buffer_; // not cleared first: the read fills what is used
    qint64 capacity_ = 0;
    qint64 size_ = 0;
};

} // namespace scorvane
