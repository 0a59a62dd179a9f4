#pragma once
// Chaikin oscillator: the fast EMA minus the slow EMA of the accumulation line (the running
// total of the money-flow volume).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/ema_pair.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kChaikinOscillatorOrderMessage = "Chaikin Oscillator needs fast < slow";

class ChaikinOscillator {
public:
    // Zeros, then fast < slow, then MAX_PERIOD on both.
    static std::expected<ChaikinOscillator, IndicatorError> create(std::uint64_t fast, std::uint64_t slow);

    // A candle whose line would leave the doubles is refused (no value, nothing changed): kept,
    // the line would give nothing for the rest of the run.
    OptionalValue update_candle(const Candle& c);
    // slow
    std::uint64_t warmup_period() const { return averages_.slow_period(); }

private:
    ChaikinOscillator(std::uint64_t fast, std::uint64_t slow) : averages_(fast, slow) {}

    double line_ = 0.0;
    EmaPair averages_;
};

}  // namespace prynox
