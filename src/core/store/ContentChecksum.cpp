#include "core/store/ContentChecksum.h"

#include <algorithm>
#include <cstring>

namespace scorvane {

void ContentChecksum::addChunk(const char* chunk)
{
    for (std::size_t lane = 0; lane < lanes_.size(); ++lane) {
        quint64 word = 0;
        std::memcpy(&word, chunk + 8 * lane, 8);
        lanes_[lane] = (lanes_[lane] ^ word) * Prime;
    }
}

void ContentChecksum::add(const char* data, qint64 size)
{
    size_ += size;
    qint64 at = 0;
    if (pendingSize_ > 0) {
        const qint64 taken = std::min<qint64>(size, ChunkBytes - pendingSize_);
        std::memcpy(pending_.data() + pendingSize_, data, static_cast<std::size_t>(taken));
        pendingSize_ += static_cast<int>(taken);
        at = taken;
        if (pendingSize_ < ChunkBytes)
            return;
        addChunk(pending_.data());
        pendingSize_ = 0;
    }
    for (; at + ChunkBytes <= size; at += ChunkBytes)
        addChunk(data + at);
    pendingSize_ = static_cast<int>(size - at);
    std::memcpy(pending_.data(), data + at, static_cast<std::size_t>(pendingSize_));
}

quint64 ContentChecksum::value() const
{
    quint64 hash = Basis;
    for (const quint64 lane : lanes_)
        hash = (hash ^ lane) * Prime;
    for (int k = 0; k < pendingSize_; ++k)
        hash = (hash ^ static_cast<uchar>(pending_[static_cast<std::size_t>(k)])) * Prime;
    return (hash ^ static_cast<quint64>(size_)) * Prime;
}

} // namespace scorvane
