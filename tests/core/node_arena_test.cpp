// The node arena and its allocator: nodes must never overlap, and a container must never
// outlive the arena its nodes live in.
#include "core/node_arena.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <list>
#include <memory>
#include <vector>

#include "core/arena_allocator.h"

TEST(NodeArenaTest, NodesAreAlignedAndNeverOverlap) {
    CNodeArena arena;
    constexpr std::size_t kNodeSize = 88;
    std::vector<unsigned char*> nodes;
    for (int i = 0; i < 100'000; ++i) { // several blocks' worth
        auto* node = static_cast<unsigned char*>(arena.Allocate(kNodeSize, 8));
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(node) % 8, 0u);
        std::memset(node, i & 0xFF, kNodeSize);
        nodes.push_back(node);
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        ASSERT_EQ(nodes[i][0], i & 0xFF) << i;
        ASSERT_EQ(nodes[i][kNodeSize - 1], i & 0xFF) << i;
    }
}

TEST(NodeArenaTest, FreedNodesAreReusedAndLargeRequestsServed) {
    CNodeArena arena;
    void* first = arena.Allocate(64, 8);
    arena.Deallocate(first, 64);
    EXPECT_EQ(arena.Allocate(64, 8), first);

    constexpr std::size_t kLarge = std::size_t{40} << 20; // larger than any normal block
    auto* large = static_cast<char*>(arena.Allocate(kLarge, 16));
    large[0] = 'A';
    large[kLarge - 1] = 'Z';
    EXPECT_NE(arena.Allocate(64, 8), nullptr);
}

TEST(ArenaAllocatorTest, ContainersOutliveTheirSources) {
    using List = std::list<std::uint64_t, CArenaAllocator<std::uint64_t>>;
    auto original = std::make_unique<List>();
    for (std::uint64_t i = 0; i < 1000; ++i)
        original->push_back(i);
    List copy(*original);
    List moved(std::move(*original));
    original.reset(); // the moved-from list dies; the arenas must stay where used

    std::uint64_t expected = 0;
    for (std::uint64_t value : copy)
        ASSERT_EQ(value, expected++);
    EXPECT_EQ(copy, moved);
    copy.push_back(1000);
    moved.pop_front();
    EXPECT_EQ(copy.size(), 1001u);
    EXPECT_EQ(moved.size(), 999u);
}
