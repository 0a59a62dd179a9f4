#pragma once
// Half the smoothed dominant-cycle period as a whole number of bars in [3, 25]: a lookback
// that follows the market's cycle.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cycles/hilbert_dominant_cycle.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AdaptiveCycle {
public:
    // No parameters: never fails.
    static std::expected<AdaptiveCycle, IndicatorError> create() { return AdaptiveCycle(); }

    OptionalValue update_value(double x) {
        auto dc = cycle_.update_value(x);
        if (!dc) return std::nullopt;
        double v = std::round(0.5 * *dc);  // halves away from zero
        if (v < 3.0) v = 3.0;
        if (v > 25.0) v = 25.0;
        last_ = v;
        return last_;
    }

    std::uint64_t warmup_period() const { return kCycleWarmup; }

private:
    AdaptiveCycle() : cycle_(*HilbertDominantCycle::create()) {}

    HilbertDominantCycle cycle_;
    OptionalValue last_;
};

}  // namespace prynox
