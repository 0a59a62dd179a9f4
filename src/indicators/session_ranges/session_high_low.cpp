#include "indicators/session_ranges/session_high_low.hpp"

namespace prynox {

bool SessionHighLow::update_candle(const Candle& c, std::array<double, 2>& out) {
    const std::int64_t day = day_.day_of(c);
    if (day_.is_new(day)) {
        day_.enter(day);
        high_ = c.high, low_ = c.low;
    } else {
        if (c.high > high_) high_ = c.high;
        if (c.low < low_) low_ = c.low;
    }
    out = {high_, low_};
    return true;
}

}  // namespace prynox
