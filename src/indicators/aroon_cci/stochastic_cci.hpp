#pragma once
// Stochastic of the CCI: where the newest CCI stands between the least and greatest of the
// last p CCI values, 0 to 100; 50 on a flat window. p is both the CCI's window and the
// stochastic's, so the first value comes on candle 2p - 1. The least and greatest CCI come from
// TaggedExtremes in O(1) per candle (the CCI's own mean deviation is still a pass over its
// window).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/cci_step.hpp"
#include "indicators/cores/tagged_extremes.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class StochasticCci {
public:
    // Window check on the period.
    static std::expected<StochasticCci, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c);
    // 2p - 1
    std::uint64_t warmup_period() const { return 2 * cci_.period() - 1; }

private:
    explicit StochasticCci(std::uint64_t period) : cci_(period), values_(period) {}
    CciCore cci_;
    // Each CCI tagged with its own bits: of equal extremes the oldest is kept, zeros included,
    // as a scan replacing only on a strictly smaller (greater) value keeps it.
    TaggedExtremes<TieRule::kOldest> values_;
};

}  // namespace prynox
