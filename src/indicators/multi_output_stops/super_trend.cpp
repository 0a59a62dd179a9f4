#include "indicators/multi_output_stops/super_trend.hpp"

#include <cmath>

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<SuperTrend, IndicatorError> SuperTrend::create(std::uint64_t n, double m) {
    if (auto e = check_multiplier(m)) return std::unexpected(*e);
    if (auto e = check_window(n)) return std::unexpected(*e);
    return SuperTrend(n, m);
}

bool SuperTrend::update_candle(const Candle& c, std::array<double, 2>& out) {
    const OptionalValue atr = atr_.step(c);
    if (!atr) return false;
    const double mid = midpoint(c.high, c.low);
    const double offset = m_ * *atr;
    double upper = mid + offset, lower = mid - offset;
    if (!std::isfinite(upper) || !std::isfinite(lower)) [[unlikely]]
        return false;
    double direction = 1.0;
    if (has_bands_) [[likely]] {
        if (!(upper < upper_ || close_ > upper_)) upper = upper_;
        if (!(lower > lower_ || close_ < lower_)) lower = lower_;
        if (direction_ >= 0.0)
            direction = c.close >= lower ? 1.0 : -1.0;
        else
            direction = c.close <= upper ? -1.0 : 1.0;
    }
    upper_ = upper;
    lower_ = lower;
    close_ = c.close;
    direction_ = direction;
    has_bands_ = true;
    out = {direction > 0.0 ? lower : upper, direction};
    return true;
}

}  // namespace prynox
