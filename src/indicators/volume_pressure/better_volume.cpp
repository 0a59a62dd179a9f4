#include "indicators/volume_pressure/better_volume.hpp"

#include <cmath>
#include <limits>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<BetterVolume, IndicatorError> BetterVolume::create(std::uint64_t n) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    return BetterVolume(n);
}

OptionalValue BetterVolume::update_candle(const Candle& c) {
    const double range = c.high - c.low;
    const Record r{c.volume, c.volume * range, c.volume / range, range > 0.0};
    if (!std::isfinite(range) || !std::isfinite(r.volume_range) || (r.rising && !std::isfinite(r.per_range)))
        [[unlikely]]
        return {};
    if (!records_.push(r)) [[unlikely]]
        return {};
    if (!records_.full()) return {};
    constexpr double kInf = std::numeric_limits<double>::infinity();
    double min_volume = kInf, max_volume_range = -kInf, max_per_range = -kInf;
    for (std::size_t i = 0, earlier = records_.size() - 1; i < earlier; ++i) {
        const Record& e = records_[i];
        if (e.volume < min_volume) min_volume = e.volume;
        if (e.volume_range > max_volume_range) max_volume_range = e.volume_range;
        if (e.rising && e.per_range > max_per_range) max_per_range = e.per_range;
    }
    const bool churn = r.rising && r.per_range > max_per_range;
    if (r.volume_range > max_volume_range) return churn ? 4.0 : (c.close < c.open ? -3.0 : 3.0);
    return churn ? 2.0 : (r.volume < min_volume ? 1.0 : 0.0);
}

}  // namespace prynox
