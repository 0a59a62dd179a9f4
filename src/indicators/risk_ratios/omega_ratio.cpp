#include "indicators/risk_ratios/omega_ratio.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>
#include <limits>

namespace prynox {

OptionalValue OmegaRatioFormula::operator()(const RollingWindow<double>& returns) const {
    double gains = 0.0;
    double losses = 0.0;
    returns.for_each([&](double r) {
        double d = r - threshold;
        if (d >= 0.0)
            gains += d;
        else
            losses += -d;
    });
    // Sums of huge distances from the threshold overflow and compare nothing.
    if (!std::isfinite(gains) || !std::isfinite(losses)) [[unlikely]]
        return std::nullopt;
    if (losses == 0.0) return gains == 0.0 ? 1.0 : std::numeric_limits<double>::infinity();
    return gains / losses;
}

}  // namespace prynox
