#pragma once
// Hurst exponent of the spread close - reference from the growth of the mean squared k-bar
// change with k = 1 .. period / 4: half the least-squares slope of ln v(k) on ln k, clamped to
// [0, 1]; 0.5 when fewer than two lags show any change.
#include <cstdint>
#include <expected>
#include <span>
#include <vector>

#include "indicators/cores/spread_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kSpreadHurstPeriodMessage = "spread Hurst needs period >= 8";

class SpreadHurst {
public:
    // A minimum of 8 with its own message, then MAX_PERIOD.
    static std::expected<SpreadHurst, IndicatorError> create(std::uint64_t period);

    OptionalValue update_pair(double close, double reference);
    std::uint64_t warmup_period() const { return window_.period(); }
    std::uint64_t max_lag() const { return max_lag_; }

    // The exponent of a full window, with lags 1 .. max_lag; the points go to the two lists.
    static OptionalValue of(std::span<const double> s, std::uint64_t max_lag, std::vector<double>& log_lags,
                            std::vector<double>& log_vars);

private:
    explicit SpreadHurst(std::uint64_t period) : window_(period), max_lag_(period / 4) {}

    SpreadWindow window_;
    std::uint64_t max_lag_;
    // The fit's points, reused from bar to bar (sized when the window first fills).
    std::vector<double> log_lags_;
    std::vector<double> log_vars_;
};

}  // namespace prynox
