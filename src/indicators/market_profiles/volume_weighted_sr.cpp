#include "indicators/market_profiles/volume_weighted_sr.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<VolumeWeightedSr, IndicatorError> VolumeWeightedSr::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return VolumeWeightedSr(period);
}

bool VolumeWeightedSr::update_candle(const Candle& c, std::array<double, 2>& out) {
    if (!sums_.push({c.high * c.volume, c.low * c.volume, c.volume, c.high, c.low}) || !sums_.full()) return false;
    const CountedSum& v = sums_.sum(Volume);
    if (!v.all_zero() && v.sum > 0.0) {
        out = {sums_.sum(LowVolume).sum / v.sum, sums_.sum(HighVolume).sum / v.sum};
    } else {
        const double n = static_cast<double>(sums_.length());
        out = {sums_.sum(Low).sum / n, sums_.sum(High).sum / n};
    }
    return true;
}

}  // namespace prynox
