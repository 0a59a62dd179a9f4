#include "indicators/market_profiles/composite_profile.hpp"

#include <cmath>

namespace prynox {

std::expected<CompositeProfile, IndicatorError> CompositeProfile::create(std::uint64_t window, std::uint64_t bins,
                                                                         double share) {
    if (auto e = WindowHistogram::check_zero(window, bins)) return std::unexpected(*e);
    if (!(std::isfinite(share) && share > 0.0 && share <= 1.0))
        return std::unexpected(IndicatorError::invalid_parameter(kValueAreaShare));
    if (auto e = WindowHistogram::check_bins(bins)) return std::unexpected(*e);
    return CompositeProfile(window, bins, share);
}

bool CompositeProfile::update_candle(const Candle& c, std::array<double, 3>& out) {
    if (!histogram_.take(c, true)) return false;
    const ProfileExtent e = histogram_.build(false);
    if (!(e.range > 0.0)) {
        out = {e.lo, e.lo, e.lo};
        return true;
    }
    const ValueAreaBins a = value_area(histogram_.bins(), share_);
    const auto centre = [&e](std::size_t i) { return e.lo + e.width * (static_cast<double>(i) + 0.5); };
    out = {centre(a.poc), centre(a.hi), centre(a.lo)};
    return true;
}

}  // namespace prynox
