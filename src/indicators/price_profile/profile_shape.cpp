#include "indicators/price_profile/profile_shape.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<ProfileShape, IndicatorError> ProfileShape::create(std::uint64_t period, std::uint64_t bins) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (auto e = check_minimum(bins, 3, kProfileShapeBins)) return std::unexpected(*e);
    return ProfileShape(period, bins);
}

OptionalValue ProfileShape::update_candle(const Candle& c) {
    if (!window_.fits_after_push(c, true)) [[unlikely]]
        return std::nullopt;
    // The scratch is taken on the bar that fills the window, before anything changes.
    const bool fills = window_.candles.full() || window_.candles.size() + 1 == window_.candles.capacity();
    if (fills && !scratch_.ready()) [[unlikely]]
        return std::nullopt;
    if (!window_.push(c)) [[unlikely]]
        return std::nullopt;
    if (!window_.candles.full()) return std::nullopt;
    const ProfileExtent extent = profile_extent(window_.candles, bins_);
    std::size_t poc = 0;
    if (extent.range > 0.0) {
        const std::span<double> bins = scratch_.zeroed();
        fill_volume_profile(window_.candles, extent, bins);
        poc = point_of_control(bins);
    }
    const std::uint64_t third = bins_ / 3;
    if (poc < third) return -1.0;
    if (poc >= bins_ - third) return 1.0;
    return 0.0;
}

}  // namespace prynox
