#pragma once
// Money flow index: the typical price times the volume, split by whether the typical price rose
// or fell, summed over the last n candles: 100 - 100 / (1 + rising / falling). 50 when neither
// side has flow, 100 with rises only. Exact counts of non-zero flows decide those values, since
// the sums are only re-summed once every n candles.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/counted_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Mfi {
public:
    // Window check on n.
    static std::expected<Mfi, IndicatorError> create(std::uint64_t n);

    // Nothing, with nothing changed, for a candle whose typical price leaves the doubles. One
    // whose flow or sums do gives nothing and leaves the window as it was; the next typical
    // price is still compared with its own.
    OptionalValue update_candle(const Candle& c);
    // n + 1
    std::uint64_t warmup_period() const;

private:
    explicit Mfi(std::uint64_t n) : flows_(n) {}

    OptionalValue previous_;
    // (rising flow, falling flow) per candle.
    CountedWindow<2, true> flows_;
};

}  // namespace prynox
