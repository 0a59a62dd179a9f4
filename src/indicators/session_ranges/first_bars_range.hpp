#pragma once
// The high and low of the first n valid candles of the run: running until the n-th is in, then
// frozen for good. Nothing ties it to a day or a session.
#include <cstdint>
#include <limits>

#include "core/model/market.hpp"

namespace prynox {

class FirstBarsRange {
public:
    struct Extremes {
        double high, low;
    };

    explicit FirstBarsRange(std::uint64_t n) : n_(n) {}

    // The range once `c` is in; a frozen range ignores it. Nothing changes until take().
    Extremes with(const Candle& c) const {
        if (frozen_) return {high_, low_};
        return {c.high > high_ ? c.high : high_, c.low < low_ ? c.low : low_};
    }

    // Takes in the candle whose with() gave `e`. The count stops at n (n >= 1), so it never wraps.
    void take(const Extremes& e) {
        if (frozen_) return;
        high_ = e.high, low_ = e.low;
        if (++count_ == n_) frozen_ = true;
    }

private:
    std::uint64_t n_;
    std::uint64_t count_ = 0;
    double high_ = -std::numeric_limits<double>::infinity();
    double low_ = std::numeric_limits<double>::infinity();
    bool frozen_ = false;
};

}  // namespace prynox
