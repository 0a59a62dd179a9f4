#pragma once
// The highest high and the lowest low of the last N candles in O(1) per candle, by the total
// order of doubles. Gives exactly what a scan of the window would (equal keys are equal bits).
//
// The candles are cut into blocks of N (van Herk, Gil and Werman): the window ending at the
// newest candle is the tail of the previous block and the head of the current one, so its
// extremes are those of the previous block from the window's start (suffix extremes, made once
// when that block completed) and the running extremes of the current block. No branch depends on
// the prices, where a monotone queue pops a data-dependent number of entries on every candle:
// the running extremes restart from the empty extremes, and the suffix table ends with an empty
// entry (and holds only empty ones before the first block completes), so a push is the same
// straight line at every position.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>
#include <stdexcept>
#include <vector>

#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/cores/window_scan.hpp"

namespace prynox {

class HighLowExtremes {
public:
    explicit HighLowExtremes(std::uint64_t length) : length_(length == 0 ? 1 : length) {}

    // Makes sure the next push cannot allocate; false when the storage could not grow.
    [[nodiscard]] bool make_room() { return at_ < slots_ || grow(); }

    // Storage for a whole block now, so that no later push allocates: for an owner whose data
    // seen so far already justifies it.
    [[nodiscard]] bool reserve_full() { return slots_ == length_ || resize(static_cast<std::size_t>(length_)); }

    // False (nothing changed) when storage could not grow.
    [[nodiscard]] bool push(double high, double low) {
        // Until the first block completes the tables may have to grow; from then on they never do.
        if (!filled_) [[unlikely]]
            return push_filling(high, low);
        step(high, low);
        return true;
    }

    double high() const { return high_; }
    double low() const { return low_; }
    std::uint64_t length() const { return length_; }
    // Candles pushed so far, counted up to the length.
    std::uint64_t pushed() const { return filled_ ? length_ : at_; }
    bool full() const { return filled_; }

private:
    struct Keys {
        std::int64_t high;  // total-order keys of the prices
        std::int64_t low;
    };
    static constexpr Keys kEmpty{std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()};

    static Keys combine(const Keys& a, const Keys& b) { return {std::max(a.high, b.high), std::min(a.low, b.low)}; }

    void step(double high, double low) {
        const Keys k{total_order_key(high), total_order_key(low)};
        // Kept in registers: read back after the block's store, it would wait on the two
        // narrower stores that wrote it.
        const Keys head = combine(head_, k);
        head_ = head;
        block_[at_] = k;
        // The window reaches back into the previous block from position at + 1 on.
        const Keys w = combine(head, tails_[at_ + 1]);
        high_ = from_total_order_key(w.high);
        low_ = from_total_order_key(w.low);
        if (++at_ == length_) [[unlikely]]
            complete_block();
    }

    [[gnu::noinline]] bool push_filling(double high, double low) {
        if (at_ == slots_ && !grow()) return false;
        step(high, low);
        return true;
    }

    // The block's suffix extremes become the previous block's tails; the next block fills the
    // old tails' storage. Both tables then hold N + 1 entries, the last one empty.
    [[gnu::noinline]] void complete_block() {
        for (std::size_t i = at_ - 1; i-- > 0;) block_[i] = combine(block_[i], block_[i + 1]);
        block_.swap(tails_);
        head_ = kEmpty;
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
        block_.resize(n + 1, kEmpty);
        tails_.resize(n + 1, kEmpty);
        slots_ = n;
        return true;
    }

    std::uint64_t length_;
    std::vector<Keys> block_;  // the current block, oldest first, from position 0 to at_ - 1
    std::vector<Keys> tails_;  // extremes of the previous block from each position to its end
    std::size_t slots_ = 0;    // block positions with storage (tables hold one entry more)
    std::size_t at_ = 0;       // position of the next candle in the current block
    Keys head_ = kEmpty;       // extremes of the current block
    bool filled_ = false;      // a block has completed: the window holds N candles
    double high_ = 0.0;
    double low_ = 0.0;
};

}  // namespace prynox
