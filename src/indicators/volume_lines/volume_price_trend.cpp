#include "indicators/volume_lines/volume_price_trend.hpp"

#include <cmath>

namespace prynox {

OptionalValue VolumePriceTrend::update_candle(const Candle& c) {
    double total = total_;
    if (has_previous_) {
        const double change = previous_close_ == 0.0 ? 0.0 : (c.close - previous_close_) / previous_close_;
        total = total + c.volume * change;
    }
    previous_close_ = c.close;
    has_previous_ = true;
    // A change that is not finite makes the total so too (infinite, or NaN on a volume of 0).
    if (!std::isfinite(total)) [[unlikely]]
        return {};
    total_ = total;
    return total;
}

}  // namespace prynox
