#include "indicators/price_profile/single_prints.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<SinglePrints, IndicatorError> SinglePrints::create(std::uint64_t period, std::uint64_t bins) {
    if (period == 0 || bins == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_max_period(bins)) return std::unexpected(*e);
    return SinglePrints(period, bins);
}

OptionalValue SinglePrints::update_candle(const Candle& c) {
    if (!window_.fits_after_push(c, false)) [[unlikely]]
        return std::nullopt;
    const bool fills = window_.candles.full() || window_.candles.size() + 1 == window_.candles.capacity();
    if (fills && !scratch_.ready()) [[unlikely]]
        return std::nullopt;
    if (!window_.push(c)) [[unlikely]]
        return std::nullopt;
    if (!window_.candles.full()) return std::nullopt;
    const ProfileExtent extent = profile_extent(window_.candles, bins_);
    if (!(extent.range > 0.0)) return 0.0;
    const std::span<std::int64_t> edges = scratch_.zeroed();
    window_.candles.for_each([&](const Candle& k) {
        ++edges[profile_bin(k.low, extent, bins_)];
        --edges[profile_bin(k.high, extent, bins_) + 1];
    });
    std::int64_t count = 0;
    std::uint64_t singles = 0;
    for (std::size_t i = 0; i < bins_; ++i) {
        count += edges[i];
        singles += count == 1;
    }
    return static_cast<double>(singles);
}

}  // namespace prynox
