#pragma once
// Kase DevStop: the line sits the mean plus k sample standard deviations of the last n two-bar
// ranges below the highest high of an up trend, or above the lowest low of a down trend.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/return_moments.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

inline constexpr const char* kKaseDevStopPeriodMessage = "Kase DevStop period must be >= 2";

class KaseDevStop {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"value", "direction"};

    // A minimum of 2 with its own message (which also covers 0), then MAX_PERIOD; then the
    // multiplier check on k.
    static std::expected<KaseDevStop, IndicatorError> create(std::uint64_t n, double k);

    // A bar whose range, sums, distance or line leaves the doubles is refused: the window and the
    // line stay as they were, and the next two-bar range reaches to this bar.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // n + 1: the first candle only gives the previous one.
    std::uint64_t warmup_period() const { return sat_add(ranges_.length(), 1); }

private:
    KaseDevStop(std::uint64_t n, double k) : ranges_(n), k_(k) {}

    // Mean and sample variance of the ranges from sums about a moving anchor; a window of equal
    // ranges has variance 0 exactly, decided by the run of equal values.
    // No value; the bar is the one the next two-bar range reaches to.
    bool refuse(const Candle& c) {
        previous_high_ = c.high, previous_low_ = c.low;
        return false;
    }

    ReturnMomentsWindow ranges_;
    double k_;
    double previous_high_ = 0.0;
    double previous_low_ = 0.0;
    bool has_previous_ = false;
    double direction_ = 0.0;  // 0 until the first value
    double extreme_ = 0.0;
    double line_ = 0.0;
};

}  // namespace prynox
