#pragma once
// The extremes of the last N pushed entries in O(1) per push, whatever an entry holds: the block
// scheme under HighLowExtremes (values only) and TaggedExtremes (values with a tag such as their
// position). `Keys` supplies the empty entry (`empty()`) and `combine(older, newer)`, which must
// be associative; the scheme always passes the older operand first, so that a tie rule can
// favour either side.
//
// The entries are cut into blocks of N (van Herk, Gil and Werman): the window ending at the
// newest entry is the tail of the previous block and the head of the current one, so its
// extremes are those of the previous block from the window's start (suffix extremes, made once
// when that block completed) and the running extremes of the current block. No branch depends on
// the values, where a monotone queue pops a data-dependent number of entries on every push: the
// running extremes restart from the empty entry, and the suffix table ends with an empty entry
// (and holds only empty ones before the first block completes), so a push is the same straight
// line at every position.
#include <cstddef>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <vector>

#include "indicators/cores/rolling_window.hpp"
#include "indicators/invariant.hpp"

namespace prynox {

template <class Keys>
class ExtremeBlocks {
public:
    explicit ExtremeBlocks(std::uint64_t length) : length_(length == 0 ? 1 : length) {}

    // Makes sure the next push cannot allocate; false when the storage could not grow.
    [[nodiscard]] bool make_room() { return at_ < slots_ || grow(); }

    // Storage for a whole block now, so that no later push allocates: for an owner whose data
    // seen so far already justifies it.
    [[nodiscard]] bool reserve_full() { return slots_ == length_ || resize(static_cast<std::size_t>(length_)); }

    // Pushes k and gives the combined entry of the window it ends. False (nothing changed)
    // when storage could not grow.
    [[nodiscard]] bool push(const Keys& k, Keys& window) {
        // Until the first block completes the tables may have to grow; from then on they never do.
        if (!filled_) [[unlikely]]
            return push_filling(k, window);
        window = step(k);
        return true;
    }

    // The combined entry of the window as it would stand once k is pushed, changing nothing: for
    // an owner that may still turn the value away. The next push must have room (make_room).
    Keys once_pushed(const Keys& k) const {
        require(at_ < slots_, "extremes have room for the next push");
        return Keys::combine(tails_[at_ + 1], Keys::combine(head_, k));
    }

    std::uint64_t length() const { return length_; }
    // Entries pushed so far, counted up to the length.
    std::uint64_t pushed() const { return filled_ ? length_ : at_; }
    bool full() const { return filled_; }
    // Block positions with storage (grows with the data, never beyond the length).
    std::size_t storage() const { return slots_; }

private:
    Keys step(const Keys& k) {
        // Kept in registers: read back after the block's store, it would wait on the narrower
        // stores that wrote it.
        const Keys head = Keys::combine(head_, k);
        head_ = head;
        block_[at_] = k;
        // The window reaches back into the previous block from position at + 1 on.
        const Keys w = Keys::combine(tails_[at_ + 1], head);
        if (++at_ == length_) [[unlikely]]
            complete_block();
        return w;
    }

    [[gnu::noinline]] bool push_filling(const Keys& k, Keys& window) {
        if (at_ == slots_ && !grow()) return false;
        window = step(k);
        return true;
    }

    // The block's suffix extremes become the previous block's tails; the next block fills the
    // old tails' storage. Both tables then hold N + 1 entries, the last one empty.
    [[gnu::noinline]] void complete_block() {
        for (std::size_t i = at_ - 1; i-- > 0;) block_[i] = Keys::combine(block_[i], block_[i + 1]);
        block_.swap(tails_);
        head_ = Keys::empty();
        at_ = 0;
        filled_ = true;
    }

    bool grow() { return resize(next_storage_size(slots_, length_)); }

    // Both tables to n + 1 entries (n <= N): the block's new slots are written before they are
    // read, the tails' are empty until the first block completes.
    bool resize(std::size_t n) {
        if (n <= slots_ || n >= block_.max_size()) return false;
        try {
            block_.reserve(n + 1);
            tails_.reserve(n + 1);
        } catch (const std::bad_alloc&) {
            return false;
        } catch (const std::length_error&) {
            return false;
        }
        block_.resize(n + 1, Keys::empty());
        tails_.resize(n + 1, Keys::empty());
        slots_ = n;
        return true;
    }

    std::uint64_t length_;
    std::vector<Keys> block_;  // the current block, oldest first, from position 0 to at_ - 1
    std::vector<Keys> tails_;  // extremes of the previous block from each position to its end
    std::size_t slots_ = 0;    // block positions with storage (tables hold one entry more)
    std::size_t at_ = 0;       // position of the next entry in the current block
    Keys head_ = Keys::empty();  // extremes of the current block
    bool filled_ = false;      // a block has completed: the window holds N entries
};

}  // namespace prynox
