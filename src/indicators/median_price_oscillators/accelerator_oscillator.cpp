#include "indicators/median_price_oscillators/accelerator_oscillator.hpp"

#include <cmath>
#include <utility>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<AcceleratorOscillator, IndicatorError> AcceleratorOscillator::create(std::uint64_t fast,
                                                                                   std::uint64_t slow,
                                                                                   std::uint64_t signal) {
    auto ao = AwesomeOscillator::create(fast, slow);
    if (!ao) return std::unexpected(ao.error());
    if (auto e = check_window(signal)) return std::unexpected(*e);
    return AcceleratorOscillator(std::move(*ao), signal);
}

OptionalValue AcceleratorOscillator::update_candle(const Candle& c) {
    const OptionalValue ao = ao_.update_candle(c);
    if (!ao) return std::nullopt;
    const OptionalValue signal = signal_.update_value(*ao);
    if (!signal) return std::nullopt;
    const double value = *ao - *signal;
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
