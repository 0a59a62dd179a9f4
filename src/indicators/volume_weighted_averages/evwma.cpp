#include "indicators/volume_weighted_averages/evwma.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Evwma, IndicatorError> Evwma::create(std::uint64_t n) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    return Evwma(n);
}

OptionalValue Evwma::update_candle(const Candle& c) {
    const double v = c.volume;
    const auto next = volumes_.next({v});
    if (!next || !volumes_.make_room()) [[unlikely]]
        return {};
    if (!volumes_.full_after_push()) {
        (void)volumes_.push({v});
        return {};
    }
    const CountedSum& sum = (*next)[0];
    double value;
    if (!sum.all_zero() && sum.sum > 0.0) {
        const double previous = value_ ? *value_ : c.close;
        value = ((c.close * v) + ((sum.sum - v) * previous)) / sum.sum;
        if (!std::isfinite(value)) [[unlikely]]
            return {};
    } else {
        // A window without volume: the average stays (or starts at the close).
        value = value_ ? *value_ : c.close;
    }
    (void)volumes_.push({v});
    value_ = value;
    return value;
}

}  // namespace prynox
