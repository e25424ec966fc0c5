#pragma once

#include <QtGlobal>

#include <array>

namespace scorvane {

// The checksum an archived season keeps of each of its files, summed as the bytes come in, so
// that a file can be checked while it is read for its figures rather than read twice. FNV-1a
// over 64-bit words in four independent lanes (the multiplications overlap), the lanes folded
// together, then the bytes after the last whole 32 and the length.
class ContentChecksum
{
public:
    void add(const char* data, qint64 size);
    quint64 value() const;

    static quint64 of(const char* data, qint64 size)
    {
        ContentChecksum sum;
        sum.add(data, size);
        return sum.value();
    }

private:
    static constexpr int ChunkBytes = 32;

    void addChunk(const char* chunk);

    std::array<quint64, 4> lanes_{Basis, Basis ^ 1, Basis ^ 2, Basis ^ 3};
    std::array<char, ChunkBytes> pending_{}; // bytes not yet a whole chunk
    int pendingSize_ = 0;
    qint64 size_ = 0;

    static constexpr quint64 Prime = 1099511628211ULL;
    static constexpr quint64 Basis = 14695981039346656037ULL;
};

} // namespace scorvane
