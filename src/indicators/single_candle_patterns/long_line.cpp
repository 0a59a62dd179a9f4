#include "indicators/single_candle_patterns/long_line.hpp"

#include "indicators/cores/candle_shape.hpp"
#include "indicators/cores/pattern_signal.hpp"

namespace prynox {

OptionalValue LongLine::update_candle(const Candle& c) {
    const double r = candle_range(c);
    const OptionalValue mean = ranges_.push(r);
    if (!mean) return std::nullopt;
    if (!((r > *mean) & (body_size(c) >= r * 0.5))) return kNoPattern;
    return candle_body(c) > 0.0 ? kBullishSignal : kBearishSignal;
}

}  // namespace prynox
