#include "indicators/aroon_cci/stochastic_cci.hpp"

#include <bit>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<StochasticCci, IndicatorError> StochasticCci::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return StochasticCci(period);
}

OptionalValue StochasticCci::update_candle(const Candle& c) {
    // The CCI step must not advance on a candle whose value the window cannot take.
    if (!values_.make_room()) [[unlikely]]
        return std::nullopt;
    const OptionalValue cci = cci_.step(c);
    if (!cci) return std::nullopt;
    const auto bits = std::bit_cast<std::uint64_t>(*cci);
    (void)values_.push(*cci, bits, *cci, bits);  // room was made
    if (!values_.full()) return std::nullopt;
    const double lo = std::bit_cast<double>(values_.low_tag()), hi = std::bit_cast<double>(values_.high_tag());
    const double range = hi - lo;
    if (range == 0.0) return 50.0;
    return (*cci - lo) / range * 100.0;
}

}  // namespace prynox
