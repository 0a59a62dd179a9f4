#pragma once
// The frame of the floor-pivot types: the levels of a bar come from its own candle alone. A
// candle without range (high = low, so every price is the same) gives that price for every
// level: the formulas would leave it a few units in the last place apart (at 0.1 the pivot is
// 0.10000000000000002). Levels beyond the doubles (sums of prices near the largest double)
// give no value.
#include <array>
#include <cmath>
#include <cstddef>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

template <class Rule>
class FloorPivot {
public:
    static constexpr auto kOutputNames = Rule::kOutputNames;
    static constexpr std::size_t N = kOutputNames.size();

    static std::expected<FloorPivot, IndicatorError> create() { return FloorPivot{}; }

    bool update_candle(const Candle& c, std::array<double, N>& out) const {
        if (c.high == c.low) [[unlikely]] {
            out.fill(c.high);
            return true;
        }
        const std::array<double, N> v = Rule::levels(c);
        for (double x : v)
            if (!std::isfinite(x)) [[unlikely]]
                return false;
        out = v;
        return true;
    }
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
