#include "indicators/price_transforms/true_range.hpp"

#include "indicators/cores/atr_stage.hpp"

namespace prynox {

OptionalValue TrueRange::update_candle(const Candle& c) {
    const double value = has_previous_close_ ? true_range(c.high, c.low, previous_close_) : c.high - c.low;
    previous_close_ = c.close;
    has_previous_close_ = true;
    return value;
}

}  // namespace prynox
