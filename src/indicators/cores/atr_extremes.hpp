#pragma once
// The average true range of n candles beside the highest high and the lowest low of the same n
// candles, for the stops hung from a window's extremes. Both take exactly the same candles: a
// candle the ATR refuses (a range or average beyond the doubles) does not enter the windows,
// and one the windows cannot take (storage could not grow) leaves the ATR as it was.
#include <cstdint>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/cores/high_low_extremes.hpp"

namespace prynox {

class AtrExtremes {
public:
    explicit AtrExtremes(std::uint64_t period) : atr_(period), extremes_(period) {}

    // Takes a valid candle; true once both hold n candles (they fill on the same candle). False
    // when the candle is refused: the average and the windows stay as they were (the ATR stage
    // still measures the next true range from the close of a candle it refuses).
    [[nodiscard]] bool step(const Candle& c) {
        const AtrStage before = atr_;
        const OptionalValue atr = atr_.step(c);
        // The stage refuses without a change: no value once seeded, no seed progress before.
        if (!atr && (before.seeded() || atr_.seed_count() == before.seed_count())) [[unlikely]]
            return false;
        if (!extremes_.push(c.high, c.low)) [[unlikely]] {
            atr_ = before;
            return false;
        }
        return atr.has_value();
    }

    std::uint64_t period() const { return atr_.period(); }
    double atr() const { return atr_.value(); }
    double highest_high() const { return extremes_.high(); }
    double lowest_low() const { return extremes_.low(); }

private:
    AtrStage atr_;
    HighLowExtremes extremes_;
};

}  // namespace prynox
