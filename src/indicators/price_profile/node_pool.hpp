#pragma once
// Fixed-size blocks for the nodes of an ordered container, handed out from chunks that grow by
// doubling and taken back onto a free list: once the container has held its largest number of
// elements, inserting and erasing allocate nothing. An owner calls `make_room` before a change
// that inserts, so that the insertion itself cannot fail.
#include <cstddef>
#include <memory>
#include <new>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "indicators/invariant.hpp"

namespace prynox {

class NodePool {
public:
    static constexpr std::size_t kBlock = 64;

    NodePool() = default;
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;

    // A free block for the next insertion; false when none could be had.
    [[nodiscard]] bool make_room() {
        if (free_ != nullptr) return true;
        try {
            if (chunks_.size() == chunks_.capacity()) chunks_.reserve(chunks_.size() * 2 + 4);
            std::unique_ptr<Block[]> chunk(new Block[next_]);
            for (std::size_t i = 0; i < next_; ++i) give(&chunk[i]);
            chunks_.push_back(std::move(chunk));  // capacity reserved above
            next_ *= 2;
        } catch (const std::bad_alloc&) {
            return false;
        } catch (const std::length_error&) {
            return false;
        }
        return true;
    }

    void* take() {
        require(free_ != nullptr, "a node block was made room for");
        Block* b = free_;
        free_ = b->next;
        return b;
    }

    void give(void* p) {
        Block* b = static_cast<Block*>(p);
        b->next = free_;
        free_ = b;
    }

private:
    union alignas(16) Block {
        Block* next;
        std::byte bytes[kBlock];
    };

    std::vector<std::unique_ptr<Block[]>> chunks_;
    Block* free_ = nullptr;
    std::size_t next_ = 16;
};

// The allocator of a node-based container drawing from one pool (one node per call).
template <class T>
struct PoolAllocator {
    using value_type = T;
    using propagate_on_container_move_assignment = std::true_type;
    using is_always_equal = std::false_type;

    NodePool* pool;

    explicit PoolAllocator(NodePool* p) : pool(p) {}
    template <class U>
    PoolAllocator(const PoolAllocator<U>& other) : pool(other.pool) {}

    T* allocate(std::size_t n) {
        static_assert(sizeof(T) <= NodePool::kBlock && alignof(T) <= 16, "a node fits a pool block");
        require(n == 1, "one node per allocation");
        return static_cast<T*>(pool->take());
    }
    void deallocate(T* p, std::size_t) { pool->give(p); }

    template <class U>
    bool operator==(const PoolAllocator<U>& other) const {
        return pool == other.pool;
    }
};

}  // namespace prynox
