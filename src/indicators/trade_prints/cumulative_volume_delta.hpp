#pragma once
// The running sum of signed print sizes over the whole run, in print order; never reset.
#include <cstdint>
#include <expected>
#include <span>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class CumulativeVolumeDelta {
public:
    static std::expected<CumulativeVolumeDelta, IndicatorError> create() { return CumulativeVolumeDelta(); }

    // A print that would take the sum out of the finite range is skipped, as if the bar did not
    // carry it: one huge print must not leave the sum infinite (or NaN) for the rest of the run.
    OptionalValue update_trades(std::span<const TradePrint> prints);
    std::uint64_t warmup_period() const { return 1; }

private:
    double sum_ = 0.0;
};

}  // namespace prynox
