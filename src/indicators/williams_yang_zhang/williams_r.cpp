#include "indicators/williams_yang_zhang/williams_r.hpp"

#include <algorithm>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/cores/window_scan.hpp"

namespace prynox {

std::expected<WilliamsR, IndicatorError> WilliamsR::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return WilliamsR(period);
}

OptionalValue WilliamsR::update_candle(const Candle& c) {
    if (!range_.make_room()) [[unlikely]]
        return {};
    const bool full = range_.full();
    if (range_.size() + 1 < range_.capacity()) {
        (void)range_.push({c.high, c.low});  // room was made above
        return {};
    }
    // Highest high and lowest low of the window as it stands with this candle, by the total
    // order (+0 above -0), on integer keys: two independent chains of cheap compares instead of
    // floating-point max and min.
    std::int64_t hi = total_order_key(c.high), lo = total_order_key(c.low);
    bool skip = full;  // the oldest leaves on the push
    range_.for_each([&](const Range& r) {
        if (skip) {
            skip = false;
            return;
        }
        hi = std::max(hi, total_order_key(r.high));
        lo = std::min(lo, total_order_key(r.low));
    });
    const double hh = from_total_order_key(hi), ll = from_total_order_key(lo);
    const double width = hh - ll;
    const double value = width == 0.0 ? -50.0 : ((hh - c.close) * -100.0) / width;
    // A range beyond the doubles (highs and lows near opposite ends) has no finite value: the
    // candle is refused rather than leave its range in the window.
    if (!std::isfinite(value)) [[unlikely]]
        return {};
    (void)range_.push({c.high, c.low});
    return value;
}

}  // namespace prynox
