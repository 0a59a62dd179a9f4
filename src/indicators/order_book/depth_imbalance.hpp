#pragma once
// (B - A) / (B + A) of the bid and ask depth, 0 when B + A is not positive; no value when a
// depth or the total is not finite (sizes too large to add).
#include <cmath>
#include <cstdint>
#include <span>

#include "core/model/market.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline OptionalValue depth_imbalance(double b, double a) {
    const double total = b + a;
    if (!std::isfinite(total)) [[unlikely]]
        return {};
    return total > 0.0 ? (b - a) / total : 0.0;
}

// The sizes of the first `levels` levels of a side (all when it has fewer), best first.
inline double depth(std::span<const Level> side, std::uint64_t levels) {
    const std::size_t k = levels < side.size() ? static_cast<std::size_t>(levels) : side.size();
    double sum = 0.0;
    for (std::size_t i = 0; i < k; ++i) sum += side[i].size;
    return sum;
}

}  // namespace prynox
