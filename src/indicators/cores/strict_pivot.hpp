#pragma once
// Whether the centre candle of the last `before + 1 + after` is a strict pivot: its high above
// every other high of the window, or its low below every other low (a tie is no pivot), in O(1)
// per candle whatever the window's length. The candles after the centre and the candles before
// it each keep their extremes (HighLowExtremes): the centre is a pivot high when both maxima
// are below its high. A maximum by the total order compares with `<` exactly as every value it
// stands for would (the two zeros are equal to `<`), so the answer is that of a scan of the
// window; the prices must not be NaN (the candle check sees to it).
//
// The centre and the candles after it wait in a ring of after + 1; the candle leaving it joins
// the candles before the centre. Each part grows with the candles seen.
#include <cstddef>
#include <cstdint>

#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/invariant.hpp"

namespace prynox {

class StrictPivot {
public:
    // Spans of 0 are taken as 1.
    StrictPivot(std::uint64_t before, std::uint64_t after)
        : ring_(sat_add(after, 1)), after_(after), before_(before), span_(sat_add(sat_add(before, after), 1)) {}

    // False (nothing changed) when storage could not grow.
    [[nodiscard]] bool push(double high, double low) {
        const bool leaving = ring_.full();
        if (!ring_.make_room() || !after_.make_room() || (leaving && !before_.make_room())) [[unlikely]]
            return false;
        if (leaving) {
            const HighLow& out = ring_.oldest();
            require(before_.push(out.high, out.low), "the candles before the centre had room");
        }
        ring_.push_in_room({high, low});
        require(after_.push(high, low), "the candles after the centre had room");
        return true;
    }

    // The whole window has been seen: the centre and its neighbours are in place.
    bool full() const { return before_.full(); }
    // before + after + 1, saturated.
    std::uint64_t span() const { return span_; }

    // Only meaningful once full.
    double centre_high() const { return ring_.oldest().high; }
    double centre_low() const { return ring_.oldest().low; }
    bool high_pivot() const {
        const double h = centre_high();
        return before_.high() < h && after_.high() < h;
    }
    bool low_pivot() const {
        const double l = centre_low();
        return before_.low() > l && after_.low() > l;
    }

    // Positions with storage, over the ring and both parts.
    std::size_t storage() const { return ring_.storage() + after_.storage() + before_.storage(); }

private:
    struct HighLow {
        double high;
        double low;
    };

    RollingWindow<HighLow> ring_;  // the centre (oldest) and the candles after it
    HighLowExtremes after_;        // extremes of the candles after the centre
    HighLowExtremes before_;       // extremes of the candles before it
    std::uint64_t span_;
};

}  // namespace prynox
