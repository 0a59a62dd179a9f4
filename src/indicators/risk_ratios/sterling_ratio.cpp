#include "indicators/risk_ratios/sterling_ratio.hpp"

#include <cmath>

#include "indicators/cores/equity_episodes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

OptionalValue SterlingRatioFormula::operator()(const RollingWindow<double>& returns) const {
    auto curve = EquityEpisodes::of(returns);
    if (!curve) [[unlikely]]
        return std::nullopt;
    double mean = curve->return_sum / static_cast<double>(returns.capacity());
    if (curve->episodes.count() == 0) return 0.0;
    double mean_depth = curve->episodes.depth_sum() / static_cast<double>(curve->episodes.count());
    if (!(mean_depth > 0.0)) return 0.0;
    double value = mean / mean_depth;
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
