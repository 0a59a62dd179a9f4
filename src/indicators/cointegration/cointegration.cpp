#include "indicators/cointegration/cointegration.hpp"

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>

#include "indicators/cointegration/linear_solvers.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<Cointegration, IndicatorError> Cointegration::create(std::uint64_t period, std::uint64_t adf_lags) {
    if (period < sat_add(sat_mul(2, adf_lags), 4))
        return std::unexpected(IndicatorError::invalid_period(kCointegrationPeriodMessage));
    const std::uint64_t k = sat_add(adf_lags, 1);
    if (auto e = check_max_period(sat_mul(k, k))) return std::unexpected(*e);
    try {
        Cointegration c(period, adf_lags);
        c.row_.resize(k);
        c.normal_.resize(k * k);
        c.rhs_.resize(2 * k);
        return c;
    } catch (const std::bad_alloc&) {
        return std::unexpected(IndicatorError::invalid_period(kMaxPeriodMessage));
    } catch (const std::length_error&) {
        return std::unexpected(IndicatorError::invalid_period(kMaxPeriodMessage));
    }
}

void Cointegration::fill_row(std::size_t t) {
    const double* e = residuals_.data();
    row_[0] = e[t - 1];
    for (std::size_t j = 1; j <= lags_; ++j) row_[j] = e[t - j] - e[t - j - 1];
}

double Cointegration::adf_stat() {
    const std::size_t n = residuals_.size(), k = lags_ + 1;
    if (n - k <= k) return 0.0;
    std::fill(normal_.begin(), normal_.end(), 0.0);
    std::fill(rhs_.begin(), rhs_.end(), 0.0);
    for (std::size_t t = k; t < n; ++t) {
        fill_row(t);
        const double y = residuals_[t] - residuals_[t - 1];
        for (std::size_t a = 0; a < k; ++a) {
            const double xa = row_[a];
            double* line = &normal_[a * k];
            for (std::size_t b = a; b < k; ++b) line[b] += xa * row_[b];
            rhs_[2 * a] += xa * y;
        }
    }
    for (std::size_t a = 0; a < k; ++a)
        for (std::size_t b = 0; b < a; ++b) normal_[a * k + b] = normal_[b * k + a];
    // The coefficients and the first column of the inverse in one elimination: each right-hand
    // side gets what a solve of its own gives.
    rhs_[1] = 1.0;
    if (!solve_linear_system(normal_, k, rhs_, 2)) return 0.0;
    double rss = 0.0;
    for (std::size_t t = k; t < n; ++t) {
        fill_row(t);
        double fit = 0.0;
        for (std::size_t j = 0; j < k; ++j) fit += row_[j] * rhs_[2 * j];
        const double e = (residuals_[t] - residuals_[t - 1]) - fit;
        rss += e * e;
    }
    const double s2 = rss / static_cast<double>((n - k) - k);
    const double v = s2 * rhs_[1];
    if (!(v > 0.0)) return 0.0;
    return rhs_[0] / std::sqrt(v);
}

bool Cointegration::update_pair(double close, double reference, std::array<double, 3>& out) {
    if (!window_.push(close, reference)) [[unlikely]]
        return false;
    if (!window_.full()) return false;
    const std::size_t n = window_.size();
    if (residuals_.size() != n) [[unlikely]] {
        try {
            residuals_.resize(n);
        } catch (const std::bad_alloc&) {
            residuals_.clear();
            return false;
        } catch (const std::length_error&) {
            residuals_.clear();
            return false;
        }
    }
    const PairMoments m = window_.moments();
    double hedge_ratio = 0.0, intercept = m.mean_x;
    if (m.var_y != 0.0) {
        hedge_ratio = m.cov / m.var_y;
        intercept = m.mean_x - hedge_ratio * m.mean_y;
    }
    std::size_t i = 0;
    window_.pairs().for_each([&](const XY& p) { residuals_[i++] = p.x - (intercept + hedge_ratio * p.y); });
    const double spread = residuals_[n - 1];
    const double adf = adf_stat();
    if (!(std::isfinite(hedge_ratio) && std::isfinite(spread) && std::isfinite(adf))) [[unlikely]]
        return false;
    out = {hedge_ratio, spread, adf};
    return true;
}

}  // namespace prynox
