// Registry rows of the median-price and candle-body oscillators.
#include "core/registry/families.hpp"
#include "indicators/median_price_oscillators/accelerator_oscillator.hpp"
#include "indicators/median_price_oscillators/awesome_oscillator.hpp"
#include "indicators/median_price_oscillators/awesome_oscillator_histogram.hpp"
#include "indicators/median_price_oscillators/intraday_momentum_index.hpp"
#include "indicators/median_price_oscillators/qstick.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AcceleratorOscillator", AcceleratorOscillator::create>(),
    row<"AwesomeOscillator", AwesomeOscillator::create>(),
    row<"AwesomeOscillatorHistogram", AwesomeOscillatorHistogram::create>(),
    row<"IntradayMomentumIndex", IntradayMomentumIndex::create>(),
    row<"Qstick", Qstick::create>(),
};

}  // namespace

std::span<const BuilderRow> median_price_oscillators() { return kRows; }

}  // namespace prynox::registry_family
