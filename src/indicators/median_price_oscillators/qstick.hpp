#pragma once
// Qstick: the simple average of the candle body, close - open, over the last n candles.
#include <cstdint>
#include <expected>
#include <utility>

#include "core/model/market.hpp"
#include "indicators/cores/flat_exact_sma.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Qstick {
public:
    // The window check (the constructor DisparityIndex and TtmTrend share).
    static std::expected<Qstick, IndicatorError> create(std::uint64_t period);

    // Nothing, with nothing changed, for a body that leaves the doubles (open and close near
    // opposite ends); nothing while the running sum is beyond them (until the average's
    // periodic exact re-summation).
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return sma_.period(); }

private:
    explicit Qstick(FlatExactSma sma) : sma_(std::move(sma)) {}

    // n equal bodies (all doji included) average to the body itself, not to the running sum's
    // drift.
    FlatExactSma sma_;
};

}  // namespace prynox
