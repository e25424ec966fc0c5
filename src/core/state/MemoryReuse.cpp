#include "core/state/MemoryReuse.h"

#include <cstdlib> // defines __GLIBC__ when the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace scorvane {

void keepFreedMemoryForReuse()
{
#if defined(__GLIBC__)
    // Up to 64 MB of free memory stays with the program, and blocks up to 32 MB (the largest the
    // C library allows for this setting) come from that reusable memory rather than from a
    // mapping of their own that is unmapped when freed.
    constexpr int KeptFreeBytes = 64 * 1024 * 1024;
    constexpr int SeparateMappingBytes = 32 * 1024 * 1024;
    mallopt(M_TRIM_THRESHOLD, KeptFreeBytes);
    mallopt(M_MMAP_THRESHOLD, SeparateMappingBytes);
#endif
}

} // namespace scorvane
