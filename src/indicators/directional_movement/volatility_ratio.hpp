#pragma once
// Volatility ratio: the true range over its exponential average before this candle (0 while
// that average is not positive). The average is seeded with the mean of the first n true ranges
// and then runs A = TR alpha + A (1 - alpha), both products rounded on their own: not the fused
// step of the EMA stage.
#include <cmath>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class VolatilityRatio {
public:
    // Window check on the period.
    static std::expected<VolatilityRatio, IndicatorError> create(std::uint64_t period);

    // A candle whose true range, seed sum or average is not finite (prices near the double range)
    // would leave the average infinite for good: it gives nothing and leaves the average and its
    // seed as they were, but the next true range reaches to its close. A ratio that overflows (a
    // large range over a tiny average) is no value for that candle only.
    OptionalValue update_candle(const Candle& c) {
        if (!has_previous_close_) [[unlikely]] {
            previous_close_ = c.close;
            has_previous_close_ = true;
            return {};
        }
        const double tr = true_range(c.high, c.low, previous_close_);
        if (!seeded_) [[unlikely]]
            return seed(c, tr);
        const double ratio = average_ > 0.0 ? tr / average_ : 0.0;
        const double average = tr * alpha_ + average_ * one_minus_alpha_;
        previous_close_ = c.close;
        if (!std::isfinite(average)) [[unlikely]]
            return {};
        average_ = average;
        if (!std::isfinite(ratio)) [[unlikely]]
            return {};
        return ratio;
    }
    // n + 2
    std::uint64_t warmup_period() const { return period_ + 2; }

private:
    explicit VolatilityRatio(std::uint64_t period)
        : period_(period), alpha_(2.0 / (static_cast<double>(period) + 1.0)), one_minus_alpha_(1.0 - alpha_) {}

    OptionalValue seed(const Candle& c, double tr);

    std::uint64_t period_;
    double alpha_;
    double one_minus_alpha_;
    double previous_close_ = 0.0;
    double average_ = 0.0;
    double seed_sum_ = 0.0;
    std::uint64_t seed_count_ = 0;
    bool has_previous_close_ = false;
    bool seeded_ = false;
};

}  // namespace prynox
