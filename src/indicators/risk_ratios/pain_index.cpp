#include "indicators/risk_ratios/pain_index.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>
#include <limits>

namespace prynox {

OptionalValue PainIndexFormula::operator()(const RollingWindow<double>& levels) const {
    double peak = -std::numeric_limits<double>::infinity();
    double sum = 0.0;
    levels.for_each([&](double v) {
        if (v > peak) peak = v;
        if (peak > 0.0) sum += (peak - v) / peak;
    });
    double value = sum / static_cast<double>(levels.capacity());
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
