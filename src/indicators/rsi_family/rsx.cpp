#include "indicators/rsi_family/rsx.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

namespace {

struct Chain {
    std::array<double, 6> stages;
    double out;
};

// Three double-EMA stages with a lag-reducing 1.5 / -0.5 blend after each pair.
Chain advance(std::array<double, 6> s, double v, double a, double b) {
    auto ema = [a, b](double state, double in) { return state * b + in * a; };
    s[0] = ema(s[0], v);
    s[1] = ema(s[1], s[0]);
    double t1 = 1.5 * s[0] - 0.5 * s[1];
    s[2] = ema(s[2], t1);
    s[3] = ema(s[3], s[2]);
    double t2 = 1.5 * s[2] - 0.5 * s[3];
    s[4] = ema(s[4], t2);
    s[5] = ema(s[5], s[4]);
    return {s, 1.5 * s[4] + (-0.5) * s[5]};
}

bool all_finite(const std::array<double, 6>& s) {
    bool ok = true;
    for (double v : s) ok = ok && std::isfinite(v);
    return ok;
}

}  // namespace

std::expected<Rsx, IndicatorError> Rsx::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Rsx(period);
}

OptionalValue Rsx::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!has_previous_) {
        previous_ = x;
        has_previous_ = true;
        return std::nullopt;
    }
    double m = x - previous_;
    Chain numerator = advance(change_, m, a_, b_);
    Chain denominator = advance(absolute_, std::fabs(m), a_, b_);
    // A change that overflows, or stages that do, refuse the bar and leave the stages as they
    // were; the next change is still taken from this close.
    previous_ = x;
    if (!std::isfinite(m) || !all_finite(numerator.stages) || !all_finite(denominator.stages) ||
        !std::isfinite(numerator.out) || !std::isfinite(denominator.out))
        return std::nullopt;
    change_ = numerator.stages;
    absolute_ = denominator.stages;
    double value = 50.0;
    if (denominator.out > 0.0) value = (numerator.out / denominator.out + 1.0) * 50.0;
    if (value < 0.0) value = 0.0;
    if (value > 100.0) value = 100.0;
    if (updates_ < period_) ++updates_;
    if (updates_ < period_) return std::nullopt;
    return value;
}

}  // namespace prynox
