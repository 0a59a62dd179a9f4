#include "indicators/digital_filters/adaptive_laguerre_filter.hpp"

#include <algorithm>
#include <limits>

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

namespace {

// Median of the first `count` (1..5) values by the total order: a branch-free sorting network
// over the keys, the missing values padded with the largest key so that they sort last.
double median(const std::array<double, 5>& values, std::size_t count) {
    std::int64_t k[5];
    for (std::size_t i = 0; i < 5; ++i)
        k[i] = i < count ? total_order_key(values[i]) : std::numeric_limits<std::int64_t>::max();
    auto order = [&k](int a, int b) {
        std::int64_t lo = std::min(k[a], k[b]);
        std::int64_t hi = std::max(k[a], k[b]);
        k[a] = lo;
        k[b] = hi;
    };
    order(0, 1), order(3, 4), order(2, 4), order(2, 3), order(0, 3);
    order(0, 2), order(1, 4), order(1, 3), order(1, 2);
    if (count % 2 == 1) return from_total_order_key(k[count / 2]);
    return midpoint(from_total_order_key(k[count / 2 - 1]), from_total_order_key(k[count / 2]));
}

}  // namespace

std::expected<AdaptiveLaguerreFilter, IndicatorError> AdaptiveLaguerreFilter::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return AdaptiveLaguerreFilter(period);
}

OptionalValue AdaptiveLaguerreFilter::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    std::array<double, 4> l = last_ ? l_ : std::array<double, 4>{x, x, x, x};
    double d = last_ ? std::fabs(x - *last_) : 0.0;
    if (!std::isfinite(d) || !diffs_.make_room()) [[unlikely]]
        return std::nullopt;

    // The window as it would stand with d: d enters only if the output is kept.
    Extremes e = diffs_.once_pushed(d);
    double range = e.hi - e.lo;
    std::array<double, kMedianLength> recent = recent_;
    std::size_t count = recent_count_;
    double alpha = alpha_;
    if (range > 0.0) {
        double u = (d - e.lo) / range;
        if (count == kMedianLength) {
            for (std::size_t i = 1; i < kMedianLength; ++i) recent[i - 1] = recent[i];
            --count;
        }
        recent[count++] = u;
        alpha = median(recent, count);
    }

    double g = 1.0 - alpha;
    std::array<double, 4> next;
    next[0] = alpha * x + g * l[0];
    next[1] = g * l[1] + (l[0] - g * next[0]);
    next[2] = g * l[2] + (l[1] - g * next[1]);
    next[3] = g * l[3] + (l[2] - g * next[2]);
    double filt = (((next[0] + 2.0 * next[1]) + 2.0 * next[2]) + next[3]) / 6.0;
    if (!std::isfinite(filt)) [[unlikely]]
        return std::nullopt;
    (void)diffs_.push(d);  // room was made

    l_ = next;
    alpha_ = alpha;
    recent_ = recent;
    recent_count_ = count;
    last_ = filt;
    if (!diffs_.full()) return std::nullopt;
    return filt;
}

}  // namespace prynox
