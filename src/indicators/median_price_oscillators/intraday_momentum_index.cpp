#include "indicators/median_price_oscillators/intraday_momentum_index.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<IntradayMomentumIndex, IndicatorError> IntradayMomentumIndex::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return IntradayMomentumIndex(period);
}

OptionalValue IntradayMomentumIndex::update_candle(const Candle& c) {
    const double d = c.close - c.open;
    const Body b{d > 0.0 ? d : 0.0, d < 0.0 ? -d : 0.0};
    CountedSum gains = gains_, losses = losses_;
    if (bodies_.full()) {
        const Body& old = bodies_.oldest();
        gains = gains.replaced(old.gain, b.gain);
        losses = losses.replaced(old.loss, b.loss);
    } else {
        gains = gains.added(b.gain);
        losses = losses.added(b.loss);
    }
    if (!std::isfinite(gains.sum) || !std::isfinite(losses.sum) || !bodies_.push(b)) [[unlikely]]
        return std::nullopt;
    gains_ = gains;
    losses_ = losses;
    if (!bodies_.full()) return std::nullopt;
    // A sum whose terms are all 0 is 0, whatever residue the running sum holds
    // (0.1 + 0.2 - 0.1 - 0.2 leaves 2.8e-17).
    const double up = gains.all_zero() ? 0.0 : gains.sum, down = losses.all_zero() ? 0.0 : losses.sum;
    const double total = up + down;
    if (total == 0.0) return 50.0;
    return (up * 100.0) / total;
}

}  // namespace prynox
