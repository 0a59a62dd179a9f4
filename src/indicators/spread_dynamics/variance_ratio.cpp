#include "indicators/spread_dynamics/variance_ratio.hpp"

#include <new>
#include <stdexcept>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<VarianceRatio, IndicatorError> VarianceRatio::create(std::uint64_t period, std::uint64_t q) {
    if (auto e = check_minimum(q, 2, kVarianceRatioQMessage)) return std::unexpected(*e);
    if (period < sat_add(q, 2)) return std::unexpected(IndicatorError::invalid_period(kVarianceRatioPeriodMessage));
    return VarianceRatio(period, q);
}

OptionalValue VarianceRatio::update_pair(double close, double reference) {
    auto s = window_.take_full(close, reference);
    if (s.empty()) [[unlikely]]
        return std::nullopt;
    if (changes_.size() + 1 < s.size()) [[unlikely]] {
        try {
            changes_.resize(s.size() - 1);
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        } catch (const std::length_error&) {
            return std::nullopt;
        }
    }
    return of(s, q_, changes_);
}

OptionalValue VarianceRatio::of(std::span<const double> s, std::uint64_t q, std::vector<double>& changes) {
    const std::size_t m = s.size() - 1;
    const double md = static_cast<double>(m);
    double sum = 0.0;
    bool equal = true;
    for (std::size_t t = 0; t < m; ++t) {
        const double r = s[t + 1] - s[t];
        changes[t] = r;
        sum += r;
        equal = equal && r == changes[0];
    }
    const double mu = sum / md;
    double sq = 0.0;
    for (std::size_t t = 0; t < m; ++t) {
        const double d = changes[t] - mu;
        sq += d * d;
    }
    // Equal changes have no variance, whatever their mean's last bit makes of the deviations.
    const double var1 = sq / md;
    if (var1 <= 0.0 || equal) return 1.0;
    const double qd = static_cast<double>(q), q_mu = qd * mu;
    double acc = 0.0;
    std::size_t runs = 0;
    for (std::size_t j = 0; j + q <= m; ++j) {
        double run = changes[j];
        for (std::size_t i = 1; i < q; ++i) run += changes[j + i];
        const double d = run - q_mu;
        acc += d * d;
        ++runs;
    }
    const double varq = acc / static_cast<double>(runs);
    return finite_result(varq / (qd * var1));
}

}  // namespace prynox
