#pragma once
// DeMark range projection: the next bar's high and low projected from this bar. X is
// close + (high + 2 low) on a down bar, close + (low + 2 high) on an up bar and
// (high + low) + 2 close when open = close; the high is X / 2 - low and the low X / 2 - high.
// A bar whose projection leaves the doubles gives nothing.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class TdRangeProjection {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"high", "low"};

    // No parameters; never refused.
    static std::expected<TdRangeProjection, IndicatorError> create() { return TdRangeProjection(); }

    bool update_candle(const Candle& c, std::array<double, 2>& out);
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
