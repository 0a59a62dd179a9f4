#include "indicators/window_statistics/hurst_exponent.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/window_copy.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<HurstExponent, IndicatorError> HurstExponent::create(std::uint64_t period, std::uint64_t chunks) {
    if (chunks < 2) return std::unexpected(IndicatorError::invalid_period(kHurstChunksMessage));
    if (auto e = check_max_period(chunks)) return std::unexpected(*e);
    if (period < sat_mul(2, chunks)) return std::unexpected(IndicatorError::invalid_period(kHurstPeriodMessage));
    return HurstExponent(period, chunks);
}

OptionalValue HurstExponent::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    bool flat = run_.push(x);
    if (!window_.full()) return std::nullopt;
    if (flat) return 0.5;
    auto y = copy_window(window_, scratch_);
    if (y.empty()) return std::nullopt;
    std::size_t n = y.size();
    // The points' sums, in k order.
    double points = 0.0;
    double sx = 0.0;
    double sy = 0.0;
    double sxy = 0.0;
    double sxx = 0.0;
    double first_x = 0.0;
    bool distinct_x = false;
    for (std::uint64_t k = 1; k <= chunks_; ++k) {
        std::size_t s = n / k;
        double sd = static_cast<double>(s);
        double sum_rs = 0.0;
        std::uint64_t counted = 0;
        for (std::uint64_t j = 0; j < k; ++j) {
            const double* chunk = y.data() + j * s;
            double sum = 0.0;
            for (std::size_t t = 0; t < s; ++t) sum += chunk[t];
            double m = sum / sd;
            double z = 0.0;
            double zmax = 0.0;
            double zmin = 0.0;
            double ss = 0.0;
            for (std::size_t t = 0; t < s; ++t) {
                double d = chunk[t] - m;
                z += d;
                if (t == 0 || z > zmax) zmax = z;
                if (t == 0 || z < zmin) zmin = z;
                ss += d * d;
            }
            double range = zmax - zmin;
            double spread = ss / sd;
            if (range != 0.0 && spread != 0.0) {
                sum_rs += range / std::sqrt(spread);
                ++counted;
            }
        }
        if (counted == 0) continue;
        double px = std::log(sd);
        double py = std::log(sum_rs / static_cast<double>(counted));
        // Overflowing chunk sums measure nothing: no value for this bar.
        if (!std::isfinite(py)) [[unlikely]]
            return std::nullopt;
        if (points == 0.0) first_x = px;
        distinct_x = distinct_x || px != first_x;
        points += 1.0;
        sx += px;
        sy += py;
        sxy += px * py;
        sxx += px * px;
    }
    if (points < 2.0) return 0.5;
    double den = points * sxx - sx * sx;
    // Points of one chunk size have no slope.
    if (!distinct_x || !(den > 0.0)) return 0.5;
    double h = (points * sxy - sx * sy) / den;
    if (!std::isfinite(h)) [[unlikely]]
        return std::nullopt;
    if (h < 0.0) h = 0.0;
    if (h > 1.0) h = 1.0;
    return h;
}

}  // namespace prynox
