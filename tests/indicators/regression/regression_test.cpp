// The regression indicators against straightforward recomputations over the accepted closes of
// a varied series (rejected bars, flat runs of awkward values, zeros), their warm-ups, the
// small worked cases and the flat windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "support/indicator_test_support.hpp"
#include "indicators/regression/cfo.hpp"
#include "indicators/regression/correlation_trend_indicator.hpp"
#include "indicators/regression/lin_reg_angle.hpp"
#include "indicators/regression/lin_reg_intercept.hpp"
#include "indicators/regression/lin_reg_slope.hpp"
#include "indicators/regression/linear_regression.hpp"
#include "indicators/regression/r_squared.hpp"
#include "indicators/cores/regression_constants.hpp"
#include "indicators/cores/regression_window.hpp"
#include "indicators/regression/standard_error.hpp"
#include "indicators/regression/tsf.hpp"
#include "indicators/regression/tsf_oscillator.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::size_t kPeriods[] = {2, 3, 5, 14, 30};

// The closes with flat runs of awkward values; warm-ups on 100 gapless closes.
const test::ClosesCase& data() {
    static const test::ClosesCase d(test::closes_with_flat_runs(), 100);
    return d;
}

bool flat_window(const Vec& xs, std::size_t t, std::size_t n) {
    for (std::size_t j = t + 1 - n; j <= t; ++j)
        if (xs[j] != xs[t]) return false;
    return true;
}

// ------------------------------------------------------------------ the running least-squares fit

struct Fit {
    double slope, intercept;  // of the flat line through the value when the window is flat
    double sy, syy;
    bool flat;
};

// The shifted sums of the regression window, written out: the leaving value's deviation moves
// Sxy, Sy and Syy; the entering value is added at its position; every N updates the anchor
// moves to the window's mean and the sums are rebuilt.
std::vector<std::optional<Fit>> running_fit(const Vec& xs, std::size_t N) {
    double n = static_cast<double>(N), sx = ((n - 1) * n) * 0.5, den = ((n - 1) * n) * (2 * n - 1) / 6 * n - sx * sx;
    double k = 0, sy = 0, sxy = 0, syy = 0;
    std::size_t updates = 0;
    std::vector<std::optional<Fit>> out;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t >= N) {
            double d = xs[t - N] - k;
            sxy = d + (sxy - sy);
            sy = sy - d;
            syy = syy - d * d;
        }
        if (t == 0) k = xs[0];
        double i = static_cast<double>(std::min(t, N - 1));
        double d = xs[t] - k;
        sy = sy + d;
        syy = d * d + syy;
        sxy = i * d + sxy;
        if (++updates >= N) {
            std::size_t held = std::min(t + 1, N), first = t + 1 - held;
            double sum = 0;
            for (std::size_t j = first; j <= t; ++j) sum += xs[j];
            k = sum / static_cast<double>(held);
            sy = sxy = syy = 0;
            for (std::size_t j = first; j <= t; ++j) {
                double e = xs[j] - k;
                sy = sy + e;
                syy = e * e + syy;
                sxy = static_cast<double>(j - first) * e + sxy;
            }
            updates = 0;
        }
        if (t + 1 < N) {
            out.push_back(std::nullopt);
            continue;
        }
        double b = (sxy * n - sx * sy) / den;
        double a = k + (sy - sx * b) / n;
        bool flat = flat_window(xs, t, N);
        out.push_back(flat ? Fit{0.0, xs[t], sy, syy, true} : Fit{b, a, sy, syy, false});
    }
    return out;
}

template <class F>
Series map_fit(std::size_t N, F f) {
    auto fits = running_fit(data().finite(), N);
    Series out;
    for (std::size_t t = 0; t < fits.size(); ++t)
        out.push_back(fits[t] ? std::optional<double>(f(*fits[t], data().finite()[t])) : std::nullopt);
    return out;
}

// The textbook least-squares line of each window (two passes, centred positions).
template <class F>
Series map_plain_line(std::size_t N, F f) {
    Series out;
    for (std::size_t t = 0; t < data().finite().size(); ++t) {
        if (t + 1 < N) {
            out.push_back(std::nullopt);
            continue;
        }
        double mx = (N - 1) / 2.0, my = 0;
        for (std::size_t i = 0; i < N; ++i) my += data().finite()[t + 1 - N + i];
        my /= N;
        double sxy = 0, sxx = 0;
        for (std::size_t i = 0; i < N; ++i) {
            sxy += (i - mx) * (data().finite()[t + 1 - N + i] - my);
            sxx += (i - mx) * (i - mx);
        }
        double b = sxy / sxx;
        out.push_back(f(b, my - b * mx, data().finite()[t]));
    }
    return out;
}

