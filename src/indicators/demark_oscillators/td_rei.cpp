#include "indicators/demark_oscillators/td_rei.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<TdRei, IndicatorError> TdRei::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return TdRei(period);
}

OptionalValue TdRei::update_candle(const Candle& c) {
    if (!bars_.full()) {
        (void)bars_.push(c);  // eight slots, taken at construction
        return std::nullopt;
    }
    // Bar k back is back(k - 1): the current candle is not in the window yet.
    const Candle &b2 = bars_.back(1), &b5 = bars_.back(4), &b6 = bars_.back(5), &b7 = bars_.back(6),
                 &b8 = bars_.back(7);
    const bool cond_a = (c.high >= b5.low || c.high >= b6.low) && (c.low <= b5.high || c.low <= b6.high);
    const bool cond_b = (b2.high >= b7.close || b2.high >= b8.close) && (b2.low <= b7.close || b2.low <= b8.close);
    const double numerator = cond_a || cond_b ? (c.high - b2.high) + (c.low - b2.low) : 0.0;
    const double denominator = std::fabs(c.high - b2.high) + std::fabs(c.low - b2.low);
    const double num_sum = numerators_.sum_after_push(numerator), den_sum = denominators_.sum_after_push(denominator);
    if (!std::isfinite(den_sum) || !std::isfinite(num_sum * 100.0)) [[unlikely]] {
        (void)bars_.push(c);  // the window of eight is full: the push replaces
        return std::nullopt;
    }
    if (!numerators_.make_room() || !denominators_.make_room()) [[unlikely]]
        return std::nullopt;
    numerators_.push(numerator, num_sum);  // room was made above
    denominators_.push(denominator, den_sum);
    (void)bars_.push(c);                // the window of eight is full: the push replaces
    if (!numerators_.full()) return std::nullopt;
    if (den_sum == 0.0) return 0.0;
    return std::clamp((num_sum * 100.0) / den_sum, -100.0, 100.0);
}

}  // namespace prynox
