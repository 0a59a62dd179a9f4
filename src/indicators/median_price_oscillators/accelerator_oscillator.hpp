#pragma once
// Accelerator oscillator: the awesome oscillator minus its own simple average over a signal
// window; 0 exactly while the oscillator holds one value over the whole signal window.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/median_price_oscillators/awesome_oscillator.hpp"
#include "indicators/cores/flat_exact_sma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AcceleratorOscillator {
public:
    // The awesome oscillator's checks on fast and slow, then the window check on the signal.
    static std::expected<AcceleratorOscillator, IndicatorError> create(std::uint64_t fast, std::uint64_t slow,
                                                                       std::uint64_t signal);

    // Nothing while the signal's running sum or the difference is beyond the doubles.
    OptionalValue update_candle(const Candle& c);
    // slow + signal - 1
    std::uint64_t warmup_period() const { return ao_.warmup_period() + signal_.period() - 1; }

private:
    AcceleratorOscillator(AwesomeOscillator ao, std::uint64_t signal) : ao_(std::move(ao)), signal_(signal) {}
    AwesomeOscillator ao_;
    FlatExactSma signal_;
};

}  // namespace prynox
