#pragma once
// The total order of doubles: -NaN < -inf < ... < -0.0 < +0.0 < ... < +inf < +NaN.
// Sorted windows, ranks and quantiles order by this key so that no comparison is ever
// handed a NaN and -0.0 and +0.0 keep a fixed relative order.
#include <bit>
#include <cstdint>

namespace prynox {

constexpr std::int64_t total_order_key(double v) {
    auto bits = std::bit_cast<std::int64_t>(v);
    // Negative values: flip every bit but the sign so that larger magnitudes sort lower.
    return bits ^ static_cast<std::int64_t>(static_cast<std::uint64_t>(bits >> 63) >> 1);
}

constexpr bool total_less(double a, double b) { return total_order_key(a) < total_order_key(b); }

// The double whose total-order key is k (the key mapping is its own inverse).
constexpr double from_total_order_key(std::int64_t k) {
    return std::bit_cast<double>(k ^ static_cast<std::int64_t>(static_cast<std::uint64_t>(k >> 63) >> 1));
}

}  // namespace prynox
