#pragma once
// What the chart patterns read of their pivots: the closeness of two pivot prices, and the two
// latest swing highs and lows of a four-pivot formation.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

// Within 3 % of the larger magnitude.
inline bool pivots_close(double a, double b) { return within_share(a, b, 0.03); }

// The newest four pivots as two swing highs and two swing lows, the latest (h1, l1) and the one
// before each (h0, l0).
struct HighsAndLows {
    double h1, h0, l1, l0;

    explicit HighsAndLows(const SwingPivotTracker& t) {
        const bool high_last = t.from_newest(0).is_high();
        const double newest = t.from_newest(0).price, second = t.from_newest(1).price;
        const double third = t.from_newest(2).price, fourth = t.from_newest(3).price;
        h1 = high_last ? newest : second;
        l1 = high_last ? second : newest;
        h0 = high_last ? third : fourth;
        l0 = high_last ? fourth : third;
    }
};

}  // namespace prynox
