#include "indicators/williams_yang_zhang/yang_zhang_volatility.hpp"

#include <bit>
#include <cmath>

#include "indicators/cores/fused.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<YangZhangVolatility, IndicatorError> YangZhangVolatility::create(std::uint64_t period,
                                                                               std::uint64_t periods_per_year) {
    if (period == 0 || periods_per_year == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_minimum(period, 2, kYangZhangPeriodMessage)) return std::unexpected(*e);
    return YangZhangVolatility(period, periods_per_year);
}

YangZhangVolatility::YangZhangVolatility(std::uint64_t period, std::uint64_t periods_per_year)
    : terms_(period), n_(static_cast<double>(period)),
      k_(0.34 / (1.34 + (static_cast<double>(period) + 1.0) / (static_cast<double>(period) - 1.0))),
      sqrt_periods_(std::sqrt(static_cast<double>(periods_per_year))) {}

void YangZhangVolatility::Anchored::add(double x, double leaving, bool full, std::uint64_t n) {
    if (full) {
        const double d = leaving - anchor;
        s1 = s1 - d;
        s2 = s2 - d * d;
    }
    if (!anchored) {
        anchor = x;
        anchored = true;
    }
    const double d = x - anchor;
    s1 = s1 + d;
    s2 = s2 + d * d;
    const bool same = equal_run > 0 && std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(last);
    equal_run = same ? (equal_run < n ? equal_run + 1 : equal_run) : 1;
    last = x;
}

double YangZhangVolatility::Anchored::sample_variance(double n, std::uint64_t length) const {
    if (equal_run >= length) return 0.0;
    const double m = s1 / n;
    const double v = (s2 - n * (m * m)) / (n - 1.0);
    return v > 0.0 ? v : 0.0;  // also turns -0.0 into +0.0
}

template <class Field>
void YangZhangVolatility::reanchor(Anchored& a, Field field) const {
    double sum = 0.0;
    terms_.for_each([&](const Terms& t) { sum += t.*field; });
    const double anchor = sum / n_;
    double s1 = 0.0, s2 = 0.0;
    terms_.for_each([&](const Terms& t) {
        const double d = t.*field - anchor;
        s1 += d;
        s2 += d * d;
    });
    a.anchor = anchor;
    a.s1 = s1;
    a.s2 = s2;
}

OptionalValue YangZhangVolatility::update_candle(const Candle& bar) {
    if (!has_previous_close_) [[unlikely]] {
        // A zero close makes every later overnight return infinite or NaN: it is refused too.
        if (bar.close == 0.0) return {};
        previous_close_ = bar.close;
        has_previous_close_ = true;
        return {};
    }
    const double o = std::log(bar.open / previous_close_);
    const double c = std::log(bar.close / bar.open);
    const double rs = fused_multiply_add(std::log(bar.high / bar.close), std::log(bar.high / bar.open),
                                         std::log(bar.low / bar.close) * std::log(bar.low / bar.open));
    if (!(std::isfinite(o) && std::isfinite(c) && std::isfinite(rs))) [[unlikely]] {
        // The window stays as it was, but the next overnight return is measured from this
        // close; a close of 0 never can be (every return from it is infinite).
        if (bar.close != 0.0) previous_close_ = bar.close;
        return {};
    }
    if (!terms_.make_room()) [[unlikely]]
        return {};
    previous_close_ = bar.close;
    const std::uint64_t n = terms_.capacity();
    const bool full = terms_.full();
    const Terms leaving = full ? terms_.oldest() : Terms{0.0, 0.0, 0.0};
    o_.add(o, leaving.o, full, n);
    c_.add(c, leaving.c, full, n);
    if (full) {
        rs_sum_ = rs_sum_ - leaving.rs;
        rs_nonzero_ -= leaving.rs != 0.0 ? 1 : 0;
    }
    (void)terms_.push({o, c, rs});  // room was made above
    rs_sum_ = rs_sum_ + rs;
    rs_nonzero_ += rs != 0.0 ? 1 : 0;
    if (++added_ >= n) [[unlikely]] {
        reanchor(o_, &Terms::o);
        reanchor(c_, &Terms::c);
        added_ = 0;
    }
    if (!terms_.full()) return {};
    const double var_o = o_.sample_variance(n_, n);
    const double var_c = c_.sample_variance(n_, n);
    double var_rs = 0.0;
    if (rs_nonzero_ != 0) {
        const double mean = rs_sum_ / n_;
        var_rs = mean > 0.0 ? mean : 0.0;
    }
    double variance = var_o + k_ * var_c + (1.0 - k_) * var_rs;
    variance = variance > 0.0 ? variance : 0.0;
    return std::sqrt(variance) * sqrt_periods_ * 100.0;
}

}  // namespace prynox
