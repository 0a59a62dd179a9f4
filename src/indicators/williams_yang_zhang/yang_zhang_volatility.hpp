#pragma once
// Yang-Zhang volatility over the last n candles, annualised with sqrt(P) and in percent: the
// sample variances of the overnight returns o = ln(O / previous C) and the open-to-close returns
// c = ln(C / O), and the mean Rogers-Satchell term rs = ln(H/C) ln(H/O) + ln(L/C) ln(L/O),
// mixed as var_o + k var_c + (1 - k) var_rs with k = 0.34 / (1.34 + (n + 1) / (n - 1)).
//
// o and c keep sums of their deviations from an anchor that moves to the window's mean every n
// candles; the rs sum runs without re-summing. A candle whose terms are not finite (a zero price,
// prices of mixed sign, an overflowing ratio) gives nothing and leaves the window and its sums as
// they were: one such term would leave the rs sum NaN for good. Its close (unless 0) still
// becomes the previous close, or every later overnight return against a close of 1e-300 would
// overflow as well. A window of equal o (or c)
// values has variance exactly 0, and one whose rs terms are all 0 a mean of exactly 0, whatever
// residue the sums carry. The window grows with the data up to n.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kYangZhangPeriodMessage = "Yang-Zhang period must be >= 2";

class YangZhangVolatility {
public:
    // Either parameter 0: zero period; n = 1: its own message; n above MAX_PERIOD: the maximum
    // period message. P has no upper bound.
    static std::expected<YangZhangVolatility, IndicatorError> create(std::uint64_t period,
                                                                     std::uint64_t periods_per_year);

    OptionalValue update_candle(const Candle& c);
    // n + 1
    std::uint64_t warmup_period() const { return terms_.capacity() + 1; }

private:
    struct Terms {
        double o;
        double c;
        double rs;
    };
    // Sums of (x - K) and (x - K)^2 over the window, K set by the first value and moved to the
    // window's mean on re-anchoring; with the run of bit-identical values ending at the newest.
    struct Anchored {
        double anchor = 0.0;
        double s1 = 0.0;
        double s2 = 0.0;
        double last = 0.0;
        std::uint64_t equal_run = 0;
        bool anchored = false;

        void add(double x, double leaving, bool full, std::uint64_t n);
        double sample_variance(double n, std::uint64_t length) const;
    };

    YangZhangVolatility(std::uint64_t period, std::uint64_t periods_per_year);
    template <class Field>
    void reanchor(Anchored& a, Field field) const;

    RollingWindow<Terms> terms_;
    double n_;
    double k_;
    double sqrt_periods_;
    double previous_close_ = 0.0;
    Anchored o_, c_;
    double rs_sum_ = 0.0;
    std::uint64_t rs_nonzero_ = 0;
    std::uint64_t added_ = 0;  // values added since the last re-anchoring
    bool has_previous_close_ = false;
};

}  // namespace prynox
