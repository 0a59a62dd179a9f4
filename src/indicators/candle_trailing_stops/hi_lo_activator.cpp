#include "indicators/candle_trailing_stops/hi_lo_activator.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<HiLoActivator, IndicatorError> HiLoActivator::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return HiLoActivator(period);
}

OptionalValue HiLoActivator::update_candle(const Candle& c) {
    const bool full = highs_.full();
    double high_sum = high_sum_, low_sum = low_sum_;
    if (full) {
        high_sum = high_sum - highs_.oldest();
        low_sum = low_sum - lows_.oldest();
    }
    high_sum = high_sum + c.high;
    low_sum = low_sum + c.low;
    if (!std::isfinite(high_sum) || !std::isfinite(low_sum)) [[unlikely]]
        return std::nullopt;
    if (!highs_.make_room() || !lows_.make_room()) [[unlikely]]
        return std::nullopt;
    (void)highs_.push(c.high);  // room was made above
    (void)lows_.push(c.low);
    const bool flat_highs = high_run_.push(c.high);
    const bool flat_lows = low_run_.push(c.low);
    if (++updates_ >= highs_.capacity()) [[unlikely]] {
        double h = 0.0, l = 0.0;
        highs_.for_each([&h](double v) { h += v; });
        lows_.for_each([&l](double v) { l += v; });
        // Summed in another order the window may overflow where the running sums did not.
        if (std::isfinite(h) && std::isfinite(l)) high_sum = h, low_sum = l;
        updates_ = 0;
    }
    high_sum_ = high_sum;
    low_sum_ = low_sum;
    if (!highs_.full()) return std::nullopt;
    const double average_high = flat_highs ? c.high : high_sum / n_;
    const double average_low = flat_lows ? c.low : low_sum / n_;
    if (!has_previous_) [[unlikely]] {
        previous_high_ = average_high;
        previous_low_ = average_low;
        has_previous_ = true;
        return std::nullopt;
    }
    if (c.close > previous_high_) {
        long_ = true;
    } else if (c.close < previous_low_) {
        long_ = false;
    }
    const double value = long_ ? previous_low_ : previous_high_;
    previous_high_ = average_high;
    previous_low_ = average_low;
    return value;
}

}  // namespace prynox
