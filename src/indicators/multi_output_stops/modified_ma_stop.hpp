#pragma once
// Modified moving-average stop: the line trails the smoothed (Wilder) average of the closes,
// rising only while the close holds above it and falling only while it holds below, and
// jumps to the average itself when the close crosses the line.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/smma.hpp"
#include "indicators/multi_output_stops/trend_line.hpp"

namespace prynox {

class ModifiedMaStop {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"value", "direction"};

    // The window check on n (the smoothed average's own).
    static std::expected<ModifiedMaStop, IndicatorError> create(std::uint64_t n);

    bool update_candle(const Candle& c, std::array<double, 2>& out);
    std::uint64_t warmup_period() const { return ma_.warmup_period(); }

private:
    explicit ModifiedMaStop(Smma ma) : ma_(ma) {}

    Smma ma_;
    TrendLine trend_;
};

}  // namespace prynox
