#include "indicators/market_profiles/high_low_volume_nodes.hpp"

namespace prynox {

std::expected<HighLowVolumeNodes, IndicatorError> HighLowVolumeNodes::create(std::uint64_t window, std::uint64_t bins) {
    if (auto e = WindowHistogram::check_zero(window, bins)) return std::unexpected(*e);
    if (auto e = WindowHistogram::check_bins(bins)) return std::unexpected(*e);
    return HighLowVolumeNodes(window, bins);
}

bool HighLowVolumeNodes::update_candle(const Candle& c, std::array<double, 2>& out) {
    if (!histogram_.take(c, true)) return false;
    const ProfileExtent e = histogram_.build(false);
    if (!(e.range > 0.0)) {
        out = {e.lo, e.lo};
        return true;
    }
    const std::span<const double> bins = histogram_.bins();
    const std::size_t hvn = point_of_control(bins);
    std::size_t lvn = hvn;
    bool found = false;
    for (std::size_t i = 0; i < bins.size(); ++i)
        if (bins[i] > 0.0 && (!found || bins[i] < bins[lvn])) lvn = i, found = true;
    const auto centre = [&e](std::size_t i) { return e.lo + e.width * (static_cast<double>(i) + 0.5); };
    out = {centre(hvn), centre(lvn)};
    return true;
}

}  // namespace prynox
