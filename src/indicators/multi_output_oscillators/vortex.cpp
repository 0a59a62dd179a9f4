#include "indicators/multi_output_oscillators/vortex.hpp"

#include <cmath>

#include "indicators/cores/atr_stage.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Vortex, IndicatorError> Vortex::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Vortex(period);
}

bool Vortex::update_candle(const Candle& c, std::array<double, 2>& out) {
    if (!has_previous_) [[unlikely]] {
        previous_high_ = c.high, previous_low_ = c.low, previous_close_ = c.close;
        has_previous_ = true;
        return false;
    }
    const Moves m{std::fabs(c.high - previous_low_), std::fabs(c.low - previous_high_),
                  true_range(c.high, c.low, previous_close_)};
    double plus_sum, minus_sum;
    CountedSum tr_sum;
    if (window_.full()) [[likely]] {
        const Moves& old = window_.oldest();
        plus_sum = (plus_sum_ - old.plus) + m.plus;
        minus_sum = (minus_sum_ - old.minus) + m.minus;
        tr_sum = tr_sum_.replaced(old.tr, m.tr);
    } else {
        plus_sum = plus_sum_ + m.plus;
        minus_sum = minus_sum_ + m.minus;
        tr_sum = tr_sum_.added(m.tr);
    }
    // Also catches movements or a true range that are not finite themselves.
    if (!(std::isfinite(plus_sum) && std::isfinite(minus_sum) && std::isfinite(tr_sum.sum))) [[unlikely]] {
        previous_high_ = c.high, previous_low_ = c.low, previous_close_ = c.close;
        return false;
    }
    if (!window_.push(m)) [[unlikely]]
        return false;
    plus_sum_ = plus_sum, minus_sum_ = minus_sum, tr_sum_ = tr_sum;
    previous_high_ = c.high, previous_low_ = c.low, previous_close_ = c.close;
    if (!window_.full()) return false;
    if (tr_sum.all_zero()) {
        out = {0.0, 0.0};
        return true;
    }
    const double plus = plus_sum / tr_sum.sum, minus = minus_sum / tr_sum.sum;
    // Over a summed true range that has drifted to 0 or near it.
    if (!(std::isfinite(plus) && std::isfinite(minus))) [[unlikely]]
        return false;
    out = {plus, minus};
    return true;
}

}  // namespace prynox
