#include "indicators/multi_output_stops/zig_zag.hpp"

#include <cmath>

namespace prynox {

std::expected<ZigZag, IndicatorError> ZigZag::create(double t) {
    if (!(std::isfinite(t) && t > 0.0 && t < 1.0))
        return std::unexpected(IndicatorError::invalid_period(kZigZagThresholdMessage));
    return ZigZag(t);
}

bool ZigZag::update_candle(const Candle& c, std::array<double, 2>& out) {
    if (direction_ == 0.0) [[unlikely]] {
        direction_ = 1.0, extreme_ = c.high;
        return false;
    }
    // A candle that extends the leg is not tested for a reversal.
    if (direction_ > 0.0) {
        if (c.high > extreme_) {
            extreme_ = c.high;
            return false;
        }
        if (!(c.low <= extreme_ * (1.0 - t_))) return false;
        out = {extreme_, 1.0};
        direction_ = -1.0, extreme_ = c.low;
        return true;
    }
    if (c.low < extreme_) {
        extreme_ = c.low;
        return false;
    }
    if (!(c.high >= extreme_ * (1.0 + t_))) return false;
    out = {extreme_, -1.0};
    direction_ = 1.0, extreme_ = c.high;
    return true;
}

}  // namespace prynox
