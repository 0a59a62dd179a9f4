#pragma once
// Stochastic oscillator: where the close lies in the high-low range of the last k candles (%K,
// 50 on a flat range) and the simple average of %K over d bars (%D). The extremes come from
// monotone queues; the window has no upper bound and grows with the data.
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>
#include <utility>

#include "core/model/market.hpp"
#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"

namespace prynox {

class Stochastic {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"k", "d"};

    // k or d zero, then the average's own checks (its maximum); k has no maximum.
    static std::expected<Stochastic, IndicatorError> create(std::uint64_t k, std::uint64_t d);

    bool update_candle(const Candle& c, std::array<double, 2>& out) {
        if (!extremes_.push(c.high, c.low) || !extremes_.full()) [[unlikely]]
            return false;
        const double ll = extremes_.low();
        const double range = extremes_.high() - ll;
        // A range beyond the doubles would give a %K of 0 whatever the close: no value.
        if (!std::isfinite(range)) [[unlikely]]
            return false;
        const double k = range == 0.0 ? 50.0 : (100.0 * (c.close - ll)) / range;
        // The average refuses a %K that is not finite (100 times a range near the largest double).
        const OptionalValue d = average_.update_value(k);
        if (!d) return false;
        out = {k, *d};
        return true;
    }
    // k + d - 1, saturating.
    std::uint64_t warmup_period() const { return sat_add(extremes_.length(), average_.period() - 1); }

private:
    Stochastic(std::uint64_t k, Sma average) : extremes_(k), average_(std::move(average)) {}

    HighLowExtremes extremes_;
    Sma average_;
};

}  // namespace prynox
