#include "core/page_blocks.h"

#include <cstdint>
#include <new>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/mman.h>
#define VELMORA_HAVE_MMAP 1
#endif

namespace {

// The usual huge page on x86-64 and most 64-bit ARM systems; elsewhere only an alignment.
constexpr std::size_t kHugePageSize = std::size_t{2} << 20;

} // namespace

std::size_t RoundUpToPageBlock(std::size_t bytes) {
    if (bytes > SIZE_MAX - kHugePageSize)
        throw std::bad_alloc();
    return (bytes + kHugePageSize - 1) / kHugePageSize * kHugePageSize;
}

#ifdef VELMORA_HAVE_MMAP

// Maps one huge page more than asked and trims both ends, so the block starts on a huge
// page boundary and the kernel can back all of it with huge pages.
void* AcquirePageBlock(std::size_t size) {
    const std::size_t mapped = size + kHugePageSize;
    void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        throw std::bad_alloc();
    const auto address = reinterpret_cast<std::uintptr_t>(raw);
    const std::size_t head = (kHugePageSize - address % kHugePageSize) % kHugePageSize;
    char* start = static_cast<char*>(raw) + head;
    if (head != 0)
        munmap(raw, head);
    if (mapped - head - size != 0)
        munmap(start + size, mapped - head - size);
#ifdef MADV_HUGEPAGE
    madvise(start, size, MADV_HUGEPAGE); // only advice: normal pages work as well
#endif
    return start;
}

void ReleasePageBlock(void* block, std::size_t size) noexcept {
    UnpoisonMemory(block, size); // the next mapping at this address starts clean
    munmap(block, size);
}

#else

void* AcquirePageBlock(std::size_t size) {
    return ::operator new (size, std::align_val_t{kHugePageSize});
}

void ReleasePageBlock(void* block, std::size_t size) noexcept {
    UnpoisonMemory(block, size);
    ::operator delete (block, size, std::align_val_t{kHugePageSize});
}

#endif
