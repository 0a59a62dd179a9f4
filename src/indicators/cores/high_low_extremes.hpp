#pragma once
// The highest high and the lowest low of the last N candles in O(1) amortised per candle, by the
// total order of doubles: one monotonic queue per side, where WindowExtremes keeps both extremes
// of a single series. Gives exactly what a scan of the window would.
#include <cstdint>

#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/cores/window_scan.hpp"

namespace prynox {

class HighLowExtremes {
public:
    explicit HighLowExtremes(std::uint64_t length) : length_(length == 0 ? 1 : length), highs_(length_), lows_(length_) {}

    // False (nothing changed) when storage could not grow.
    [[nodiscard]] bool push(double high, double low) {
        if (!highs_.make_room() || !lows_.make_room()) [[unlikely]]
            return false;
        ++count_;
        // The entry pushed `length` candles ago leaves from the front.
        if (count_ > length_) {
            const std::uint64_t first_kept = count_ - length_ + 1;
            if (!highs_.empty() && highs_.oldest().index < first_kept) (void)highs_.pop_front();
            if (!lows_.empty() && lows_.oldest().index < first_kept) (void)lows_.pop_front();
        }
        // A later high at least as large makes earlier ones irrelevant (and likewise for lows).
        const std::int64_t hk = total_order_key(high), lk = total_order_key(low);
        while (!highs_.empty() && highs_.newest().key <= hk) (void)highs_.pop_back();
        while (!lows_.empty() && lows_.newest().key >= lk) (void)lows_.pop_back();
        (void)highs_.push({hk, count_});
        (void)lows_.push({lk, count_});
        // The queues otherwise grow whenever they first get longer, which may be long after the
        // window has filled; once it has, the data seen justifies the whole storage.
        if (count_ == length_) [[unlikely]]
            (void)(highs_.reserve_full() && lows_.reserve_full());
        return true;
    }

    double high() const { return from_total_order_key(highs_.oldest().key); }
    double low() const { return from_total_order_key(lows_.oldest().key); }
    std::uint64_t length() const { return length_; }
    bool full() const { return count_ >= length_; }

private:
    struct Entry {
        std::int64_t key;     // total-order key of the price
        std::uint64_t index;  // 1-based push number
    };

    std::uint64_t length_;
    RollingWindow<Entry> highs_;
    RollingWindow<Entry> lows_;
    std::uint64_t count_ = 0;
};

}  // namespace prynox
