#pragma once
// Chandelier exit: the long stop k average true ranges under the highest high of the last n
// candles, the short stop k ATRs over the lowest low.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/atr_extremes.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class ChandelierExit {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"long_stop", "short_stop"};

    // The multiplier check on k, then the window check on n.
    static std::expected<ChandelierExit, IndicatorError> create(std::uint64_t n, double k);

    // A bar whose stops leave the doubles gives nothing; the candle still enters the average
    // and the windows, as Atr takes it.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    std::uint64_t warmup_period() const { return stage_.period(); }

private:
    ChandelierExit(std::uint64_t n, double k) : stage_(n), k_(k) {}

    AtrExtremes stage_;
    double k_;
};

}  // namespace prynox
