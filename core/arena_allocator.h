// CArenaAllocator: the standard-library allocator that lets a container (the dictionary's
// std::list) take its nodes from a CNodeArena.
//
// Copies and rebound copies share one arena, which stays alive as long as any of them does,
// so a container can never outlive the memory of its nodes. A copied container gets an
// arena of its own; a moved or swapped one takes its arena along. Not for: containers used
// from several threads, or arrays that grow (a vector would leave each outgrown buffer
// unused until the arena dies; reserve it once).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>

#include "core/node_arena.h"

template <class T> class CArenaAllocator {
public:
    using value_type = T;
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_swap = std::true_type;

    CArenaAllocator() : m_arena(std::make_shared<CNodeArena>()) {}
    CArenaAllocator(const CArenaAllocator&) = default;
    CArenaAllocator& operator=(const CArenaAllocator&) = default;
    template <class U>
    CArenaAllocator(const CArenaAllocator<U>& other) noexcept : m_arena(other.m_arena) {}

    T* allocate(std::size_t count) {
        if (count > SIZE_MAX / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(m_arena->Allocate(count * sizeof(T), alignof(T)));
    }

    void deallocate(T* memory, std::size_t count) noexcept {
        m_arena->Deallocate(memory, count * sizeof(T));
    }

    CArenaAllocator select_on_container_copy_construction() const { return CArenaAllocator(); }

    template <class U> bool operator==(const CArenaAllocator<U>& other) const noexcept {
        return m_arena == other.m_arena;
    }

private:
    template <class U> friend class CArenaAllocator;

    // Declared copy operations and no move ones: a moved-from allocator must still work.
    std::shared_ptr<CNodeArena> m_arena;
};
