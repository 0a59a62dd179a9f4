#pragma once
// Engle-Granger cointegration of the close on the reference over the window: the hedge ratio of
// the regression close = intercept + hedge_ratio * reference, this bar's residual (the spread),
// and the augmented Dickey-Fuller t statistic of the residual series with adf_lags lagged
// changes and no constant (0 when its fit is singular).
#include <array>
#include <cstdint>
#include <expected>
#include <vector>

#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

inline constexpr const char* kCointegrationPeriodMessage = "cointegration needs period >= 2*adf_lags + 4";

class Cointegration {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"hedge_ratio", "spread", "adf_stat"};

    // period at least 2 adf_lags + 4 (neither has a maximum of its own: the window grows with the
    // data). The ADF normal equations, (adf_lags + 1)^2 entries that cannot grow with the data,
    // are refused with the maximum-period message above MAX_PERIOD entries or when they cannot
    // be allocated.
    static std::expected<Cointegration, IndicatorError> create(std::uint64_t period, std::uint64_t adf_lags);

    bool update_pair(double close, double reference, std::array<double, 3>& out);
    std::uint64_t warmup_period() const { return window_.period(); }

private:
    Cointegration(std::uint64_t period, std::uint64_t adf_lags) : window_(period), lags_(adf_lags) {}

    // The ADF t statistic of residuals_.
    double adf_stat();
    // The ADF regressor row of observation t into row_.
    void fill_row(std::size_t t);

    PairMomentWindow window_;
    std::uint64_t lags_;
    // Reused every bar: the residual series (sized when the window first fills), one regressor
    // row, the normal equations and their two right-hand sides (X'y and the first unit vector).
    std::vector<double> residuals_;
    std::vector<double> row_;
    std::vector<double> normal_;
    std::vector<double> rhs_;
};

}  // namespace prynox
