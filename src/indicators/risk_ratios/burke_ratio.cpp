#include "indicators/risk_ratios/burke_ratio.hpp"

#include <cmath>

#include "indicators/cores/equity_episodes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

OptionalValue BurkeRatioFormula::operator()(const RollingWindow<double>& returns) const {
    auto curve = EquityEpisodes::of(returns);
    if (!curve) [[unlikely]]
        return std::nullopt;
    double mean = curve->return_sum / static_cast<double>(returns.capacity());
    double squares = curve->episodes.squared_depth_sum();
    if (!std::isfinite(squares)) [[unlikely]]
        return std::nullopt;
    if (!(squares > 0.0)) return 0.0;
    double value = mean / std::sqrt(squares);
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
