#include "indicators/moving_averages/frama.hpp"

#include <algorithm>

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

namespace {
constexpr double kLn2 = 0.6931471805599453;
}

std::expected<Frama, IndicatorError> Frama::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (period < 2) return std::unexpected(IndicatorError::invalid_period(kFramaMinimumMessage));
    if (period % 2 != 0) return std::unexpected(IndicatorError::invalid_period(kFramaEvenMessage));
    return Frama(period);
}

OptionalValue Frama::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!recent_.make_room() || !newer_.make_room() || !older_.make_room()) return std::nullopt;
    // Room was made above: none of these pushes can fail.
    if (recent_.full()) (void)older_.push(recent_.oldest());
    (void)recent_.push(x);
    (void)newer_.push(x);
    if (older_.pushed() < half_) return std::nullopt;  // fewer than N closes so far

    double hi1 = older_.max(), lo1 = older_.min();
    double hi2 = newer_.max(), lo2 = newer_.min();
    double hi = std::max(hi1, hi2), lo = std::min(lo1, lo2);
    double n1 = (hi1 - lo1) / h_;
    double n2 = (hi2 - lo2) / h_;
    double n3 = (hi - lo) / n_;
    double alpha = 0.01;
    if (n3 > 0.0 && n1 > 0.0 && n2 > 0.0) {
        double d = (std::log(n1 + n2) - std::log(n3)) / kLn2;
        alpha = std::exp((d - 1.0) * -4.6);
        if (alpha < 0.01) alpha = 0.01;
        if (alpha > 1.0) alpha = 1.0;
    }
    double previous = last_ ? *last_ : x;
    double value = x * alpha + (1.0 - alpha) * previous;
    // Ranges beyond the largest double would make the average NaN for good: skip the bar.
    if (!std::isfinite(value)) return std::nullopt;
    last_ = value;
    return value;
}

}  // namespace prynox
