#include "indicators/momentum/disparity_index.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>
#include <utility>

namespace prynox {

std::expected<DisparityIndex, IndicatorError> DisparityIndex::create(std::uint64_t period) {
    auto sma = FlatExactSma::create(period);
    if (!sma) return std::unexpected(sma.error());
    return DisparityIndex(std::move(*sma));
}

OptionalValue DisparityIndex::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    auto mean = sma_.update_value(x);
    if (!mean) return std::nullopt;
    double m = *mean;
    // An average that overflowed is no distance to measure.
    if (!std::isfinite(m)) [[unlikely]]
        return std::nullopt;
    if (m == 0.0) return 0.0;
    return ((x - m) * 100.0) / m;
}

}  // namespace prynox
