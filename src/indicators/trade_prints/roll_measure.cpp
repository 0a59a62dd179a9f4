#include "indicators/trade_prints/roll_measure.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<RollMeasure, IndicatorError> RollMeasure::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 3, kPeriodMessage)) return std::unexpected(*e);
    return RollMeasure(period);
}

std::uint64_t RollMeasure::warmup_period() const { return sat_add(changes_.capacity(), 1); }

OptionalValue RollMeasure::estimate() const {
    const double m = static_cast<double>(changes_.size());
    double sum = 0.0;
    changes_.for_each([&sum](double c) { sum += c; });
    const double mean = sum / m;
    double cov = 0.0, before = 0.0;
    bool first = true;
    changes_.for_each([&](double c) {
        const double d = c - mean;
        if (!first) cov += before * d;
        before = d;
        first = false;
    });
    cov = cov / (m - 1.0);
    const double v = cov < 0.0 ? 2.0 * std::sqrt(-cov) : 0.0;  // NaN falls to 0 as well
    if (!std::isfinite(v)) [[unlikely]]
        return {};
    return v;
}

OptionalValue RollMeasure::update_trades(std::span<const TradePrint> prints) {
    if (prints.empty()) return {};
    for (const TradePrint& t : prints) {
        if (!previous_) {
            previous_ = t.price;
            continue;
        }
        if (!changes_.make_room()) [[unlikely]]
            return {};
        (void)changes_.push(t.price - *previous_);  // room was made above
        previous_ = t.price;
    }
    // Only the last print's estimate is the bar's value, and it reads the window as it now stands.
    return changes_.full() ? estimate() : OptionalValue();
}

}  // namespace prynox
