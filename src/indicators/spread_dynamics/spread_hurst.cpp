#include "indicators/spread_dynamics/spread_hurst.hpp"

#include <cmath>
#include <new>
#include <stdexcept>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<SpreadHurst, IndicatorError> SpreadHurst::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 8, kSpreadHurstPeriodMessage)) return std::unexpected(*e);
    return SpreadHurst(period);
}

OptionalValue SpreadHurst::update_pair(double close, double reference) {
    auto s = window_.take_full(close, reference);
    if (s.empty()) [[unlikely]]
        return std::nullopt;
    if (log_lags_.size() < max_lag_) [[unlikely]] {
        try {
            log_lags_.resize(max_lag_);
            log_vars_.resize(max_lag_);
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        } catch (const std::length_error&) {
            return std::nullopt;
        }
    }
    return of(s, max_lag_, log_lags_, log_vars_);
}

OptionalValue SpreadHurst::of(std::span<const double> s, std::uint64_t max_lag, std::vector<double>& log_lags,
                              std::vector<double>& log_vars) {
    const std::size_t n = s.size();
    std::size_t points = 0;
    for (std::size_t k = 1; k <= max_lag; ++k) {
        double sum = 0.0;
        for (std::size_t i = 0; i + k < n; ++i) {
            const double d = s[i + k] - s[i];
            sum += d * d;
        }
        const double v = sum / static_cast<double>(n - k);
        if (v > 0.0) {
            log_lags[points] = std::log(static_cast<double>(k));
            log_vars[points] = std::log(v);
            ++points;
        }
    }
    if (points < 2) return 0.5;
    const double count = static_cast<double>(points);
    double sx = 0.0, sy = 0.0;
    for (std::size_t j = 0; j < points; ++j) {
        sx += log_lags[j];
        sy += log_vars[j];
    }
    const double mx = sx / count, my = sy / count;
    double sxx = 0.0, sxy = 0.0;
    for (std::size_t j = 0; j < points; ++j) {
        const double dx = log_lags[j] - mx;
        sxx += dx * dx;
        sxy += dx * (log_vars[j] - my);
    }
    const double h = (sxy / sxx) * 0.5;
    if (h < 0.0) return 0.0;
    if (h > 1.0) return 1.0;
    return finite_result(h);
}

}  // namespace prynox
