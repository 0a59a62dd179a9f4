#include "indicators/aroon_cci/stochastic_cci.hpp"

#include <limits>

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
    (void)values_.push(*cci);
    if (!values_.full()) return std::nullopt;
    double lo = std::numeric_limits<double>::max(), hi = std::numeric_limits<double>::lowest();
    values_.for_each([&lo, &hi](double v) {
        if (v < lo) lo = v;
        if (v > hi) hi = v;
    });
    const double range = hi - lo;
    if (range == 0.0) return 50.0;
    return (*cci - lo) / range * 100.0;
}

}  // namespace prynox
