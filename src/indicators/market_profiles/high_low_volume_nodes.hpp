#pragma once
// High and low volume nodes of the volume profile of the last w candles over b bins: the centre of
// the first fullest bin, and of the first emptiest bin among those holding volume (the fullest
// when none does). A window without range gives its price twice.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/market_profiles/window_histogram.hpp"

namespace prynox {

class HighLowVolumeNodes {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"hvn", "lvn"};

    // Both zero checks, then the maximum on the bin count.
    static std::expected<HighLowVolumeNodes, IndicatorError> create(std::uint64_t window, std::uint64_t bins);

    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // w
    std::uint64_t warmup_period() const { return histogram_.window(); }

private:
    HighLowVolumeNodes(std::uint64_t window, std::uint64_t bins) : histogram_(window, bins) {}

    WindowHistogram histogram_;
};

}  // namespace prynox
