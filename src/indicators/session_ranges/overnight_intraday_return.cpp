#include "indicators/session_ranges/overnight_intraday_return.hpp"

#include <cmath>

namespace prynox {

bool OvernightIntradayReturn::update_candle(const Candle& c, std::array<double, 2>& out) {
    const std::int64_t day = day_.day_of(c);
    const bool new_day = day_.is_new(day);
    double overnight = overnight_, first_open = first_open_;
    bool has_overnight = has_overnight_;
    if (new_day) {
        if (has_previous_close_) {
            overnight = previous_close_ == 0.0 ? 0.0 : c.open / previous_close_ - 1.0;
            has_overnight = true;
        }
        first_open = c.open;
    }
    double intraday = 0.0;
    if (has_overnight) {
        intraday = first_open == 0.0 ? 0.0 : c.close / first_open - 1.0;
        // An overflowing return would be published as it is, and an overnight one kept all day.
        if (!std::isfinite(overnight) || !std::isfinite(intraday)) [[unlikely]]
            return false;
    }
    if (new_day) {
        day_.enter(day);
        first_open_ = first_open, overnight_ = overnight, has_overnight_ = has_overnight;
    }
    previous_close_ = c.close, has_previous_close_ = true;
    if (!has_overnight) return false;
    out = {overnight, intraday};
    return true;
}

}  // namespace prynox
