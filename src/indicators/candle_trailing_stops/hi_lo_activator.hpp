#pragma once
// Gann's high-low activator: the averages of the last N highs and lows; long once the close
// breaks above the previous bar's average high, short once it breaks below its average low, and
// the value is the previous average on the far side of the price (the low while long).
//
// The sums run with the leaving value subtracted and are re-summed exactly every N candles. A
// window of N equal highs (or lows) gives that price as its average: summed and divided it may
// not come back exactly (three highs of 0.1 average to 0.10000000000000002), and a flat market
// would then read as a breakout.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/equal_run.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class HiLoActivator {
public:
    // The window check on the period.
    static std::expected<HiLoActivator, IndicatorError> create(std::uint64_t period);

    // A candle whose sum of highs or of lows would not be finite gives nothing and changes
    // nothing; so does one the windows have no storage for.
    OptionalValue update_candle(const Candle& c);
    // N + 1: the first averages only become the previous ones.
    std::uint64_t warmup_period() const { return sat_add(highs_.capacity(), 1); }

private:
    explicit HiLoActivator(std::uint64_t period)
        : highs_(period), lows_(period), high_run_(period), low_run_(period), n_(static_cast<double>(period)) {}

    RollingWindow<double> highs_;
    RollingWindow<double> lows_;
    EqualRun high_run_;
    EqualRun low_run_;
    double n_;
    double high_sum_ = 0.0;
    double low_sum_ = 0.0;
    std::uint64_t updates_ = 0;
    double previous_high_ = 0.0;
    double previous_low_ = 0.0;
    bool has_previous_ = false;
    bool long_ = true;
};

}  // namespace prynox
