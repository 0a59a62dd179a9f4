#pragma once
// Fisher transform of the RSI: the RSI mapped to (-1, 1), clamped to +-0.999 so the transform
// stays finite, then 0.5 * ln((1 + v) / (1 - v)).
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/rsi_family/rsi.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class FisherRsi {
public:
    // The RSI's window check.
    static std::expected<FisherRsi, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    // N + 1
    std::uint64_t warmup_period() const { return rsi_.warmup_period(); }

private:
    explicit FisherRsi(Rsi rsi) : rsi_(rsi) {}

    Rsi rsi_;
};

}  // namespace prynox
