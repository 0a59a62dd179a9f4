#include "indicators/risk_ratios/average_drawdown.hpp"

#include <cmath>
#include <limits>

#include "indicators/cores/drawdown_episodes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

OptionalValue AverageDrawdownFormula::operator()(const RollingWindow<double>& levels) const {
    DrawdownEpisodes episodes(-std::numeric_limits<double>::infinity());
    levels.for_each([&episodes](double v) { episodes.step(v); });
    episodes.finish();
    if (episodes.count() == 0) return 0.0;
    double value = episodes.depth_sum() / static_cast<double>(episodes.count());
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
