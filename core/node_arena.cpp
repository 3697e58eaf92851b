#include "core/node_arena.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

#include "core/page_blocks.h"

namespace {

constexpr std::size_t kFirstBlockSize = std::size_t{2} << 20;
constexpr std::size_t kLargestBlockSize = std::size_t{32} << 20;

char* AlignUp(char* pointer, std::size_t alignment) noexcept {
    const auto address = reinterpret_cast<std::uintptr_t>(pointer);
    const auto aligned = (address + alignment - 1) & ~std::uintptr_t{alignment - 1};
    return pointer + (aligned - address);
}

} // namespace

CNodeArena::~CNodeArena() {
    for (const Block& block : m_blocks)
        ReleasePageBlock(block.start, block.size);
}

void* CNodeArena::Allocate(std::size_t bytes, std::size_t alignment) {
    bytes = std::max<std::size_t>(bytes, 1);
    if (bytes == m_freeNodeSize && m_freeList != nullptr)
        return PopFree();
    char* start = AlignUp(m_next, alignment);
    if (m_next == nullptr || static_cast<std::size_t>(m_end - start) < bytes) {
        AddBlock(bytes);
        start = m_next; // blocks start on a page, which satisfies any node's alignment
    }
    m_next = start + bytes;
    UnpoisonMemory(start, bytes);
    return start;
}

void CNodeArena::Deallocate(void* memory, std::size_t bytes) noexcept {
    const bool holdsLink =
        bytes >= sizeof(void*) && reinterpret_cast<std::uintptr_t>(memory) % alignof(void*) == 0;
    if (memory == nullptr || !holdsLink)
        return;
    if (m_freeNodeSize == 0)
        m_freeNodeSize = bytes;
    if (bytes != m_freeNodeSize)
        return; // stays unused until the arena dies
    std::memcpy(memory, &m_freeList, sizeof m_freeList);
    m_freeList = memory;
    PoisonMemory(static_cast<char*>(memory) + sizeof(void*), bytes - sizeof(void*));
}

void* CNodeArena::PopFree() noexcept {
    void* node = m_freeList;
    std::memcpy(&m_freeList, node, sizeof m_freeList);
    UnpoisonMemory(node, m_freeNodeSize);
    return node;
}

// Each block doubles the last, up to a ceiling, so a small dictionary maps little and a
// large one needs few blocks; an oversized request gets a block of its own size.
void CNodeArena::AddBlock(std::size_t leastSize) {
    m_nextBlockSize = m_nextBlockSize == 0 ? kFirstBlockSize : m_nextBlockSize;
    const std::size_t size = std::max(m_nextBlockSize, RoundUpToPageBlock(leastSize));
    m_blocks.reserve(m_blocks.size() + 1);
    char* start = static_cast<char*>(AcquirePageBlock(size));
    m_blocks.push_back(Block{start, size});
    PoisonMemory(start, size);
    m_next = start;
    m_end = start + size;
    m_nextBlockSize = std::min(m_nextBlockSize * 2, kLargestBlockSize);
}
