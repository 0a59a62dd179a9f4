#pragma once
// TTM trend: +1 while the close is above the simple average of the last n bar midpoints
// ((high + low) / 2), -1 otherwise (a close on the average included).
#include <cstdint>
#include <expected>
#include <utility>

#include "core/model/market.hpp"
#include "indicators/cores/flat_exact_sma.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TtmTrend {
public:
    // The window check (the constructor DisparityIndex and Qstick share).
    static std::expected<TtmTrend, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return sma_.period(); }

private:
    explicit TtmTrend(FlatExactSma sma) : sma_(std::move(sma)) {}

    // n equal midpoints average to the midpoint itself, so a close on a flat range compares
    // with the range's true middle, not with the running sum's drift.
    FlatExactSma sma_;
};

}  // namespace prynox
