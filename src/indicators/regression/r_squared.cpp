#include "indicators/regression/r_squared.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<RSquared, IndicatorError> RSquared::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kRSquaredPeriodMessage)) return std::unexpected(*e);
    return RSquared(period);
}

OptionalValue RSquared::update_value(double x) {
    auto line = fit_.push(x);
    if (!line) return std::nullopt;
    // A flat window is explained perfectly, whatever residue its sums hold.
    if (fit_.flat()) return 1.0;
    const RegressionWindow& w = fit_.window();
    double n = w.n();
    double mean = w.sy() / n;
    double total = w.syy() - mean * (mean * n);
    // Overflowing sums explain nothing: no value for this bar.
    if (!std::isfinite(total)) [[unlikely]]
        return std::nullopt;
    if (total < 0.0) total = 0.0;
    if (total <= 0.0) return 1.0;
    double b = line->slope;
    double r2 = (w.denominator() / n) * (b * b) / total;
    if (r2 < 0.0) r2 = 0.0;
    if (r2 > 1.0) r2 = 1.0;
    return finite_result(r2);
}

}  // namespace prynox
