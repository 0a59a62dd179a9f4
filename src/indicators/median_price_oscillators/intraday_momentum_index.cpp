#include "indicators/median_price_oscillators/intraday_momentum_index.hpp"

#include <algorithm>
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
    // Sums whose total or scaled gains would overflow are refused too: the quotient could not be
    // formed while they are in the window.
    if (!std::isfinite(gains.sum + losses.sum) || !std::isfinite(gains.sum * 100.0) || !bodies_.push(b)) [[unlikely]]
        return std::nullopt;
    gains_ = gains;
    losses_ = losses;
    if (!bodies_.full()) return std::nullopt;
    // The counts decide the fixed values, whatever residue the running sums hold
    // (0.1 + 0.2 - 0.1 - 0.2 leaves 2.8e-17): no bodies 50, rises only 100, falls only 0. A
    // sum over itself is not always 100 either (g * 100 / g rounds one unit off for one g in
    // ten), and a side smaller than the other's residue would take the share past its range.
    if (gains.all_zero()) return losses.all_zero() ? 50.0 : 0.0;
    if (losses.all_zero()) return 100.0;
    const double total = gains.sum + losses.sum;
    if (total == 0.0) return 50.0;
    return std::clamp((gains.sum * 100.0) / total, 0.0, 100.0);
}

}  // namespace prynox
