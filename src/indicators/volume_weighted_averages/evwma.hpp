#pragma once
// Elastic volume-weighted moving average: each candle moves the average toward its close by its
// share of the last n candles' volume. A window without volume keeps the average (or starts it
// at the close); an exact count of non-zero volumes says when that is, since the volume sum is
// never re-summed.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/counted_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Evwma {
public:
    // Window check on n.
    static std::expected<Evwma, IndicatorError> create(std::uint64_t n);

    // Nothing, with nothing changed, for a candle whose volume sum or average leaves the doubles.
    OptionalValue update_candle(const Candle& c);
    // n
    std::uint64_t warmup_period() const { return volumes_.length(); }

private:
    explicit Evwma(std::uint64_t n) : volumes_(n) {}

    OptionalValue value_;
    CountedWindow<1, false> volumes_;
};

}  // namespace prynox
