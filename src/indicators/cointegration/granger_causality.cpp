#include "indicators/cointegration/granger_causality.hpp"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "indicators/cointegration/linear_solvers.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<GrangerCausality, IndicatorError> GrangerCausality::create(std::uint64_t period, std::uint64_t lag) {
    if (lag == 0) return std::unexpected(IndicatorError::invalid_period(kGrangerLagMessage));
    if (auto e = check_max_period(lag)) return std::unexpected(*e);
    if (period < sat_add(sat_mul(3, lag), 2)) return std::unexpected(IndicatorError::invalid_period(kGrangerPeriodMessage));
    const std::uint64_t u = sat_add(sat_mul(2, lag), 1), r = sat_add(lag, 1);
    if (auto e = check_max_period(sat_mul(u, u))) return std::unexpected(*e);
    try {
        GrangerCausality g(period, lag);
        g.row_.resize(u);
        g.normal_.resize(u * u);
        g.restricted_.resize(r * r);
        g.rhs_.resize(u);
        g.restricted_rhs_.resize(r);
        return g;
    } catch (const std::bad_alloc&) {
        return std::unexpected(IndicatorError::invalid_period(kMaxPeriodMessage));
    } catch (const std::length_error&) {
        return std::unexpected(IndicatorError::invalid_period(kMaxPeriodMessage));
    }
}

void GrangerCausality::fill_row(std::size_t t) {
    const std::size_t p = lag_;
    row_[0] = 1.0;
    for (std::size_t j = 1; j <= p; ++j) row_[j] = closes_[t - j];
    for (std::size_t j = 1; j <= p; ++j) row_[p + j] = references_[t - j];
}

double GrangerCausality::residual_sum(std::size_t regressors, const double* b) {
    double rss = 0.0;
    for (std::size_t t = lag_; t < closes_.size(); ++t) {
        fill_row(t);
        double fit = 0.0;
        for (std::size_t j = 0; j < regressors; ++j) fit += row_[j] * b[j];
        const double e = closes_[t] - fit;
        rss += e * e;
    }
    return rss;
}

OptionalValue GrangerCausality::update_pair(double close, double reference) {
    if (!pairs_.push(XY{close, reference})) [[unlikely]]
        return std::nullopt;
    if (!pairs_.full()) return std::nullopt;
    const std::size_t n_pairs = pairs_.size();
    if (closes_.size() != n_pairs) [[unlikely]] {
        try {
            closes_.resize(n_pairs);
            references_.resize(n_pairs);
        } catch (const std::bad_alloc&) {
            closes_.clear();
            return std::nullopt;
        } catch (const std::length_error&) {
            closes_.clear();
            return std::nullopt;
        }
    }
    std::size_t i = 0;
    pairs_.for_each([&](const XY& v) {
        closes_[i] = v.x;
        references_[i] = v.y;
        ++i;
    });

    // X'X and X'y of the unrestricted rows, summed over the observations in order; the
    // restricted fit's are their leading corner (its rows are the unrestricted rows' prefix).
    const std::size_t p = lag_, u = 2 * p + 1, r = p + 1;
    std::fill(normal_.begin(), normal_.end(), 0.0);
    std::fill(rhs_.begin(), rhs_.end(), 0.0);
    for (std::size_t t = p; t < n_pairs; ++t) {
        fill_row(t);
        const double y = closes_[t];
        for (std::size_t a = 0; a < u; ++a) {
            const double xa = row_[a];
            double* line = &normal_[a * u];
            for (std::size_t b = a; b < u; ++b) line[b] += xa * row_[b];
            rhs_[a] += xa * y;
        }
    }
    for (std::size_t a = 0; a < u; ++a)
        for (std::size_t b = 0; b < a; ++b) normal_[a * u + b] = normal_[b * u + a];
    for (std::size_t a = 0; a < r; ++a) {
        for (std::size_t b = 0; b < r; ++b) restricted_[a * r + b] = normal_[a * u + b];
        restricted_rhs_[a] = rhs_[a];
    }

    if (!solve_linear_system(restricted_, r, restricted_rhs_, 1)) return 0.0;
    const double rss_r = residual_sum(r, restricted_rhs_.data());
    if (!solve_linear_system(normal_, u, rhs_, 1)) return 0.0;
    const double rss_u = residual_sum(u, rhs_.data());

    const double n = static_cast<double>(n_pairs - p);
    const double f = ((rss_r - rss_u) / static_cast<double>(p)) / (rss_u / (n - static_cast<double>(u)));
    // A negative or undefined statistic is no evidence; an exact unrestricted fit gives +inf.
    if (!(f >= 0.0)) return 0.0;
    return f;
}

}  // namespace prynox
