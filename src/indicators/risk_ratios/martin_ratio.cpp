#include "indicators/risk_ratios/martin_ratio.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>

namespace prynox {

OptionalValue MartinRatioFormula::operator()(const RollingWindow<double>& returns) const {
    double n = static_cast<double>(returns.capacity());
    double equity = 1.0;
    double peak = 1.0;
    double sum = 0.0;
    double squares = 0.0;
    returns.for_each([&](double r) {
        sum += r;
        equity = equity * (1.0 + r);
        if (equity > peak) peak = equity;
        double d = ((peak - equity) * 100.0) / peak;
        squares += d * d;
    });
    // An overflowing equity curve (or squared drawdown) means nothing.
    if (!std::isfinite(equity) || !std::isfinite(squares) || !std::isfinite(sum)) [[unlikely]]
        return std::nullopt;
    double u = squares / n;
    if (!(u > 0.0)) return 0.0;
    double value = (sum / n) / std::sqrt(u);
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