TEST(RegressionTest, LineSlopeInterceptForecastAngle) {
    for (std::size_t N : kPeriods) {
        SCOPED_TRACE(N);
        double n = static_cast<double>(N);
        data().expect_exact(*LinearRegression::create(N),
                            map_fit(N, [n](Fit f, double) { return (n - 1) * f.slope + f.intercept; }));
        data().expect_exact(*LinRegSlope::create(N), map_fit(N, [](Fit f, double) { return f.slope; }));
        data().expect_exact(*LinRegIntercept::create(N), map_fit(N, [](Fit f, double) { return f.intercept; }));
        data().expect_exact(*Tsf::create(N), map_fit(N, [n](Fit f, double) { return f.slope * n + f.intercept; }));
        data().expect_near(*LinRegAngle::create(N),
                           map_fit(N, [](Fit f, double) { return std::atan(f.slope) * 180 / M_PI; }),
                           1e-12);
        // The running sums stay within rounding of a fresh fit.
        data().expect_near(*LinearRegression::create(N),
                           map_plain_line(N, [n](double b, double a, double) { return a + b * (n - 1); }), 1e-9);
        data().expect_near(*LinRegSlope::create(N),
                           map_plain_line(N, [](double b, double, double) { return b; }), 1e-9);
        data().expect_near(*Tsf::create(N),
                           map_plain_line(N, [n](double b, double a, double) { return a + b * n; }), 1e-9);
        data().expect_warmup_matches(*LinearRegression::create(N));
        data().expect_warmup_matches(*LinRegSlope::create(N));
        data().expect_warmup_matches(*LinRegIntercept::create(N));
        data().expect_warmup_matches(*Tsf::create(N));
        data().expect_warmup_matches(*LinRegAngle::create(N));
    }
}

TEST(RegressionTest, RSquared) {
    for (std::size_t N : kPeriods) {
        SCOPED_TRACE(N);
        double n = static_cast<double>(N), sx = ((n - 1) * n) * 0.5, den = ((n - 1) * n) * (2 * n - 1) / 6 * n - sx * sx;
        data().expect_exact(*RSquared::create(N), map_fit(N, [&](Fit f, double) {
                                if (f.flat) return 1.0;
                                double total = f.syy - (f.sy / n) * ((f.sy / n) * n);
                                if (total <= 0) return 1.0;
                                return std::clamp((den / n) * (f.slope * f.slope) / total, 0.0, 1.0);
                            }));
        // Against the squared correlation of a fresh fit, away from flat windows.
        Series plain;
        for (std::size_t t = 0; t < data().finite().size(); ++t) {
            if (t + 1 < N) {
                plain.push_back(std::nullopt);
                continue;
            }
            double mx = (N - 1) / 2.0, my = 0, sxy = 0, sxx = 0, syy = 0;
            for (std::size_t i = 0; i < N; ++i) my += data().finite()[t + 1 - N + i] / n;
            for (std::size_t i = 0; i < N; ++i) {
                double dy = data().finite()[t + 1 - N + i] - my;
                sxy += (i - mx) * dy;
                sxx += (i - mx) * (i - mx);
                syy += dy * dy;
            }
            plain.push_back(flat_window(data().finite(), t, N) ? 1.0 : sxy * sxy / (sxx * syy));
        }
        auto r2 = *RSquared::create(N);
        auto got = test::run(r2, data().closes());
        auto want = test::on_bars(data().closes(), plain);
        for (std::size_t i = 0; i < got.size(); ++i) {
            ASSERT_EQ(got[i].has_value(), want[i].has_value());
            // Windows of tiny moves leave the ratio of two small sums poorly conditioned.
            if (got[i]) {
                EXPECT_NEAR(*got[i], *want[i], 1e-6) << i;
            }
        }
        data().expect_warmup_matches(*RSquared::create(N));
    }
}

TEST(RegressionTest, CfoAndTsfOscillator) {
    for (std::size_t N : kPeriods) {
        SCOPED_TRACE(N);
        double n = static_cast<double>(N);
        auto oscillator = [&](auto reference) {
            std::optional<double> last;
            return map_fit(N, [&, reference](Fit f, double x) {
                if (x != 0) last = ((x - reference(f)) * 100.0) / x;
                return last.value_or(kNaN);
            });
        };
        Series cfo = oscillator([n](Fit f) { return (n - 1) * f.slope + f.intercept; });
        Series tsfo = oscillator([n](Fit f) { return f.slope * n + f.intercept; });
        // A close of 0 before any result gives none.
        for (auto* s : {&cfo, &tsfo})
            for (auto& v : *s)
                if (v && std::isnan(*v)) v.reset();
        data().expect_exact(*Cfo::create(N), cfo);
        data().expect_exact(*TsfOscillator::create(N), tsfo);
        data().expect_warmup_matches(*Cfo::create(N));
        data().expect_warmup_matches(*TsfOscillator::create(N));
    }
}

