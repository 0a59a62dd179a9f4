#include "indicators/stochastic_momentum/inertia.hpp"

#include <utility>

#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<Inertia, IndicatorError> Inertia::create(std::uint64_t volatility, std::uint64_t regression) {
    if (volatility == 0 || regression == 0) return std::unexpected(IndicatorError::zero_period());
    auto rvi = RviVolatility::create(volatility);
    if (!rvi) return std::unexpected(rvi.error());
    auto line = LinearRegression::create(regression);
    if (!line) return std::unexpected(line.error());
    return Inertia(std::move(*rvi), std::move(*line));
}

// The volatility index's first value comes on its 2 #0 - 1st close, the line's #1 - 1 values later.
std::uint64_t Inertia::warmup_period() const {
    return sat_add(volatility_.warmup_period(), regression_.warmup_period() - 1);
}

}  // namespace prynox
