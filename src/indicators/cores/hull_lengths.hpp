#pragma once
// The three lengths of the Hull averages for a period N: half H = max(N/2, 1), N itself, and
// the root length R = max(round(sqrt N), 1) with halves rounded away from zero.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "indicators/cores/saturating.hpp"

namespace prynox {

struct HullLengths {
    std::uint64_t half;
    std::uint64_t full;
    std::uint64_t root;

    explicit HullLengths(std::uint64_t n)
        : half(n < 2 ? 1 : n / 2), full(n), root(std::max<std::uint64_t>(round_to_count(std::sqrt(static_cast<double>(n))), 1)) {}

    // N + R - 1
    std::uint64_t warmup() const { return sat_sub(sat_add(full, root), 1); }
};

}  // namespace prynox
