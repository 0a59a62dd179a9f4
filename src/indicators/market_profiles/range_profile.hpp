#pragma once
// The price range of the last w candles, with the histogram of the window over b bins kept as
// the last profile (by volume, or one per candle for the time-price profile). One constructor
// for both types: both zero checks, then the maximum on the bin count.
#include <array>
#include <cstdint>
#include <expected>
#include <span>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/market_profiles/window_histogram.hpp"

namespace prynox {

template <bool Tpo>
class RangeProfile {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"price_low", "price_high"};

    static std::expected<RangeProfile, IndicatorError> create(std::uint64_t window, std::uint64_t bins) {
        if (auto e = WindowHistogram::check_zero(window, bins)) return std::unexpected(*e);
        if (auto e = WindowHistogram::check_bins(bins)) return std::unexpected(*e);
        return RangeProfile(window, bins);
    }

    bool update_candle(const Candle& c, std::array<double, 2>& out) {
        if (!histogram_.take(c, false)) return false;
        const ProfileExtent e = histogram_.build(Tpo);
        if (!(e.range > 0.0)) histogram_.fill_flat(Tpo ? static_cast<double>(histogram_.window()) : histogram_.total_volume());
        out = {e.lo, e.hi};
        return true;
    }
    // w
    std::uint64_t warmup_period() const { return histogram_.window(); }
    // The histogram of the last bar that gave a value (empty before).
    std::span<const double> histogram() const { return histogram_.bins(); }

private:
    RangeProfile(std::uint64_t window, std::uint64_t bins) : histogram_(window, bins) {}

    WindowHistogram histogram_;
};

}  // namespace prynox
