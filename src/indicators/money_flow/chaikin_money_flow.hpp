#pragma once
// Chaikin money flow: the money-flow volume of the last n candles over their volume, -1 to 1.
// Its running sums are never re-summed, so an exact count of non-zero flows decides the windows
// without flow or volume (0), whatever residue the sums keep.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/counted_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class ChaikinMoneyFlow {
public:
    // Window check on n.
    static std::expected<ChaikinMoneyFlow, IndicatorError> create(std::uint64_t n);

    // Nothing, with nothing changed, for a candle whose range or sums leave the doubles.
    OptionalValue update_candle(const Candle& c);
    // n
    std::uint64_t warmup_period() const { return window_.length(); }

private:
    explicit ChaikinMoneyFlow(std::uint64_t n) : window_(n) {}

    // (money-flow volume, volume) per candle.
    CountedWindow<2, false> window_;
};

}  // namespace prynox
