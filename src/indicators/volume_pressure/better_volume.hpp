#pragma once
// Better volume: a code for how the candle's volume, volume times range and volume per unit of
// range compare with the n - 1 candles before it (a scan of the window on every candle): 4 the
// largest volume times range and volume per range together; 3 (-3 on a falling candle) the
// largest volume times range; 2 the largest volume per range; 1 the smallest volume; 0 none.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class BetterVolume {
public:
    // Window check on n.
    static std::expected<BetterVolume, IndicatorError> create(std::uint64_t n);

    // Nothing, with nothing changed, for a candle whose range, volume times range or (with a
    // range) volume per range is not finite.
    OptionalValue update_candle(const Candle& c);
    // n
    std::uint64_t warmup_period() const { return records_.capacity(); }

private:
    struct Record {
        double volume;
        double volume_range;
        double per_range;  // meaningless without a range
        bool rising;       // range > 0
    };
    explicit BetterVolume(std::uint64_t n) : records_(n) {}

    RollingWindow<Record> records_;
};

}  // namespace prynox
