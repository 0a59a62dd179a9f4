#pragma once
// Volume boxes: a price extent per bar (the high-low range for Equivolume, the signed body for
// CandleVolume) with a width of the bar's volume over the simple average volume of the last n
// bars, 0 when that average is not above 0.
//
// A candle whose volume would take the average's running sum beyond the doubles gives nothing
// and changes nothing: kept, it would read as a width of 0 for every bar until the sum is next
// recomputed. (Volumes are not negative, so only the entering volume can carry the sum out.)
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"

namespace prynox {

// The width of a volume box, the one constructor of CandleVolume and Equivolume.
class VolumeBoxWidth {
public:
    // Window check on the period.
    static std::expected<VolumeBoxWidth, IndicatorError> create(std::uint64_t period);

    // The width of this bar's volume once n volumes are held; false when the bar gives nothing.
    bool width(double volume, double& out);
    std::uint64_t period() const { return average_.period(); }

private:
    explicit VolumeBoxWidth(std::uint64_t period) : average_(period) {}

    Sma average_;
};

class Equivolume {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"height", "width"};

    static std::expected<Equivolume, IndicatorError> create(std::uint64_t period);

    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // n
    std::uint64_t warmup_period() const { return width_.period(); }

private:
    explicit Equivolume(VolumeBoxWidth width) : width_(std::move(width)) {}

    VolumeBoxWidth width_;
};

}  // namespace prynox
