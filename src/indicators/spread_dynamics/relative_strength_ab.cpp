#include "indicators/spread_dynamics/relative_strength_ab.hpp"

#include <algorithm>

namespace prynox {

std::expected<RelativeStrengthAB, IndicatorError> RelativeStrengthAB::create(std::uint64_t ma_period,
                                                                              std::uint64_t rsi_period) {
    auto ma = Sma::create(ma_period);
    if (!ma) return std::unexpected(ma.error());
    auto rsi = Rsi::create(rsi_period);
    if (!rsi) return std::unexpected(rsi.error());
    return RelativeStrengthAB(std::move(*ma), std::move(*rsi));
}

std::uint64_t RelativeStrengthAB::warmup_period() const {
    return std::max(ma_.warmup_period(), rsi_.warmup_period());
}

bool RelativeStrengthAB::update_pair(double close, double reference, std::array<double, 3>& out) {
    if (reference == 0.0) return false;
    // A ratio that overflows (1e10 over 1e-300) is refused by both cores, which change nothing.
    const double ratio = close / reference;
    const OptionalValue ma = ma_.update_value(ratio);
    const OptionalValue rsi = rsi_.update_value(ratio);
    if (!ma || !rsi) return false;
    out = {ratio, *ma, *rsi};
    return true;
}

}  // namespace prynox
