#include "indicators/volume_weighted_averages/rolling_vwap.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/typical_price.hpp"

namespace prynox {

std::expected<RollingVwap, IndicatorError> RollingVwap::create(std::uint64_t n) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    return RollingVwap(n);
}

OptionalValue RollingVwap::update_candle(const Candle& c) {
    const double tp = typical_price(c);
    const double weighted = tp * c.volume;
    if (!window_.push({weighted, c.volume})) [[unlikely]]
        return {};
    const CountedSum& volume = window_.sum(1);
    if (!window_.full() || volume.all_zero() || volume.sum == 0.0) return {};
    const CountedSum& price = window_.sum(0);
    return finite_result(price.all_zero() ? 0.0 : price.sum / volume.sum);
}

}  // namespace prynox
