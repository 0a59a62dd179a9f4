#pragma once
// The mean of the first N accepted inputs that seeds a recursive average. An input whose sum
// would overflow would leave the average infinite for good: it is refused instead and counts
// toward nothing.
#include <cmath>
#include <cstdint>
#include <optional>
#include "indicators/optional_value.hpp"

namespace prynox {

class MeanSeed {
public:
    // The seed, sum / n, on the period-th accepted input; nothing before it and on a refused one.
    OptionalValue add(double x, std::uint64_t period, double n) {
        const double sum = sum_ + x;
        if (!std::isfinite(sum)) return std::nullopt;
        sum_ = sum;
        if (++seen_ < period) return std::nullopt;
        return sum_ / n;
    }

    // Whether add would take x.
    bool takes(double x) const { return std::isfinite(sum_ + x); }

private:
    double sum_ = 0.0;
    std::uint64_t seen_ = 0;
};

}  // namespace prynox
