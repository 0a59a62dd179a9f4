#pragma once
// Opening range: the high and low of the first n valid candles of the run (as InitialBalance),
// and how far this close lies from the middle of that range.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/session_ranges/first_bars_range.hpp"

namespace prynox {

class OpeningRange {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"high", "low", "breakout_distance"};

    // The window check of n.
    static std::expected<OpeningRange, IndicatorError> create(std::uint64_t n);

    // A candle whose distance from the middle would overflow is refused; while the range still
    // takes candles in, the distance is at most half the range and cannot.
    bool update_candle(const Candle& c, std::array<double, 3>& out);
    // 1 whatever n: the running range is a value from the first candle on.
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit OpeningRange(std::uint64_t n) : range_(n) {}

    FirstBarsRange range_;
};

}  // namespace prynox
