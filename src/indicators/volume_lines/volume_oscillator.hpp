#pragma once
// Volume oscillator: the fast simple average of the volume against the slow one,
// ((fast - slow) * 100) / slow, and 0 when the slow average is 0.
//
// Each average keeps the count of positive volumes in its window: a window without volume has
// an average of exactly 0 whatever rounding residue its running sum still carries. So a slow
// window without volume gives 0, and a fast one without volume beside a slow one with volume
// gives -100, instead of values such as 1150 or -99.99999999999997 made of the residues.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kVolumeOscillatorOrder = "VolumeOscillator needs fast < slow";

class VolumeOscillator {
public:
    // Zero windows, then fast < slow, then each window against the maximum.
    static std::expected<VolumeOscillator, IndicatorError> create(std::uint64_t fast, std::uint64_t slow);

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return slow_.average.period(); }

private:
    // A simple average of the volume with the count of positive volumes in its window.
    struct CountedAverage {
        Sma average;
        std::uint64_t positive = 0;

        // The mean once the window is full, 0 exactly for a window without volume. False, with
        // nothing changed, when the window's storage could not grow.
        bool push(double volume, OptionalValue& mean);
    };

    VolumeOscillator(std::uint64_t fast, std::uint64_t slow) : fast_{Sma(fast)}, slow_{Sma(slow)} {}

    CountedAverage fast_;
    CountedAverage slow_;
};

}  // namespace prynox
