#pragma once
// Largest and smallest value (total order) of a window by a scan, for types whose own
// algorithm scans. The scan compares total-order keys, which compile to branch-free min/max.
// extremes_after_push sees the window as it would stand after pushing x without pushing, so
// that an owner can still decide not to push.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/total_order.hpp"

namespace prynox {

namespace detail {
struct KeyRange {
    std::int64_t hi = std::numeric_limits<std::int64_t>::min();
    std::int64_t lo = std::numeric_limits<std::int64_t>::max();
    void add(double v) {
        std::int64_t k = total_order_key(v);
        hi = std::max(hi, k);
        lo = std::min(lo, k);
    }
    Extremes extremes() const { return {from_total_order_key(hi), from_total_order_key(lo)}; }
};
}  // namespace detail

// The window must not be empty.
inline Extremes window_extremes(const RollingWindow<double>& window) {
    detail::KeyRange r;
    window.for_each([&r](double v) { r.add(v); });
    return r.extremes();
}

inline Extremes extremes_after_push(const RollingWindow<double>& window, double x) {
    detail::KeyRange r;
    window.for_each_once_pushed(x, [&r](double v) { r.add(v); });
    return r.extremes();
}

}  // namespace prynox
