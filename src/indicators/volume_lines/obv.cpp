#include "indicators/volume_lines/obv.hpp"

#include <cmath>

namespace prynox {

OptionalValue Obv::update_candle(const Candle& c) {
    double total = total_;
    if (has_previous_) {
        if (c.close > previous_close_) total = c.volume + total;
        else if (c.close < previous_close_) total = total - c.volume;
    }
    previous_close_ = c.close;
    has_previous_ = true;
    if (!std::isfinite(total)) [[unlikely]]
        return {};
    total_ = total;
    return total;
}

}  // namespace prynox
