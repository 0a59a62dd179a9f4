#pragma once
// Count arithmetic on parameters that must never wrap, and float-to-count conversions that
// never hit undefined behaviour.
#include <cmath>
#include <cstdint>
#include <limits>

namespace prynox {

inline constexpr std::uint64_t kCountMax = std::numeric_limits<std::uint64_t>::max();

constexpr std::uint64_t sat_add(std::uint64_t a, std::uint64_t b) {
    return a > kCountMax - b ? kCountMax : a + b;
}

constexpr std::uint64_t sat_sub(std::uint64_t a, std::uint64_t b) { return a < b ? 0 : a - b; }

constexpr std::uint64_t sat_mul(std::uint64_t a, std::uint64_t b) {
    if (a == 0 || b == 0) return 0;
    return a > kCountMax / b ? kCountMax : a * b;
}

// NaN gives 0, anything below 0 gives 0, anything at or above 2^64 gives the largest count;
// the fractional part is dropped.
inline std::uint64_t saturating_u64(double v) {
    if (!(v > 0.0)) return 0;
    if (v >= 18446744073709551616.0) return kCountMax;
    return static_cast<std::uint64_t>(v);
}

// Nearest whole count, halves away from zero, saturating as above.
inline std::uint64_t round_to_count(double v) { return saturating_u64(std::round(v)); }

}  // namespace prynox
