#pragma once
// Awesome oscillator: the simple average of the median price ((high + low) / 2, halved first
// near the ends of the doubles) over a fast window minus the one over a slow window. The step
// of AcceleratorOscillator and AwesomeOscillatorHistogram too. Equal medians average to
// themselves, so a flat market gives 0 exactly (the two running sums drift apart otherwise:
// at 0.1 the fast and slow means of 5 and 34 differ by 4.2e-17).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/flat_exact_sma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AwesomeOscillator {
public:
    static constexpr const char* kFastNotBelowSlow = "AO fast period must be strictly less than slow";

    // Zero windows, then fast < slow, then MAX_PERIOD on fast and on slow.
    static std::expected<AwesomeOscillator, IndicatorError> create(std::uint64_t fast, std::uint64_t slow);

    // Nothing while a running sum or the difference is beyond the doubles (medians near their
    // ends): the averages' periodic exact re-summation brings the sums back once such medians
    // have left. Refusing those candles instead could hold a window for good, since the leaving
    // value alone can carry the sum out.
    OptionalValue update_candle(const Candle& c);
    // slow
    std::uint64_t warmup_period() const { return slow_.period(); }

private:
    AwesomeOscillator(std::uint64_t fast, std::uint64_t slow) : fast_(fast), slow_(slow) {}
    FlatExactSma fast_;
    FlatExactSma slow_;
};

}  // namespace prynox
