#include "indicators/rsi_family/fisher_rsi.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>

namespace prynox {

std::expected<FisherRsi, IndicatorError> FisherRsi::create(std::uint64_t period) {
    auto rsi = Rsi::create(period);
    if (!rsi) return std::unexpected(rsi.error());
    return FisherRsi(*rsi);
}

OptionalValue FisherRsi::update_value(double x) {
    auto r = rsi_.update_value(x);  // rejects a non-finite x itself
    if (!r) return std::nullopt;
    double v = (*r - 50.0) / 50.0;
    if (v < -0.999) v = -0.999;
    if (v > 0.999) v = 0.999;
    return 0.5 * std::log((1.0 + v) / (1.0 - v));
}

}  // namespace prynox
