#include "indicators/directional_movement/volatility_ratio.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<VolatilityRatio, IndicatorError> VolatilityRatio::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return VolatilityRatio(period);
}

// The seeding candle gives no value either: the first ratio needs an average before it.
OptionalValue VolatilityRatio::seed(const Candle& c, double tr) {
    const double sum = seed_sum_ + tr;
    previous_close_ = c.close;
    if (!std::isfinite(sum)) return {};
    seed_sum_ = sum;
    if (++seed_count_ == period_) {
        average_ = seed_sum_ / static_cast<double>(seed_count_);
        seeded_ = true;
    }
    return {};
}

}  // namespace prynox
