#include "indicators/volume_pressure/trade_volume_index.hpp"

#include <cmath>

namespace prynox {

std::expected<TradeVolumeIndex, IndicatorError> TradeVolumeIndex::create(double min_tick) {
    if (!(std::isfinite(min_tick) && min_tick >= 0.0))
        return std::unexpected(IndicatorError::invalid_parameter(kTradeVolumeIndexTickMessage));
    return TradeVolumeIndex(min_tick);
}

OptionalValue TradeVolumeIndex::update_candle(const Candle& c) {
    if (!previous_close_) [[unlikely]] {
        previous_close_ = c.close;
        return {};
    }
    const double change = c.close - *previous_close_;
    double direction = direction_;
    if (change > min_tick_) direction = 1.0;
    else if (change < -min_tick_) direction = -1.0;
    const double index = index_ + c.volume * direction;
    previous_close_ = c.close;
    if (!std::isfinite(index)) [[unlikely]]
        return {};
    direction_ = direction;
    index_ = index;
    return index;
}

}  // namespace prynox
