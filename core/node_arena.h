// CNodeArena: hands out memory for the dictionary's list nodes from a few large blocks.
//
// A dictionary allocates one small node per line, hundreds of thousands at start-up, and
// frees them all together. Carving them one after another out of large blocks (huge pages
// where the system offers them) touches far fewer fresh pages than one heap allocation per
// node, and keeps the nodes in file order in memory, which the search walks. Memory of
// freed nodes is reused for nodes of the same size; blocks go back to the system only when
// the arena dies. Not for: general allocation, large objects or sharing between threads.
#pragma once

#include <cstddef>
#include <vector>

class CNodeArena {
public:
    CNodeArena() = default;
    CNodeArena(const CNodeArena&) = delete;
    CNodeArena& operator=(const CNodeArena&) = delete;
    ~CNodeArena();

    // `alignment` is a power of two no larger than a memory page.
    void* Allocate(std::size_t bytes, std::size_t alignment);
    void Deallocate(void* memory, std::size_t bytes) noexcept;

private:
    struct Block {
        char* start;
        std::size_t size;
    };

    void AddBlock(std::size_t leastSize);
    void* PopFree() noexcept;

    std::vector<Block> m_blocks;
    char* m_next = nullptr;
    char* m_end = nullptr;
    std::size_t m_nextBlockSize = 0;
    void* m_freeList = nullptr;     // freed nodes, each holding the next one's address
    std::size_t m_freeNodeSize = 0; // the one size the free list recycles
};
