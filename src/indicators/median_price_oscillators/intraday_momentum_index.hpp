#pragma once
// Intraday momentum index: the share of the rising bodies in the total body size of the last p
// candles, 0 to 100; 50 when every body is empty, 100 with rises only, 0 with falls only. Its
// running sums are never re-summed, so exact counts of rises and falls decide those values.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/counted_sum.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class IntradayMomentumIndex {
public:
    // Window check on the period.
    static std::expected<IntradayMomentumIndex, IndicatorError> create(std::uint64_t period);

    // Nothing, with nothing changed, for a body or a sum that leaves the doubles: it would
    // stay in the never re-summed sums for good.
    OptionalValue update_candle(const Candle& c);
    // p
    std::uint64_t warmup_period() const { return bodies_.capacity(); }

private:
    struct Body {
        double gain;
        double loss;
    };
    explicit IntradayMomentumIndex(std::uint64_t period) : bodies_(period) {}

    RollingWindow<Body> bodies_;
    CountedSum gains_;
    CountedSum losses_;
};

}  // namespace prynox
