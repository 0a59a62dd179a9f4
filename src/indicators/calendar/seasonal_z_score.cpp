#include "indicators/calendar/seasonal_z_score.hpp"

#include <cmath>

#include "indicators/cores/local_calendar.hpp"

namespace prynox {

OptionalValue SeasonalZScore::update_candle(const Candle& c) {
    if (!has_previous_) {
        previous_close_ = c.close, has_previous_ = true;
        return {};
    }
    const double r = previous_close_ == 0.0 ? 0.0 : c.close / previous_close_ - 1.0;
    Hour& hour = hours_[local_hour(c.time, offset_minutes_)];
    const std::uint64_t count = hour.count;
    double z = 0.0;
    if (count >= 2) {
        const double variance = hour.squares / static_cast<double>(count - 1);
        if (variance > 0.0) z = (r - hour.mean) / std::sqrt(variance);
    }
    // Welford's update.
    const double delta = r - hour.mean;
    const double mean = hour.mean + delta / static_cast<double>(count + 1);
    const double squares = hour.squares + delta * (r - mean);
    // The next return is measured from this close whatever becomes of this one.
    previous_close_ = c.close;
    // A return, moment or score that is not finite refuses the candle and leaves the hour as it
    // was: an infinite sum of squares would make every later score of the hour 0.
    if (!(std::isfinite(r) && std::isfinite(mean) && std::isfinite(squares) && std::isfinite(z))) [[unlikely]]
        return {};
    hour = {count + 1, mean, squares};
    if (count < 2) return {};
    return z;
}

}  // namespace prynox
