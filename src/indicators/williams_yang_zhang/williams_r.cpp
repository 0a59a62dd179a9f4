#include "indicators/williams_yang_zhang/williams_r.hpp"

#include <algorithm>
#include <limits>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/cores/window_scan.hpp"

namespace prynox {

std::expected<WilliamsR, IndicatorError> WilliamsR::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return WilliamsR(period);
}

OptionalValue WilliamsR::update_candle(const Candle& c) {
    if (!range_.push({c.high, c.low})) [[unlikely]]
        return {};
    if (!range_.full()) return {};
    // Highest high and lowest low by the total order (+0 above -0), on integer keys: two
    // independent chains of cheap compares instead of floating-point max and min.
    std::int64_t hi = std::numeric_limits<std::int64_t>::min(), lo = std::numeric_limits<std::int64_t>::max();
    range_.for_each([&hi, &lo](const Range& r) {
        hi = std::max(hi, total_order_key(r.high));
        lo = std::min(lo, total_order_key(r.low));
    });
    const double hh = from_total_order_key(hi), ll = from_total_order_key(lo);
    const double width = hh - ll;
    const double value = width == 0.0 ? -50.0 : ((hh - c.close) * -100.0) / width;
    // A window whose range exceeds the doubles (highs and lows near opposite ends) has no
    // finite value while that candle is in it.
    if (!std::isfinite(value)) [[unlikely]]
        return {};
    return value;
}

}  // namespace prynox
