#pragma once
// Aroon oscillator: Aroon up minus Aroon down over the last p + 1 candles, in [-100, 100].
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/aroon_step.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AroonOscillator {
public:
    // Window check on the period.
    static std::expected<AroonOscillator, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c) {
        AroonPair pair;
        if (!core_.step(c, pair)) return std::nullopt;
        return pair.up - pair.down;
    }
    // p + 1
    std::uint64_t warmup_period() const { return core_.window(); }

private:
    explicit AroonOscillator(std::uint64_t period) : core_(period) {}
    AroonCore core_;
};

}  // namespace prynox
