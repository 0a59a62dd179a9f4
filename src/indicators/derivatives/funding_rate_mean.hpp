#pragma once
// Mean of the last N funding rates. The running sum takes the new rate first; every N ticks it is
// recomputed from the window together with the new rate, before the oldest rate leaves and is
// subtracted. A tick whose running sum would not be finite is refused with nothing changed, so
// one huge rate cannot poison the sum; a recomputation that would not be finite is skipped.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class FundingRateMean {
public:
    // The window check (the constructor GeometricMa and GainToPainRatio share).
    static std::expected<FundingRateMean, IndicatorError> create(std::uint64_t period);

    OptionalValue update_tick(const DerivativesTick& t);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit FundingRateMean(std::uint64_t period) : window_(period), n_(static_cast<double>(window_.capacity())) {}

    // The last N rates between ticks; the new rate joins them only for the recomputation.
    RollingWindow<double> window_;
    double n_;
    double sum_ = 0.0;
    std::uint64_t pushes_ = 0;
};

}  // namespace prynox
