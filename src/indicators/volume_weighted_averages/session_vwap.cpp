#include "indicators/volume_weighted_averages/session_vwap.hpp"

#include <cmath>

#include "indicators/cores/local_calendar.hpp"
#include "indicators/cores/typical_price.hpp"

namespace prynox {

OptionalValue SessionVwap::update_candle(const Candle& c) {
    const double tp = typical_price(c);
    const std::int64_t day = local_day(c.time, offset_);
    const bool same_day = has_day_ && day == day_;
    const double weighted = (same_day ? weighted_ : 0.0) + c.volume * tp;
    const double volume = (same_day ? volume_ : 0.0) + c.volume;
    if (!std::isfinite(weighted) || !std::isfinite(volume)) [[unlikely]]
        return {};
    has_day_ = true;
    day_ = day;
    weighted_ = weighted;
    volume_ = volume;
    return volume > 0.0 ? weighted / volume : tp;
}

}  // namespace prynox
