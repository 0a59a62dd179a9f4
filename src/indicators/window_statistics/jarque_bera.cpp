#include "indicators/window_statistics/jarque_bera.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<JarqueBera, IndicatorError> JarqueBera::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (period < 4) return std::unexpected(IndicatorError::invalid_period(kJarqueBeraPeriodMessage));
    return JarqueBera(period);
}

OptionalValue JarqueBera::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    bool flat = run_.push(x);
    if (!window_.full()) return std::nullopt;
    if (flat) return 0.0;
    double sum = 0.0;
    window_.for_each([&sum](double y) { sum += y; });
    double mean = sum / n_;
    double s2 = 0.0;
    double s3 = 0.0;
    double s4 = 0.0;
    window_.for_each([&](double y) {
        double d = y - mean;
        double d2 = d * d;
        s2 += d2;
        s3 += d2 * d;
        s4 += d2 * d2;
    });
    double m2 = s2 / n_;
    double m3 = s3 / n_;
    double m4 = s4 / n_;
    if (m2 == 0.0) return 0.0;
    double skew = m3 / (m2 * std::sqrt(m2));
    double kurt = m4 / (m2 * m2) - 3.0;
    return finite_result(n_ / 6.0 * (skew * skew + kurt * kurt * 0.25));
}

}  // namespace prynox
