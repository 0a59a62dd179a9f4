#pragma once
// Candle volume: the signed body (close - open) of each bar with the width of its volume box
// (the bar's volume over the simple average volume of the last n bars; see Equivolume).
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/candle_transforms/equivolume.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class CandleVolume {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"body", "width"};

    // Window check on the period (Equivolume's constructor).
    static std::expected<CandleVolume, IndicatorError> create(std::uint64_t period);

    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // n
    std::uint64_t warmup_period() const { return width_.period(); }

private:
    explicit CandleVolume(VolumeBoxWidth width) : width_(std::move(width)) {}

    VolumeBoxWidth width_;
};

}  // namespace prynox
