#pragma once
// Granger causality of the reference on the close: the F statistic of whether `lag` lags of the
// reference, added to a constant and `lag` lags of the close, improve the least-squares fit of
// the close over the window. 0 when a fit is singular or the statistic is negative; +inf when the
// unrestricted fit is exact and the restricted one is not.
#include <cstdint>
#include <expected>
#include <vector>

#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kGrangerLagMessage = "granger causality needs lag >= 1";
inline constexpr const char* kGrangerPeriodMessage = "granger causality needs period >= 3*lag + 2";

class GrangerCausality {
public:
    // lag at least 1, then MAX_PERIOD; period at least 3 lag + 2 (no maximum: the window grows
    // with the data). The normal equations, (2 lag + 1)^2 entries that cannot grow with the data,
    // are refused with the maximum-period message above MAX_PERIOD entries or when they cannot
    // be allocated.
    static std::expected<GrangerCausality, IndicatorError> create(std::uint64_t period, std::uint64_t lag);

    OptionalValue update_pair(double close, double reference);
    std::uint64_t warmup_period() const { return pairs_.capacity(); }

private:
    GrangerCausality(std::uint64_t period, std::uint64_t lag) : pairs_(period), lag_(lag) {}

    // Residual sum of squares of the fit with the first `regressors` columns and coefficients b.
    double residual_sum(std::size_t regressors, const double* b);
    // The regression row of observation t into row_.
    void fill_row(std::size_t t);

    RollingWindow<XY> pairs_;
    std::uint64_t lag_;
    // Reused every bar: the window's closes and references in order (sized when it first
    // fills), one regression row, the normal equations of the unrestricted fit and a copy of the
    // restricted corner, with their right-hand sides.
    std::vector<double> closes_, references_;
    std::vector<double> row_;
    std::vector<double> normal_, restricted_;
    std::vector<double> rhs_, restricted_rhs_;
};

}  // namespace prynox
