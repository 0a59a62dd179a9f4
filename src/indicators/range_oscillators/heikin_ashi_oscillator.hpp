#pragma once
// Heikin-Ashi oscillator: the EMA stage over the Heikin-Ashi body (Heikin-Ashi close - open).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/cores/heikin_ashi_step.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class HeikinAshiOscillator {
public:
    // Window check on the period.
    static std::expected<HeikinAshiOscillator, IndicatorError> create(std::uint64_t period);

    // A candle whose Heikin-Ashi close overflows would make every later Heikin-Ashi open
    // infinite: it gives nothing and changes nothing.
    OptionalValue update_candle(const Candle& c);
    // n
    std::uint64_t warmup_period() const { return stage_.period(); }

private:
    explicit HeikinAshiOscillator(std::uint64_t period) : stage_(period) {}

    EmaStage stage_;
    HeikinAshiStep step_;
};

}  // namespace prynox
