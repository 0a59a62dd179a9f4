#pragma once
// Volatility regime of the close: the sample standard deviation of the last V log returns,
// ranked among the last L such values: -1 below their lower quartile, +1 above their upper
// quartile, 0 between. Only positive closes count; a return whose log is not finite (a ratio
// beyond the doubles) gives nothing and leaves the windows as they were, but its close is the
// one the next return is measured from.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>
#include <span>

#include "indicators/cores/bollinger.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kRegimeVolPeriodMessage = "regime label needs vol_period >= 2";
inline constexpr const char* kRegimeLookbackMessage = "regime label needs lookback >= 2";

class RegimeLabel {
public:
    // vol_period: minimum 2, then MAX_PERIOD; lookback: the same.
    static std::expected<RegimeLabel, IndicatorError> create(std::uint64_t vol_period, std::uint64_t lookback);

    OptionalValue update_value(double x);
    // V + L
    std::uint64_t warmup_period() const { return sat_add(returns_.period(), volatilities_.capacity()); }

private:
    // Where a quantile falls among L sorted values: the lower index and the fraction towards the
    // next one (the fraction is unused when the index is the last).
    struct QuantilePosition {
        std::size_t index;
        double fraction;
    };
    static QuantilePosition quantile_position(std::uint64_t lookback, double q);
    static double quantile(std::span<const double> sorted, QuantilePosition at);

    RegimeLabel(std::uint64_t vol_period, std::uint64_t lookback)
        : returns_(vol_period, 1.0), volatilities_(lookback), q25_(quantile_position(lookback, 0.25)),
          q75_(quantile_position(lookback, 0.75)) {}

    // The Bollinger core keeps the return window and its anchored sums; only its sums are read.
    BollingerBands returns_;
    SortedWindow volatilities_;
    QuantilePosition q25_;
    QuantilePosition q75_;
    double previous_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
