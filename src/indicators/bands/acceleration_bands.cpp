#include "indicators/bands/acceleration_bands.hpp"

#include <cmath>

#include "indicators/cores/fused.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<AccelerationBands, IndicatorError> AccelerationBands::create(std::uint64_t period, double factor) {
    if (auto e = check_multiplier(factor)) return std::unexpected(*e);
    if (auto e = check_window(period)) return std::unexpected(*e);
    return AccelerationBands(period, factor);
}

bool AccelerationBands::update_candle(const Candle& c, std::array<double, 3>& out) {
    const double sum = c.high + c.low;
    const double w = sum == 0.0 ? 0.0 : (c.high - c.low) / sum;
    const double raw_upper = c.high * fused_multiply_add(f_, w, 1.0);
    const double raw_lower = c.low * fused_multiply_add(-f_, w, 1.0);
    if (!std::isfinite(raw_upper) || !std::isfinite(raw_lower)) [[unlikely]]
        return false;
    const auto u = upper_.update_value(raw_upper);
    const auto m = middle_.update_value(c.close);
    const auto l = lower_.update_value(raw_lower);
    if (!(u && m && l)) return false;
    out = {*u, *m, *l};
    return true;
}

}  // namespace prynox