// ------------------------------------------------------------------ refitted from the window

TEST(RegressionTest, StandardError) {
    for (std::size_t N : {3u, 4u, 7u, 14u, 30u}) {
        SCOPED_TRACE(N);
        auto c = regression_constants(N);
        Series want;
        for (std::size_t t = 0; t < data().finite().size(); ++t) {
            if (t + 1 < N) {
                want.push_back(std::nullopt);
                continue;
            }
            const double* y = &data().finite()[t + 1 - N];
            double k = y[0], mid = (c.n - 1) * 0.5, sum = 0, sxy = 0, sse = 0;
            for (std::size_t i = 0; i < N; ++i) sum += y[i] - k;
            double m = sum / c.n;
            for (std::size_t i = 0; i < N; ++i) sxy += (i - mid) * ((y[i] - k) - m);
            double b = sxy / (c.denominator / c.n);
            for (std::size_t i = 0; i < N; ++i) {
                double e = ((y[i] - k) - m) - b * (i - mid);
                sse += e * e;
            }
            want.push_back(std::sqrt(sse / (c.n - 2)));
        }
        data().expect_exact(*StandardError::create(N), want);
        data().expect_warmup_matches(*StandardError::create(N));
    }
}

TEST(RegressionTest, CorrelationTrendIndicator) {
    for (std::size_t N : kPeriods) {
        SCOPED_TRACE(N);
        auto c = regression_constants(N);
        Series want;
        for (std::size_t t = 0; t < data().finite().size(); ++t) {
            if (t + 1 < N) {
                want.push_back(std::nullopt);
                continue;
            }
            if (flat_window(data().finite(), t, N)) {
                want.push_back(0.0);
                continue;
            }
            const double* y = &data().finite()[t + 1 - N];
            double sum = -0.0, sy = 0, syy = 0, sxy = 0;
            for (std::size_t i = 0; i < N; ++i) sum += y[i];
            double mean = sum / c.n;
            for (std::size_t i = 0; i < N; ++i) {
                double d = y[i] - mean;
                sy += d;
                syy += d * d;
                sxy += static_cast<double>(i) * d;
            }
            double den = c.denominator * (syy * c.n - sy * sy);
            want.push_back(den == 0 ? 0.0 : std::clamp((sxy * c.n - c.sum_x * sy) / std::sqrt(den), -1.0, 1.0));
        }
        data().expect_exact(*CorrelationTrendIndicator::create(N), want);
        data().expect_warmup_matches(*CorrelationTrendIndicator::create(N));
    }
}

// ------------------------------------------------------------------ worked cases and flat windows

template <class State>
std::optional<double> last_of(State state, std::initializer_list<double> xs) {
    std::optional<double> v;
    for (double x : xs) v = state.update_value(x);
    return v;
}

TEST(RegressionTest, SmallWindows) {
    EXPECT_EQ(last_of(*LinearRegression::create(3), {1, 2, 3}), 3.0);
    EXPECT_EQ(last_of(*Tsf::create(3), {1, 2, 3}), 4.0);
    EXPECT_EQ(last_of(*LinRegSlope::create(3), {1, 2, 3}), 1.0);
    EXPECT_EQ(last_of(*LinRegIntercept::create(3), {1, 2, 3}), 1.0);
    EXPECT_NEAR(*last_of(*LinRegAngle::create(3), {1, 2, 3}), 45.0, 1e-12);
    EXPECT_EQ(last_of(*RSquared::create(3), {1, 2, 3}), 1.0);
    EXPECT_EQ(last_of(*StandardError::create(3), {1, 2, 3}), 0.0);
    EXPECT_EQ(last_of(*CorrelationTrendIndicator::create(3), {1, 2, 3}), 1.0);
    EXPECT_EQ(last_of(*Cfo::create(3), {1, 2, 3}), 0.0);
    EXPECT_EQ(last_of(*TsfOscillator::create(3), {1, 2, 3}), -100.0 / 3.0);

    EXPECT_EQ(last_of(*LinRegSlope::create(3), {3, 2, 1}), -1.0);
    EXPECT_NEAR(*last_of(*LinRegAngle::create(3), {3, 2, 1}), -45.0, 1e-12);
    EXPECT_EQ(last_of(*CorrelationTrendIndicator::create(3), {3, 2, 1}), -1.0);

    // A close of 0 repeats the previous result; the window still takes it.
    auto cfo = *Cfo::create(2);
    EXPECT_FALSE(cfo.update_value(1));
    EXPECT_EQ(cfo.update_value(2), 0.0);
    EXPECT_EQ(cfo.update_value(0), 0.0);
    auto early = *TsfOscillator::create(2);
    EXPECT_FALSE(early.update_value(1));
    EXPECT_FALSE(early.update_value(0));  // nothing stored yet
    EXPECT_EQ(early.update_value(1), (1.0 - 2.0) * 100.0);
}

