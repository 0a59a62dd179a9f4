#pragma once
// Relative volatility index: the population standard deviation of the last N inputs, counted
// as "up" volatility on a rise and "down" volatility on a fall, each averaged Wilder-style
// (seeded with the plain mean of the first N); the value is 100 up / (up + down), 50 when both
// are 0. A small value type: the candle types that run it on their own series embed it.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/saturating.hpp"
#include "indicators/shifted_sums_window.hpp"

namespace prynox {

inline constexpr const char* kRviPeriodMessage = "RVI period must be >= 2";

class RviVolatility {
public:
    // 0, then MAX_PERIOD, then the minimum of 2.
    static std::expected<RviVolatility, IndicatorError> create(std::uint64_t period);

    // A non-finite x, or one whose deviations are too large to square, gives nothing and
    // changes nothing.
    std::optional<double> update_value(double x);
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
