#include "indicators/derivatives/oi_price_divergence.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<OIPriceDivergence, IndicatorError> OIPriceDivergence::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return OIPriceDivergence(period);
}

OIPriceDivergence::OIPriceDivergence(std::uint64_t period) : window_(sat_add(period, 1)) {}

double OIPriceDivergence::divergence(const Pair& old, const Pair& now) {
    double oi_change = old.open_interest == 0.0 ? 0.0 : (now.open_interest - old.open_interest) / old.open_interest;
    double mark_change = (now.mark - old.mark) / old.mark;
    return oi_change - mark_change;
}

OptionalValue OIPriceDivergence::update_tick(const DerivativesTick& t) {
    const Pair now{t.open_interest, t.mark_price};
    if (window_.size() + 1 < window_.capacity()) {
        if (!window_.push(now)) [[unlikely]]
            return std::nullopt;
        return std::nullopt;
    }
    // The pair that is oldest once this one is in: the oldest of a window still filling,
    // else the one after it.
    const Pair& old = window_.full() ? window_[1] : window_.oldest();
    const double value = divergence(old, now);
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    if (!window_.push(now)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
