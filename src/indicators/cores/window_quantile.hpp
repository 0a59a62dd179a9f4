#pragma once
// The quantile of an ascending list by linear interpolation between neighbouring order
// statistics: h = (n - 1) p, i = floor(h); the largest value once i reaches n - 1, otherwise
// v[i] + (h - i) (v[i + 1] - v[i]).
#include <cmath>
#include <span>

#include "indicators/cores/saturating.hpp"

namespace prynox {

// `sorted` holds at least one value; p lies in [0, 1].
inline double window_quantile(std::span<const double> sorted, double p) {
    std::size_t n = sorted.size();
    double h = (static_cast<double>(n) - 1.0) * p;
    std::uint64_t i = saturating_u64(std::floor(h));
    if (i >= n - 1) return sorted[n - 1];
    return sorted[i] + (h - static_cast<double>(i)) * (sorted[i + 1] - sorted[i]);
}

}  // namespace prynox
