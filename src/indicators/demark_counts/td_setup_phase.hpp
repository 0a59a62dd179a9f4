#pragma once
// The setup count of the DeMark countdown and combo: consecutive closes below (buy) or above
// (sell) the close a fixed number of bars earlier, held at the setup length, and the side a
// completed setup makes active. The active side never returns to none.
#include <algorithm>
#include <cstdint>

#include "indicators/cores/saturating.hpp"

namespace prynox {

// A count as a value: negative for the sell side; a count of 0 is +0.0 on either side.
inline double signed_count(std::uint64_t count, bool sell) {
    const double v = static_cast<double>(count);
    return sell && count > 0 ? -v : v;
}

struct TdSetupPhase {
    enum Side : std::uint8_t { None = 0, Buy = 1, Sell = 2 };

    std::uint64_t length;
    std::uint64_t buy = 0;
    std::uint64_t sell = 0;
    Side side = None;

    // Counts `close` against `reference`; true when a completed setup switched the active side
    // (the owner then restarts its counts).
    bool step(double close, double reference) {
        if (close < reference) {
            buy = std::min(sat_add(buy, 1), length);
            sell = 0;
        } else if (close > reference) {
            sell = std::min(sat_add(sell, 1), length);
            buy = 0;
        } else {
            buy = 0;
            sell = 0;
        }
        const Side completed = buy == length ? Buy : sell == length ? Sell : None;
        if (completed == None || completed == side) return false;
        side = completed;
        return true;
    }
};

}  // namespace prynox
