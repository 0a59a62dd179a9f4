#include "indicators/derivatives/oi_price_divergence.hpp"

#include "indicators/cores/finite_result.hpp"
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
    if (!window_.make_room()) [[unlikely]]
        return std::nullopt;
    const bool filled = window_.size() + 1 >= window_.capacity();
    // The pair that is oldest once this one is in: the oldest of a window just filling, else
    // the one after it.
    const double value = filled ? divergence(window_.full() ? window_[1] : window_.oldest(), now) : 0.0;
    (void)window_.push(now);  // room was made above
    if (!filled) return std::nullopt;
    return finite_result(value);
}

}  // namespace prynox
