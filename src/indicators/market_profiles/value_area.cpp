#include "indicators/market_profiles/value_area.hpp"

#include <cmath>

namespace prynox {

std::expected<ValueArea, IndicatorError> ValueArea::create(std::uint64_t window, std::uint64_t bins, double share) {
    if (auto e = WindowHistogram::check_zero(window, bins)) return std::unexpected(*e);
    if (!(std::isfinite(share) && share > 0.0 && share <= 1.0))
        return std::unexpected(IndicatorError::invalid_period(kValueAreaShare));
    if (auto e = WindowHistogram::check_bins(bins)) return std::unexpected(*e);
    return ValueArea(window, bins, share);
}

bool ValueArea::update_candle(const Candle& c, std::array<double, 3>& out) {
    if (!histogram_.take(c, true)) return false;
    const ProfileExtent e = histogram_.build(false);
    if (!(e.range > 0.0)) {
        out = {e.lo, e.lo, e.lo};
        return true;
    }
    const ValueAreaBins a = value_area(histogram_.bins(), share_);
    const auto at = [&e](double i) { return e.lo + e.width * i; };
    out = {at(static_cast<double>(a.poc) + 0.5), at(static_cast<double>(a.hi) + 1.0), at(static_cast<double>(a.lo))};
    return true;
}

}  // namespace prynox
