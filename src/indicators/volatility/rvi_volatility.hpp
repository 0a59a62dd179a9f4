#pragma once
// Relative volatility index: the population standard deviation of the last N inputs, counted
// as "up" volatility on a rise and "down" volatility on a fall, each averaged Wilder-style
// (seeded with the plain mean of the first N); the value is 100 up / (up + down), 50 when both
// are 0. A small value type: the candle types that run it on their own series embed it.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/fused.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/invariant.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/shifted_sums_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kRviPeriodMessage = "RVI period must be >= 2";

class RviVolatility {
public:
    // 0, then MAX_PERIOD, then the minimum of 2.
    static std::expected<RviVolatility, IndicatorError> create(std::uint64_t period);

    // A non-finite x gives nothing and changes nothing. One whose deviations are too large to
    // square gives nothing and leaves the window and averages as they were; the next close is
    // still compared with it. Inline: the candle types that embed it call it on every bar.
    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        if (!window_.push(x)) {
            previous_ = x;
            has_previous_ = true;
            return std::nullopt;
        }
        if (!window_.full()) {
            previous_ = x;
            has_previous_ = true;
            return std::nullopt;
        }
        double sd = std::sqrt(window_.population_variance());
        require(has_previous_, "prev_close is set on every input before this point");
        double up = x > previous_ ? sd : 0.0;
        double down = x < previous_ ? sd : 0.0;
        previous_ = x;
        if (averaged_) {
            up_ = fused_multiply_add(up_, n_minus_1_, up) / n_;
            down_ = fused_multiply_add(down_, n_minus_1_, down) / n_;
        } else {
            up_ += up;
            down_ += down;
            if (++seeds_ < window_.length()) return std::nullopt;
            up_ = up_ / n_;
            down_ = down_ / n_;
            averaged_ = true;
        }
        double total = up_ + down_;
        if (total == 0.0) return 50.0;
        // With no down average (or one too small to count) this is the up average over itself,
        // which can round one unit past 100.
        double value = (100.0 * up_) / total;
        return value > 100.0 ? 100.0 : value;
    }
    // 2N - 1
    std::uint64_t warmup_period() const { return sat_sub(sat_mul(2, window_.length()), 1); }
    std::uint64_t period() const { return window_.length(); }

private:
    explicit RviVolatility(std::uint64_t period)
        : window_(period), n_(static_cast<double>(window_.length())),
          n_minus_1_(static_cast<double>(window_.length() - 1)) {}

    ShiftedSumsWindow window_;
    double n_;
    double n_minus_1_;
    double previous_ = 0.0;
    bool has_previous_ = false;
    // Before the averages exist: the sums of the first up and down volatilities, in order.
    double up_ = 0.0;
    double down_ = 0.0;
    std::uint64_t seeds_ = 0;
    bool averaged_ = false;
};

}  // namespace prynox
