#pragma once
// The highest high and the lowest low of the last N candles in O(1) amortised per candle, by the
// total order of doubles, where WindowExtremes keeps both extremes of a single series. Gives
// exactly what a scan of the window would.
//
// The candles are cut into blocks of N (van Herk, Gil and Werman): the window ending at the
// newest candle is the tail of the previous block and the head of the current one, so its
// extremes are those of the previous block from the window's start (suffix extremes, made once
// when that block completed) and the running extremes of the current block. No branch depends on
// the prices, where a monotone queue pops a data-dependent number of entries on every candle.
#include <algorithm>
#include <cstdint>
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

    // False (nothing changed) when storage could not grow.
    [[nodiscard]] bool push(double high, double low) {
        if (block_.size() == block_.capacity() && !grow()) [[unlikely]]
            return false;
        const Keys k{total_order_key(high), total_order_key(low)};
        const std::size_t at = block_.size();
        // Kept in registers: read back after the block's store, it would wait on the two
        // narrower stores that wrote it.
        const Keys head = at == 0 ? k : Keys{std::max(head_.high, k.high), std::min(head_.low, k.low)};
        head_ = head;
        block_.push_back(k);  // room was made above
        ++count_;
        Keys w = head;
        // The window reaches back into the previous block from position at + 1 on (none of it
        // once this block is whole, or before one block has completed).
        if (at + 1 < tails_.size()) {
            const Keys& tail = tails_[at + 1];
            w = {std::max(w.high, tail.high), std::min(w.low, tail.low)};
        }
        high_ = from_total_order_key(w.high);
        low_ = from_total_order_key(w.low);
        if (block_.size() == length_) [[unlikely]]
            complete_block();
        return true;
    }

    double high() const { return high_; }
    double low() const { return low_; }
    std::uint64_t length() const { return length_; }
    bool full() const { return count_ >= length_; }

private:
    struct Keys {
        std::int64_t high;  // total-order keys of the prices
        std::int64_t low;
    };

    // The block's suffix extremes become the previous block's tails; the next block fills the
    // old tails' storage.
    [[gnu::noinline]] void complete_block() {
        for (std::size_t i = block_.size() - 1; i-- > 0;)
            block_[i] = {std::max(block_[i].high, block_[i + 1].high), std::min(block_[i].low, block_[i + 1].low)};
        block_.swap(tails_);
        block_.clear();
        // The first block has filled the window: the data seen justifies a whole block of storage
        // now, so that no later push allocates. Should it fail, pushes grow the block as before.
        if (block_.capacity() < tails_.size()) (void)reserve(tails_.size());
    }

    bool grow() { return reserve(next_storage_size(block_.capacity(), length_)); }

    bool reserve(std::size_t n) {
        if (n <= block_.capacity()) return false;
        try {
            block_.reserve(n);
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        } catch (const std::length_error&) {
            return false;
        }
    }

    std::uint64_t length_;
    std::vector<Keys> block_;  // the current block, oldest first
    std::vector<Keys> tails_;  // extremes of the previous block from each position to its end
    Keys head_{0, 0};          // extremes of the current block
    std::uint64_t count_ = 0;
    double high_ = 0.0;
    double low_ = 0.0;
};

}  // namespace prynox
