#pragma once
// Elder's SafeZone stop: the line sits k average penetrations beyond the bar, the average taken
// over the bars of the last n that penetrated the previous bar's low (long) or high (short).
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/nonzero_mean_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/multi_output_stops/trend_line.hpp"

namespace prynox {

class ElderSafeZone {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"value", "direction"};

    // The window check on n, then the multiplier check on k.
    static std::expected<ElderSafeZone, IndicatorError> create(std::uint64_t n, double k);

    // A bar whose penetrations, sums or candidates leave the doubles is refused: the windows and
    // the line stay as they were, and the next penetrations are measured from this bar.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // n + 1: the first candle only gives the previous one.
    std::uint64_t warmup_period() const { return sat_add(down_.length(), 1); }

private:
    ElderSafeZone(std::uint64_t n, double k) : down_(n), up_(n), k_(k) {}

    // No value; the bar is the one the next penetrations are measured from.
    bool refuse(const Candle& c) {
        previous_high_ = c.high, previous_low_ = c.low;
        return false;
    }

    NonzeroMeanWindow down_;  // previous low - low, where positive
    NonzeroMeanWindow up_;    // high - previous high, where positive
    double k_;
    double previous_high_ = 0.0;
    double previous_low_ = 0.0;
    bool has_previous_ = false;
    TrendLine trend_;
};

}  // namespace prynox
