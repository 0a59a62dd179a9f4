#include "indicators/demark_sequences/td_moving_average.hpp"

#include <cmath>

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<TdMovingAverage, IndicatorError> TdMovingAverage::create(std::uint64_t st1, std::uint64_t st2) {
    if (st1 == 0 || st2 == 0) return std::unexpected(IndicatorError::zero_period());
    if (st1 >= st2) return std::unexpected(IndicatorError::invalid_period(kOrder));
    if (auto e = check_max_period(st1)) return std::unexpected(*e);
    if (auto e = check_max_period(st2)) return std::unexpected(*e);
    return TdMovingAverage(st1, st2);
}

namespace {

// The average took x (a filling ring whose storage could not grow refuses it, unchanged).
bool took(const Sma& sma, std::uint64_t held, bool was_full) { return was_full || sma.ring().count() != held; }

}  // namespace

bool TdMovingAverage::update_candle(const Candle& c, std::array<double, 2>& out) {
    const double mid = midpoint(c.high, c.low);
    // The averages are independent; the longer one goes first because its storage grows at
    // least as far as the shorter one's, so a refusal there leaves both untouched.
    const bool slow_full = slow_.ring().full(), fast_full = fast_.ring().full();
    const std::uint64_t slow_held = slow_.ring().count(), fast_held = fast_.ring().count();
    const OptionalValue slow = slow_.update_value(mid);
    if (!took(slow_, slow_held, slow_full)) [[unlikely]]
        return false;
    const OptionalValue fast = fast_.update_value(mid);
    if (!took(fast_, fast_held, fast_full)) [[unlikely]]
        return false;
    if (!fast || !slow || !std::isfinite(*fast) || !std::isfinite(*slow)) return false;
    out = {*fast, *slow};
    return true;
}

}  // namespace prynox
