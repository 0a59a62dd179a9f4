#include "indicators/cointegration/lead_lag_cross_correlation.hpp"

#include <cmath>
#include <new>
#include <stdexcept>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<LeadLagCrossCorrelation, IndicatorError> LeadLagCrossCorrelation::create(std::uint64_t window,
                                                                                        std::uint64_t max_lag) {
    if (auto e = check_minimum(window, 2, kLeadLagWindowMessage)) return std::unexpected(*e);
    if (max_lag == 0) return std::unexpected(IndicatorError::invalid_period(kLeadLagMaxLagMessage));
    return LeadLagCrossCorrelation(window, max_lag, sat_add(window, sat_mul(2, max_lag)));
}

double LeadLagCrossCorrelation::correlation_at(std::size_t start) const {
    const std::size_t w = window_, m = max_lag_;
    // A reference window of equal values has no variance, whatever its mean's last bit leaves.
    if (reference_runs_[start + w - 1] >= w || close_var_ == 0.0) return 0.0;
    const double wd = static_cast<double>(w);
    double sy = 0.0;
    for (std::size_t i = 0; i < w; ++i) sy += references_[start + i];
    const double my = sy / wd;
    double syy = 0.0, sxy = 0.0;
    for (std::size_t i = 0; i < w; ++i) {
        const double dy = references_[start + i] - my;
        syy += dy * dy;
        sxy += (closes_[m + i] - close_mean_) * dy;
    }
    double var_y = syy / wd;
    var_y = var_y > 0.0 ? var_y : 0.0;
    const double product = close_var_ * var_y;
    if (product == 0.0) return 0.0;
    const double c = (sxy / wd) / std::sqrt(product);
    return c < -1.0 ? -1.0 : (c > 1.0 ? 1.0 : c);
}

bool LeadLagCrossCorrelation::update_pair(double close, double reference, std::array<double, 1>& out) {
    if (!pairs_.push(XY{close, reference})) [[unlikely]]
        return false;
    if (!pairs_.full()) return false;
    const std::size_t length = pairs_.size();
    if (closes_.size() != length) [[unlikely]] {
        try {
            closes_.resize(length);
            references_.resize(length);
            reference_runs_.resize(length);
        } catch (const std::bad_alloc&) {
            closes_.clear();
            return false;
        } catch (const std::length_error&) {
            closes_.clear();
            return false;
        }
    }
    std::size_t k = 0;
    pairs_.for_each([&](const XY& v) {
        closes_[k] = v.x;
        references_[k] = v.y;
        reference_runs_[k] = k > 0 && v.y == references_[k - 1] ? reference_runs_[k - 1] + 1 : 1;
        ++k;
    });

    const std::size_t w = window_, m = max_lag_;
    const double wd = static_cast<double>(w);
    double sx = 0.0;
    bool flat = true;
    for (std::size_t i = 0; i < w; ++i) {
        sx += closes_[m + i];
        flat = flat && closes_[m + i] == closes_[m];
    }
    close_mean_ = sx / wd;
    double sxx = 0.0;
    for (std::size_t i = 0; i < w; ++i) {
        const double dx = closes_[m + i] - close_mean_;
        sxx += dx * dx;
    }
    // Equal closes have no variance, whatever their mean's last bit leaves.
    close_var_ = flat ? 0.0 : sxx / wd;
    close_var_ = close_var_ > 0.0 ? close_var_ : 0.0;

    double best = correlation_at(m);
    for (std::size_t lag = 1; lag <= m; ++lag) {
        const double before = correlation_at(m - lag), after = correlation_at(m + lag);
        if (std::fabs(before) > std::fabs(best)) best = before;
        if (std::fabs(after) > std::fabs(best)) best = after;
    }
    if (!std::isfinite(best)) [[unlikely]]
        return false;
    out = {best};
    return true;
}

}  // namespace prynox
