#pragma once
// Rolling VWAP: the volume-weighted mean of the typical price over the last n candles; none while
// the window holds no volume (an exact count of non-zero volumes says so, whatever residue the
// periodically re-summed sums keep).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/counted_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class RollingVwap {
public:
    // Window check on n.
    static std::expected<RollingVwap, IndicatorError> create(std::uint64_t n);

    // Nothing, with nothing changed, for a candle whose typical price, weighted price or sums
    // leave the doubles.
    OptionalValue update_candle(const Candle& c);
    // n
    std::uint64_t warmup_period() const { return window_.length(); }

private:
    explicit RollingVwap(std::uint64_t n) : window_(n) {}

    // (typical price * volume, volume) per candle.
    CountedWindow<2, true> window_;
};

}  // namespace prynox
