#include "indicators/trailing_labels/regime_label.hpp"

#include "indicators/cores/fused.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<RegimeLabel, IndicatorError> RegimeLabel::create(std::uint64_t vol_period, std::uint64_t lookback) {
    if (auto e = check_minimum(vol_period, 2, kRegimeVolPeriodMessage)) return std::unexpected(*e);
    if (auto e = check_minimum(lookback, 2, kRegimeLookbackMessage)) return std::unexpected(*e);
    return RegimeLabel(vol_period, lookback);
}

// Position t = (L - 1) * q, i = floor(t); fixed by L, so worked out once.
RegimeLabel::QuantilePosition RegimeLabel::quantile_position(std::uint64_t lookback, double q) {
    double t = static_cast<double>(lookback - 1) * q;
    double whole = std::floor(t);
    return {static_cast<std::size_t>(whole), t - whole};
}

// Linear interpolation between the order statistics around the position.
double RegimeLabel::quantile(std::span<const double> v, QuantilePosition at) {
    const std::size_t last = v.size() - 1;
    if (at.index >= last) return v[last];
    return v[at.index] + at.fraction * (v[at.index + 1] - v[at.index]);
}

OptionalValue RegimeLabel::update_value(double x) {
    if (!(std::isfinite(x) && x > 0.0)) [[unlikely]]
        return std::nullopt;
    if (!has_previous_) [[unlikely]] {
        previous_ = x;
        has_previous_ = true;
        return std::nullopt;
    }
    // A ratio that overflows or underflows has no finite log: no value, and the windows stay.
    double r = std::log(x / previous_);
    if (!std::isfinite(r)) [[unlikely]] {
        previous_ = x;
        return std::nullopt;
    }
    const std::uint64_t v = returns_.period();
    const std::uint64_t held = returns_.count();
    (void)returns_.update_value(r);
    if (held < v && returns_.count() == held) return std::nullopt;  // storage could not grow
    previous_ = x;
    if (returns_.count() < v) return std::nullopt;
    // Identical returns have no spread; the anchored sums may still hold rounding residue.
    double sigma = 0.0;
    if (!returns_.constant_window()) {
        const double n = static_cast<double>(v);
        double u = returns_.s1() / n;
        double variance = fused_multiply_add(n, -(u * u), returns_.s2()) / (n - 1.0);
        if (variance > 0.0) sigma = std::sqrt(variance);
    }
    if (!volatilities_.push(sigma) || !volatilities_.full()) return std::nullopt;
    auto sorted = volatilities_.sorted();
    double q25 = quantile(sorted, q25_);
    double q75 = quantile(sorted, q75_);
    // -1 below the lower quartile, +1 above the upper one (q25 <= q75, so at most one holds);
    // written without branches, which the data would mispredict half the time.
    return static_cast<double>(sigma > q75) - static_cast<double>(sigma < q25);
}

}  // namespace prynox
