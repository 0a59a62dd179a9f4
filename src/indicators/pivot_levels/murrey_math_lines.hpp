#pragma once
// Murrey math lines: the range of the last p candles (highest high to lowest low) cut into
// eighths, from the top line down. Levels beyond the doubles (a range wider than the largest
// double) give no value.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class MurreyMathLines {
public:
    static constexpr std::array<const char*, 9> kOutputNames{"mm8_8", "mm7_8", "mm6_8", "mm5_8", "mm4_8",
                                                             "mm3_8", "mm2_8", "mm1_8", "mm0_8"};

    // The window check of p.
    static std::expected<MurreyMathLines, IndicatorError> create(std::uint64_t period);

    bool update_candle(const Candle& c, std::array<double, 9>& out);
    // p
    std::uint64_t warmup_period() const { return extremes_.length(); }

private:
    explicit MurreyMathLines(std::uint64_t period) : extremes_(period) {}

    // What a scan of both windows would find, in O(1) amortised per candle.
    HighLowExtremes extremes_;
};

}  // namespace prynox
