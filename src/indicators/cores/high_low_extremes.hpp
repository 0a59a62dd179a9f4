#pragma once
// The highest high and the lowest low of the last N candles in O(1) per candle, by the total
// order of doubles: the block scheme of ExtremeBlocks over the total-order keys of the prices.
// Gives exactly what a scan of the window would (equal keys are equal bits).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "indicators/cores/extreme_blocks.hpp"
#include "indicators/cores/total_order.hpp"

namespace prynox {

// The largest and smallest value of a window.
struct Extremes {
    double hi;
    double lo;
};

class HighLowExtremes {
public:
    explicit HighLowExtremes(std::uint64_t length) : blocks_(length) {}

    // Makes sure the next push cannot allocate; false when the storage could not grow.
    [[nodiscard]] bool make_room() { return blocks_.make_room(); }

    // Storage for a whole block now, so that no later push allocates: for an owner whose data
    // seen so far already justifies it.
    [[nodiscard]] bool reserve_full() { return blocks_.reserve_full(); }

    // False (nothing changed) when storage could not grow.
    [[nodiscard]] bool push(double high, double low) {
        Keys w;
        if (!blocks_.push({total_order_key(high), total_order_key(low)}, w)) [[unlikely]]
            return false;
        high_ = from_total_order_key(w.high);
        low_ = from_total_order_key(w.low);
        return true;
    }

    // The highest high and lowest low once this candle were pushed, changing nothing. The next
    // push must have room (make_room).
    Extremes once_pushed(double high, double low) const {
        const Keys w = blocks_.once_pushed({total_order_key(high), total_order_key(low)});
        return {from_total_order_key(w.high), from_total_order_key(w.low)};
    }

    double high() const { return high_; }
    double low() const { return low_; }
    std::uint64_t length() const { return blocks_.length(); }
    // Candles pushed so far, counted up to the length.
    std::uint64_t pushed() const { return blocks_.pushed(); }
    bool full() const { return blocks_.full(); }
    // Positions with storage (grows with the data, never beyond the length).
    std::size_t storage() const { return blocks_.storage(); }

private:
    struct Keys {
        std::int64_t high;  // total-order keys of the prices
        std::int64_t low;

        static constexpr Keys empty() {
            return {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()};
        }
        static Keys combine(const Keys& a, const Keys& b) { return {std::max(a.high, b.high), std::min(a.low, b.low)}; }
    };

    ExtremeBlocks<Keys> blocks_;
    double high_ = 0.0;
    double low_ = 0.0;
};

}  // namespace prynox
