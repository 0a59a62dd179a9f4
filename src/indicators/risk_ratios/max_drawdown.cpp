#include "indicators/risk_ratios/max_drawdown.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>
#include <limits>

namespace prynox {

OptionalValue MaxDrawdownFormula::operator()(const RollingWindow<double>& levels) const {
    double peak = -std::numeric_limits<double>::infinity();
    double largest = 0.0;
    levels.for_each([&](double v) {
        if (v > peak) peak = v;
        if (peak > 0.0) {
            double dd = (peak - v) / peak;
            if (dd > largest) largest = dd;
        }
    });
    // A drop from a huge peak to a huge negative level overflows.
    if (!std::isfinite(largest)) [[unlikely]]
        return std::nullopt;
    return largest;
}

}  // namespace prynox
