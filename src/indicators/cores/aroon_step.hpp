#pragma once
// Where the highest high and the lowest low of the last p + 1 candles lie, as the pair
// (Aroon up, Aroon down) in [0, 100]: 100 on the newest candle, 0 on the oldest, the newest of
// equal extremes winning. The step of AroonOscillator and of the two-output Aroon. The extremes
// and their positions come from TaggedExtremes in O(1) per candle; its storage grows with the
// data up to p + 1.
#include <cstdint>

#include "core/model/market.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/tagged_extremes.hpp"

namespace prynox {

struct AroonPair {
    double up;
    double down;
};

class AroonCore {
public:
    // For callers that checked the period (the window check).
    explicit AroonCore(std::uint64_t period) : range_(sat_add(period, 1)), p_(static_cast<double>(period)) {}

    // False (nothing changed) when the window could not grow, or while it holds p candles or fewer.
    bool step(const Candle& c, AroonPair& out) {
        // Each candle is tagged with its count; the newest has count taken_ - 1.
        if (!range_.push(c.high, taken_, c.low, taken_)) [[unlikely]]
            return false;
        ++taken_;
        if (!range_.full()) return false;
        // Position from the oldest of the p + 1 candles: p less the age.
        const std::uint64_t newest = taken_ - 1, p = range_.length() - 1;
        const std::uint64_t at_high = p - (newest - range_.high_tag()), at_low = p - (newest - range_.low_tag());
        out = {(static_cast<double>(at_high) * 100.0) / p_, (static_cast<double>(at_low) * 100.0) / p_};
        return true;
    }

    // p + 1, saturated.
    std::uint64_t window() const { return range_.length(); }

private:
    TaggedExtremes<TieRule::kNewest> range_;
    std::uint64_t taken_ = 0;  // candles taken
    double p_;
};

}  // namespace prynox