TEST(RegressionTest, FlatWindowsAfterVariation) {
    // Values whose running sums keep a residue after the anchor moves: every flat window gives
    // its fixed values exactly.
    for (double level : {0.1, 0.0, -1.0 / 3.0, 103.7, 1e-300}) {
        for (std::size_t N : {2u, 3u, 7u, 20u}) {
            SCOPED_TRACE(level);
            Vec xs = test::varied_closes(57, 11, false);
            xs.insert(xs.end(), 3 * N, level);
            auto ends_with = [&](auto state, double want) {
                auto out = test::run(state, xs);
                for (std::size_t i = xs.size() - N; i < xs.size(); ++i) {
                    ASSERT_TRUE(out[i]);
                    ASSERT_EQ(*out[i], want) << N << " " << i;
                }
            };
            ends_with(*LinRegSlope::create(N), 0.0);
            ends_with(*LinRegAngle::create(N), 0.0);
            ends_with(*LinearRegression::create(N), level);
            ends_with(*LinRegIntercept::create(N), level);
            ends_with(*Tsf::create(N), level);
            ends_with(*RSquared::create(N), 1.0);
            ends_with(*CorrelationTrendIndicator::create(N), 0.0);
            if (N >= 3) ends_with(*StandardError::create(N), 0.0);
            if (level != 0) {
                ends_with(*Cfo::create(N), 0.0);
                ends_with(*TsfOscillator::create(N), 0.0);
            }
        }
    }
}

TEST(RegressionTest, RejectedClosesChangeNothing) {
    for (double bad : {kNaN, kInf, -kInf}) {
        auto a = *LinearRegression::create(3);
        auto b = *CorrelationTrendIndicator::create(3);
        auto c = *StandardError::create(3);
        for (double x : {1.0, 2.0}) (void)a.update_value(x), (void)b.update_value(x), (void)c.update_value(x);
        EXPECT_FALSE(a.update_value(bad));
        EXPECT_FALSE(b.update_value(bad));
        EXPECT_FALSE(c.update_value(bad));
        EXPECT_EQ(a.update_value(3), 3.0);
        EXPECT_EQ(b.update_value(3), 1.0);
        EXPECT_EQ(c.update_value(3), 0.0);
    }
}

TEST(RegressionTest, OverflowingFitsGiveNoValue) {
    // Closes a whole double range apart overflow the sums: no value rather than inf or NaN,
    // and the fits recover once those closes have left the window.
    auto slope = *LinRegSlope::create(2);
    auto cti = *CorrelationTrendIndicator::create(2);
    auto se = *StandardError::create(3);
    auto cfo = *Cfo::create(2);
    (void)cfo.update_value(1);
    EXPECT_EQ(cfo.update_value(2), 0.0);
    for (double x : {-1.7e308, 1.7e308}) {
        (void)slope.update_value(x);
        (void)cti.update_value(x);
        (void)se.update_value(x);
    }
    EXPECT_FALSE(slope.update_value(-1.7e308));
    EXPECT_FALSE(cti.update_value(-1.7e308));
    EXPECT_FALSE(se.update_value(-1.7e308));
    EXPECT_FALSE(cfo.update_value(-1.7e308));
    EXPECT_FALSE(cfo.update_value(1.7e308));
    for (double x : {1.0, 2.0, 3.0, 4.0, 5.0}) (void)slope.update_value(x), (void)cti.update_value(x), (void)se.update_value(x);
    EXPECT_EQ(slope.update_value(6.0), 1.0);
    EXPECT_EQ(cti.update_value(7.0), 1.0);
    EXPECT_EQ(se.update_value(6.0), 0.0);
}

TEST(RegressionTest, ConstantsMatchTheRegressionWindow) {
    for (std::uint64_t n : {2u, 3u, 5u, 14u, 1000u, 16777216u}) {
        auto c = regression_constants(n);
        RegressionWindow w(n);
        EXPECT_EQ(c.sum_x, w.sum_x());
        EXPECT_EQ(c.denominator, w.denominator());
    }
}

}  // namespace
}  // namespace prynox
