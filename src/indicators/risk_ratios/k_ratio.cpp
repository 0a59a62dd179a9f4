#include "indicators/risk_ratios/k_ratio.hpp"
#include "indicators/optional_value.hpp"

#include <bit>
#include <cmath>

namespace prynox {

OptionalValue KRatioFormula::operator()(const RollingWindow<double>& returns) const {
    // The cumulative sums of a constant window lie on a line, but their rounding leaves a tiny
    // residual that the ratio would blow up; the fit is exact, so the ratio is 0.
    std::uint64_t first = std::bit_cast<std::uint64_t>(returns.oldest());
    bool constant = true;
    returns.for_each([&](double r) { constant = constant && std::bit_cast<std::uint64_t>(r) == first; });
    if (constant) return 0.0;

    // The cumulative sums are rebuilt on each pass (the same additions give the same values)
    // rather than stored.
    double n = static_cast<double>(returns.capacity());
    double c = 0.0;
    double c_sum = 0.0;
    returns.for_each([&](double r) {
        c += r;
        c_sum += c;
    });
    if (!std::isfinite(c_sum)) [[unlikely]]
        return std::nullopt;
    double mean_i = (n + 1.0) / 2.0;
    double mean_c = c_sum / n;
    double sxy = 0.0;
    double sxx = 0.0;
    double i = 0.0;
    c = 0.0;
    returns.for_each([&](double r) {
        c += r;
        i += 1.0;
        double di = i - mean_i;
        sxy += di * (c - mean_c);
        sxx += di * di;
    });
    double b = sxy / sxx;
    double a = mean_c - b * mean_i;
    double rss = 0.0;
    i = 0.0;
    c = 0.0;
    returns.for_each([&](double r) {
        c += r;
        i += 1.0;
        double e = c - (a + b * i);
        rss += e * e;
    });
    // Cumulative sums whose deviations overflow give no fit.
    if (!std::isfinite(b) || !std::isfinite(rss)) [[unlikely]]
        return std::nullopt;
    if (!(rss > 0.0)) return 0.0;
    double value = b / std::sqrt((rss / (n - 2.0)) / sxx);
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
