#pragma once
// Volume-weighted support and resistance: the volume-weighted means of the lows and of the highs
// of the last n candles, or their plain means when the window holds no volume. Running sums of
// high × volume, low × volume, volume, high and low, re-summed exactly every n candles; a count
// of the window's positive volumes tells an empty window whatever rounding residue the volume
// sum keeps. A candle whose products or sums would leave the doubles gives nothing and changes
// nothing.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/counted_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class VolumeWeightedSr {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"support", "resistance"};

    // The window check of n.
    static std::expected<VolumeWeightedSr, IndicatorError> create(std::uint64_t period);

    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // n
    std::uint64_t warmup_period() const { return sums_.length(); }

private:
    explicit VolumeWeightedSr(std::uint64_t period) : sums_(period) {}

    enum Term { HighVolume, LowVolume, Volume, High, Low };
    CountedWindow<5, true> sums_;
};

}  // namespace prynox
