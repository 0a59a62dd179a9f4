#include "indicators/session_ranges/overnight_intraday_return.hpp"

#include <cmath>

namespace prynox {

bool OvernightIntradayReturn::update_candle(const Candle& c, std::array<double, 2>& out) {
    const std::int64_t day = day_.day_of(c);
    if (day_.is_new(day)) {
        if (has_previous_close_) {
            overnight_ = previous_close_ == 0.0 ? 0.0 : c.open / previous_close_ - 1.0;
            // An overflowing return would be published as it is, and kept all day: the day has
            // none instead.
            has_overnight_ = std::isfinite(overnight_);
        }
        first_open_ = c.open;
        day_.enter(day);
    }
    previous_close_ = c.close, has_previous_close_ = true;
    if (!has_overnight_) return false;
    const double intraday = first_open_ == 0.0 ? 0.0 : c.close / first_open_ - 1.0;
    if (!std::isfinite(intraday)) [[unlikely]]
        return false;
    out = {overnight_, intraday};
    return true;
}

}  // namespace prynox
