#include "indicators/range_oscillators/mass_index.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<MassIndex, IndicatorError> MassIndex::create(std::uint64_t smoothing, std::uint64_t sum_window) {
    if (smoothing == 0 || sum_window == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_max_period(smoothing)) return std::unexpected(*e);
    return MassIndex(smoothing, sum_window);
}

std::uint64_t MassIndex::warmup_period() const {
    // The smoothing window is at most MAX_PERIOD: only the sum window can saturate.
    return sat_add(ratios_.capacity(), 2 * single_.period() - 2);
}

OptionalValue MassIndex::update_candle(const Candle& c) {
    const double r = c.high - c.low;
    if (!std::isfinite(r)) [[unlikely]]
        return {};
    if (!ratios_.make_room()) [[unlikely]]
        return {};
    const OptionalValue e1 = single_.step(r);
    if (!e1 || !std::isfinite(*e1)) return {};
    const OptionalValue e2 = double_.step(*e1);
    if (!e2) return {};
    const double ratio = *e2 == 0.0 ? 1.0 : *e1 / *e2;
    double sum = sum_;
    if (ratios_.full()) sum -= ratios_.oldest();
    (void)ratios_.push(ratio);
    sum_ = sum + ratio;
    if (!ratios_.full()) return {};
    return sum_;
}

}  // namespace prynox
