#pragma once
// Where the highest high and the lowest low of the last p + 1 candles lie, as the pair
// (Aroon up, Aroon down) in [0, 100]: 100 on the newest candle, 0 on the oldest, the newest of
// equal extremes winning. The step of AroonOscillator and of the two-output Aroon. The window
// keeps the highs and lows only and grows with the data up to p + 1.
#include <cmath>
#include <cstdint>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"

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
        if (!range_.push({c.high, c.low})) [[unlikely]]
            return false;
        if (!range_.full()) return false;
        double best_high = -INFINITY, best_low = INFINITY;
        std::size_t at_high = 0, at_low = 0, i = 0;
        range_.for_each([&](const Range& r) {
            if (r.high >= best_high) best_high = r.high, at_high = i;
            if (r.low <= best_low) best_low = r.low, at_low = i;
            ++i;
        });
        out = {(static_cast<double>(at_high) * 100.0) / p_, (static_cast<double>(at_low) * 100.0) / p_};
        return true;
    }

    // p + 1, saturated.
    std::uint64_t window() const { return range_.capacity(); }

private:
    struct Range {
        double high;
        double low;
    };
    RollingWindow<Range> range_;
    double p_;
};

}  // namespace prynox
