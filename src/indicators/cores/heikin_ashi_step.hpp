#pragma once
// The Heikin-Ashi candle of a bar: the close is the mean of the four prices,
// (((o + h) + l) + c) / 4; the open is the midpoint of the previous Heikin-Ashi open and close
// (of the bar's own open and close on the first bar); the high and low take in the Heikin-Ashi
// open and close. The one step of the Heikin-Ashi candles and the Heikin-Ashi oscillator.
//
// A bar whose Heikin-Ashi close overflows gives nothing and changes nothing: kept, it would make
// every later Heikin-Ashi open infinite.
#include <algorithm>
#include <array>
#include <cmath>

#include "indicators/cores/midpoint.hpp"

namespace prynox {

class HeikinAshiStep {
public:
    // Open, high, low, close of the Heikin-Ashi candle of (o, h, l, c); false (nothing changed)
    // when its close is not finite.
    bool step(double o, double h, double l, double c, std::array<double, 4>& out) {
        const double ha_close = (((o + h) + l) + c) * 0.25;
        if (!std::isfinite(ha_close)) [[unlikely]]
            return false;
        const double ha_open = has_previous_ ? midpoint(open_, close_) : midpoint(o, c);
        out = {ha_open, std::max(std::max(h, ha_open), ha_close), std::min(std::min(l, ha_open), ha_close), ha_close};
        open_ = ha_open;
        close_ = ha_close;
        has_previous_ = true;
        return true;
    }

private:
    double open_ = 0.0;
    double close_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
