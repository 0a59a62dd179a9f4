#pragma once
// Stochastic of the RSI: where the latest RSI value lies between the lowest and highest of the
// last K RSI values, in percent; 50 when they are all equal.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/rsi_family/rsi.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class StochRsi {
public:
    // Either zero, then the RSI's window check; the stochastic length is not bounded (its
    // window grows with the data).
    static std::expected<StochRsi, IndicatorError> create(std::uint64_t rsi_period, std::uint64_t stoch_period);

    OptionalValue update_value(double x);
    // N + K
    std::uint64_t warmup_period() const;

private:
    StochRsi(Rsi rsi, std::uint64_t stoch_period) : rsi_(rsi), extremes_(stoch_period) {}

    Rsi rsi_;
    WindowExtremes extremes_;
};

}  // namespace prynox
