// Raw memory blocks for CNodeArena, straight from the operating system, and the marks that
// tell AddressSanitizer which parts of them are not handed out.
//
// On POSIX systems a block is an anonymous mapping aligned to a huge page and advised to
// use huge pages, so filling it faults in one page per 2 MB instead of one per 4 KB.
// Elsewhere it is an aligned heap allocation. Not for: anything but whole arena blocks.
#pragma once

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORA_ASAN 1
#endif
#endif

#ifdef VELMORA_ASAN
#include <sanitizer/asan_interface.h>
#endif

// `bytes` rounded up to a whole number of huge pages; throws std::bad_alloc on overflow.
std::size_t RoundUpToPageBlock(std::size_t bytes);

// A block of `size` bytes (a multiple of the huge page), aligned to a huge page.
void* AcquirePageBlock(std::size_t size);
void ReleasePageBlock(void* block, std::size_t size) noexcept;

// Unused arena memory is poisoned, so reading a node that was never handed out, or one that
// was freed, is reported under AddressSanitizer. Without it these do nothing.
inline void PoisonMemory([[maybe_unused]] void* memory, [[maybe_unused]] std::size_t bytes) {
#ifdef VELMORA_ASAN
    __asan_poison_memory_region(memory, bytes);
#endif
}

inline void UnpoisonMemory([[maybe_unused]] void* memory, [[maybe_unused]] std::size_t bytes) {
#ifdef VELMORA_ASAN
    __asan_unpoison_memory_region(memory, bytes);
#endif
}
