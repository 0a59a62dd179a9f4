#pragma once
// Donchian stop: the lowest low of the last n candles as the long stop and the highest high as
// the short stop, the current candle included.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class DonchianStop {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"stop_long", "stop_short"};

    // The window check on n.
    static std::expected<DonchianStop, IndicatorError> create(std::uint64_t n);

    bool update_candle(const Candle& c, std::array<double, 2>& out);
    std::uint64_t warmup_period() const { return extremes_.length(); }

private:
    explicit DonchianStop(std::uint64_t n) : extremes_(n) {}

    HighLowExtremes extremes_;
};

}  // namespace prynox
