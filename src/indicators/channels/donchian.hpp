#pragma once
// Donchian channel: the highest high and the lowest low of the last n candles, and their
// midpoint (halved separately near the ends of the doubles, so it cannot overflow).
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class Donchian {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // The candle window's check (the constructor shared with MidPrice and WilliamsR).
    static std::expected<Donchian, IndicatorError> create(std::uint64_t period);

    bool update_candle(const Candle& c, std::array<double, 3>& out);
    // n
    std::uint64_t warmup_period() const { return extremes_.length(); }

private:
    explicit Donchian(std::uint64_t period) : extremes_(period) {}

    // The extremes a rescan of the window would find, kept in O(1) per candle.
    HighLowExtremes extremes_;
};

}  // namespace prynox
