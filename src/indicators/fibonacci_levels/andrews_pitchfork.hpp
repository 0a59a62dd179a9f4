#pragma once
// A pitchfork on the newest three alternating pivots, which it finds itself in a centred window
// of 2p + 1 valid candles: the centre candle is a high pivot when its high is strictly above
// every other high of the window, a low pivot when its low is strictly below every other low
// (both or neither: nothing). A pivot of the same kind as the last one replaces it only when
// more extreme; otherwise it is appended and the oldest of four dropped.
//
// With the pivots (x0, y0), (x1, y1), (x2, y2), oldest first, and c the current bar's index: the
// median line runs from pivot 0 through the midpoint of pivots 1 and 2, evaluated at c; upper and
// lower are the median shifted by the larger and the smaller of the distances of pivots 1 and 2
// from the line. The pivot test is O(1) per candle (StrictPivot).
#include <array>
#include <cstddef>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/strict_pivot.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class AndrewsPitchfork {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"median", "upper", "lower"};

    // The window check on p; the window grows with the candles seen, up to 2p + 1.
    static std::expected<AndrewsPitchfork, IndicatorError> create(std::uint64_t period);

    bool update_candle(const Candle& c, std::array<double, 3>& out);
    std::uint64_t warmup_period() const { return window_.span(); }

private:
    struct Pivot {
        double x, y;
        bool high;
    };

    explicit AndrewsPitchfork(std::uint64_t period);
    void record_centre();

    StrictPivot window_;
    std::uint64_t period_;
    std::uint64_t bar_count_ = 0;
    std::array<Pivot, 3> pivots_{};  // oldest first
    std::size_t held_ = 0;
};

}  // namespace prynox
