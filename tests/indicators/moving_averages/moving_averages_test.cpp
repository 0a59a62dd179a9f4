// The moving averages of the close: each type against a straightforward recomputation over the
// accepted closes of a varied series with rejected bars, their warm-ups, and the edge cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "support/indicator_test_support.hpp"
#include "indicators/moving_averages/alma.hpp"
#include "indicators/moving_averages/dema.hpp"
#include "indicators/moving_averages/ehma.hpp"
#include "indicators/moving_averages/ema.hpp"
#include "indicators/moving_averages/fama.hpp"
#include "indicators/moving_averages/frama.hpp"
#include "indicators/moving_averages/generalized_dema.hpp"
#include "indicators/moving_averages/geometric_ma.hpp"
#include "indicators/moving_averages/hma.hpp"
#include "indicators/moving_averages/holt_winters.hpp"
#include "indicators/moving_averages/jma.hpp"
#include "indicators/moving_averages/kama.hpp"
#include "indicators/moving_averages/mcginley_dynamic.hpp"
#include "indicators/moving_averages/median_ma.hpp"
#include "indicators/moving_averages/mid_point.hpp"
#include "indicators/moving_averages/sine_weighted_ma.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/moving_averages/smma.hpp"
#include "indicators/moving_averages/t3.hpp"
#include "indicators/moving_averages/tema.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/moving_averages/trima.hpp"
#include "indicators/moving_averages/vidya.hpp"
#include "indicators/moving_averages/wma.hpp"
#include "indicators/moving_averages/zlema.hpp"

namespace prynox {
namespace {

using test::Series;
using test::ref_ema;
using test::ref_sma;
using test::through;
using Vec = std::vector<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::size_t kBars = 400;

// ------------------------------------------------------------------ reference building blocks
// Each works on a plain vector of accepted inputs, indexed by position, and gives one optional
// output per input.

Series lift(const Vec& xs) { return Series(xs.begin(), xs.end()); }

Series ref_wma(const Vec& xs, std::size_t n) {
    Series out;
    double nd = static_cast<double>(n), d = (nd + 1.0) * nd * 0.5, sum = 0.0, num = 0.0;
    std::size_t laps = 0;
    auto recompute = [&](std::size_t t) {
        sum = -0.0;
        num = -0.0;
        for (std::size_t k = 0; k < n; ++k) {
            sum += xs[t + 1 - n + k];
            num += static_cast<double>(k + 1) * xs[t + 1 - n + k];
        }
    };
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t < n) {
            sum = sum + xs[t];
            if (t + 1 < n) {
                out.push_back(std::nullopt);
                continue;
            }
            double s = sum;
            recompute(t);
            sum = s;  // the plain sum keeps its running value; only the numerator is weighed
            out.push_back(num / d);
            continue;
        }
        num = (num - sum) + xs[t] * nd;
        sum = xs[t] + (sum - xs[t - n]);
        if ((t + 1 - n) % n == 0 && ++laps == 16) {
            recompute(t);
            laps = 0;
        }
        out.push_back(num / d);
    }
    return out;
}

// ------------------------------------------------------------------ harness

const test::ClosesCase& data() {
    static const test::ClosesCase d(test::varied_closes(kBars, 42, true), kBars);
    return d;
}

// ------------------------------------------------------------------ single-core types

TEST(MovingAverageTest, SmaAgainstRunningSumAndPlainMean) {
    for (std::size_t n : {1u, 2u, 5u, 14u, 30u}) {
        SCOPED_TRACE(n);
        data().expect_exact(*Sma::create(n), ref_sma(data().finite(), n));
        Series plain;
        for (std::size_t t = 0; t < data().finite().size(); ++t) {
            if (t + 1 < n) {
                plain.push_back(std::nullopt);
                continue;
            }
            double s = 0;
            for (std::size_t i = t + 1 - n; i <= t; ++i) s += data().finite()[i];
            plain.push_back(s / n);
        }
        data().expect_near(*Sma::create(n), plain, 1e-10);
        data().expect_warmup_matches(*Sma::create(n));
    }
}

TEST(MovingAverageTest, WmaAgainstRunningSumsAndPlainWeights) {
    for (std::size_t n : {1u, 2u, 3u, 10u, 21u}) {
        SCOPED_TRACE(n);
        data().expect_exact(*Wma::create(n), ref_wma(data().finite(), n));
        Series plain;
        for (std::size_t t = 0; t < data().finite().size(); ++t) {
            if (t + 1 < n) {
                plain.push_back(std::nullopt);
                continue;
            }
            double num = 0;
            for (std::size_t k = 0; k < n; ++k) num += (k + 1.0) * data().finite()[t + 1 - n + k];
            plain.push_back(num / (n * (n + 1.0) / 2));
        }
        data().expect_near(*Wma::create(n), plain, 1e-10);
        data().expect_warmup_matches(*Wma::create(n));
    }
}

TEST(MovingAverageTest, Ema) {
    for (std::size_t n : {1u, 3u, 10u, 50u}) {
        SCOPED_TRACE(n);
        data().expect_exact(*Ema::create(n), ref_ema(data().finite(), n));
        data().expect_warmup_matches(*Ema::create(n));
    }
    auto e = *Ema::create(3);
    EXPECT_FALSE(e.update_value(1));
    EXPECT_FALSE(e.update_value(2));
    EXPECT_EQ(e.update_value(3), 2.0);
    EXPECT_EQ(e.update_value(4), 3.0);
}

TEST(MovingAverageTest, Zlema) {
    for (std::size_t n : {1u, 2u, 9u, 20u}) {
        SCOPED_TRACE(n);
        std::size_t lag = (n - 1) / 2;
        Vec adjusted;
        Series aligned;
        for (std::size_t t = 0; t < data().finite().size(); ++t) {
            if (t < lag) {
                aligned.push_back(std::nullopt);
                continue;
            }
            aligned.push_back(std::fma(2.0, data().finite()[t], -data().finite()[t - lag]));
        }
        data().expect_exact(*Zlema::create(n), through(aligned, [n](const Vec& v) { return ref_ema(v, n); }));
        data().expect_warmup_matches(*Zlema::create(n));
    }
}

// ------------------------------------------------------------------ chained EMA types

TEST(MovingAverageTest, DemaTemaGeneralizedDema) {
    for (std::size_t n : {1u, 2u, 7u, 20u}) {
        SCOPED_TRACE(n);
        Series e1 = ref_ema(data().finite(), n);
        Series e2 = through(e1, [n](const Vec& v) { return ref_ema(v, n); });
        Series e3 = through(e2, [n](const Vec& v) { return ref_ema(v, n); });
        Series dema(e1.size()), tema(e1.size()), gd(e1.size());
        const double v = 0.7;
        for (std::size_t i = 0; i < e1.size(); ++i) {
            if (e2[i]) dema[i] = (*e1[i] + *e1[i]) - *e2[i];
            if (e2[i]) gd[i] = *e1[i] * (1.0 + v) - *e2[i] * v;
            if (e3[i]) tema[i] = (3.0 * *e1[i] - 3.0 * *e2[i]) + *e3[i];
        }
        data().expect_exact(*Dema::create(n), dema);
        data().expect_exact(*Tema::create(n), tema);
        data().expect_exact(*GeneralizedDema::create(n, v), gd);
        data().expect_warmup_matches(*Dema::create(n));
        data().expect_warmup_matches(*Tema::create(n));
        data().expect_warmup_matches(*GeneralizedDema::create(n, v));
    }
    auto d = *Dema::create(2);
    EXPECT_FALSE(d.update_value(1));
    EXPECT_FALSE(d.update_value(2));
    EXPECT_TRUE(d.update_value(3));
    // v = 1 is the plain Dema.
    auto plain = *Dema::create(6);
    data().expect_exact(*GeneralizedDema::create(6, 1.0), test::run(plain, data().finite()));
}

TEST(MovingAverageTest, T3) {
    for (auto [n, v] : {std::pair<std::size_t, double>{1, 0.7}, {3, 0.7}, {5, 0.0}, {5, 1.0}, {8, 0.35}}) {
        SCOPED_TRACE(n);
        Series e[7];
        e[0] = lift(data().finite());
        for (int k = 1; k <= 6; ++k) e[k] = through(e[k - 1], [n](const Vec& x) { return ref_ema(x, n); });
        double v2 = v * v, v3 = v * v * v;
        double c1 = -v3, c2 = 3 * v2 + 3 * v3, c3 = -6 * v2 - 3 * v - 3 * v3, c4 = 1 + 3 * v + v3 + 3 * v2;
        Series want(data().finite().size());
        for (std::size_t i = 0; i < want.size(); ++i)
            if (e[6][i]) want[i] = ((*e[6][i] * c1 + *e[5][i] * c2) + *e[4][i] * c3) + *e[3][i] * c4;
        // The coefficients are sums of a few products; allow their last-bit order.
        data().expect_near(*T3::create(n, v), want, 1e-13);
        data().expect_warmup_matches(*T3::create(n, v));
    }
    auto t3 = *T3::create(5, 0.7);
    EXPECT_EQ(t3.c1(), -(0.7 * (0.7 * 0.7)));
    EXPECT_EQ(t3.c4(), 3.0 * (0.7 * 0.7) + ((1.0 + 3.0 * 0.7) + 0.7 * (0.7 * 0.7)));
}

// ------------------------------------------------------------------ Hull and triangular

std::pair<std::size_t, std::size_t> hull(std::size_t n) {
    std::size_t h = std::max<std::size_t>(n / 2, 1);
    std::size_t r = std::max<std::size_t>(static_cast<std::size_t>(std::llround(std::sqrt(double(n)))), 1);
    return {h, r};
}

TEST(MovingAverageTest, Hma) {
    for (std::size_t n : {1u, 2u, 4u, 9u, 16u, 20u}) {
        SCOPED_TRACE(n);
        auto [h, r] = hull(n);
        Series a = ref_wma(data().finite(), h), b = ref_wma(data().finite(), n), diff(data().finite().size());
        for (std::size_t i = 0; i < diff.size(); ++i)
            if (a[i] && b[i]) diff[i] = (*a[i] + *a[i]) - *b[i];
        data().expect_exact(*Hma::create(n), through(diff, [r](const Vec& v) { return ref_wma(v, r); }));
        data().expect_warmup_matches(*Hma::create(n));
    }
    EXPECT_EQ(Hma::create(1)->lengths().half, 1u);
    EXPECT_EQ(Hma::create(2)->lengths().root, 1u);
    EXPECT_EQ(Hma::create(16)->lengths().half, 8u);
    EXPECT_EQ(Hma::create(16)->lengths().root, 4u);
    auto one = *Hma::create(1);
    for (double x : {3.0, 5.5, 1.25}) EXPECT_EQ(one.update_value(x), x);
}

TEST(MovingAverageTest, Ehma) {
    for (std::size_t n : {1u, 2u, 6u, 16u, 25u}) {
        SCOPED_TRACE(n);
        auto [h, r] = hull(n);
        Series a = ref_ema(data().finite(), h), b = ref_ema(data().finite(), n), raw(data().finite().size());
        for (std::size_t i = 0; i < raw.size(); ++i)
            if (a[i] && b[i]) raw[i] = (*a[i] + *a[i]) - *b[i];
        data().expect_exact(*Ehma::create(n), through(raw, [r](const Vec& v) { return ref_ema(v, r); }));
        data().expect_warmup_matches(*Ehma::create(n));
    }
}

TEST(MovingAverageTest, Trima) {
    for (std::size_t n : {1u, 2u, 5u, 10u, 15u}) {
        SCOPED_TRACE(n);
        Series first = ref_sma(data().finite(), n - n / 2);
        data().expect_exact(*Trima::create(n), through(first, [n](const Vec& v) { return ref_sma(v, n / 2 + 1); }));
        data().expect_warmup_matches(*Trima::create(n));
    }
    auto one = *Trima::create(1);
    for (double x : {3.0, 5.5}) EXPECT_EQ(one.update_value(x), x);
}

// ------------------------------------------------------------------ seeded recursions

Series ref_seeded(const Vec& xs, std::size_t n, double (*step)(double x, double prev, double n)) {
    Series out;
    double seed = 0.0;
    std::optional<double> value;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (!value) {
            seed += xs[t];
            if (t + 1 == n) value = seed / static_cast<double>(n);
            out.push_back(value);
            continue;
        }
        value = step(xs[t], *value, static_cast<double>(n));
        out.push_back(value);
    }
    return out;
}

TEST(MovingAverageTest, Smma) {
    for (std::size_t n : {1u, 2u, 14u}) {
        SCOPED_TRACE(n);
        data().expect_exact(*Smma::create(n), ref_seeded(data().finite(), n, [](double x, double v, double nd) {
            return (x + v * (nd - 1)) / nd;
        }));
        data().expect_warmup_matches(*Smma::create(n));
    }
    auto s = *Smma::create(2);
    EXPECT_FALSE(s.update_value(2));
    EXPECT_EQ(s.update_value(4), 3.0);
    EXPECT_EQ(s.update_value(6), 4.5);
}

TEST(MovingAverageTest, McGinleyDynamic) {
    auto step = [](double x, double v, double nd) {
        if (x <= 0 || v <= 0) return v;
        double r = x / v;
        return v + (x - v) / (r * r * (r * r) * (nd * 0.6));
    };
    for (std::size_t n : {1u, 3u, 14u}) {
        SCOPED_TRACE(n);
        data().expect_exact(*McGinleyDynamic::create(n), ref_seeded(data().finite(), n, step));
        data().expect_warmup_matches(*McGinleyDynamic::create(n));
    }
    auto m = *McGinleyDynamic::create(2);
    (void)m.update_value(10);
    auto v = m.update_value(12);
    EXPECT_EQ(m.update_value(0.0), v);
    EXPECT_EQ(m.update_value(-5.0), v);
}

TEST(MovingAverageTest, McGinleyDynamicSkipsAStepThatWouldBeInfinite) {
    auto m = *McGinleyDynamic::create(1);
    EXPECT_EQ(m.update_value(1e200), 1e200);
    // r = 1e-300: r^4 underflows to 0 and the step would divide by zero.
    EXPECT_FALSE(m.update_value(1e-100));
    auto next = m.update_value(1e200);
    ASSERT_TRUE(next);
    EXPECT_EQ(*next, 1e200);
}

TEST(MovingAverageTest, JmaAndHoltWintersRecursions) {
    for (auto [n, phase, power] : {std::tuple<std::size_t, double, unsigned>{7, 0, 2}, {1, 50, 1}, {14, -1000, 3},
                                    {10, 1000, 4}, {20, 25, 2}}) {
        SCOPED_TRACE(n);
        double t = (n - 1.0) * 0.45, beta = t / (t + 2.0), alpha = std::pow(beta, double(power));
        double pr = std::clamp(phase / 100 + 1.5, 0.5, 2.5);
        Series want;
        double e0 = 0, d0 = 0, d1 = 0, value = 0;
        for (std::size_t i = 0; i < data().finite().size(); ++i) {
            double x = data().finite()[i];
            if (i == 0) {
                e0 = value = x;
            } else {
                e0 = x * (1 - alpha) + alpha * e0;
                d0 = (x - e0) * (1 - beta) + beta * d0;
                d1 = alpha * alpha * d1 + (1 - alpha) * ((1 - alpha) * (e0 + pr * d0 - value));
                value = value + d1;
            }
            want.push_back(value);
        }
        // beta^power by repeated squaring may differ from pow in the last bit.
        data().expect_near(*Jma::create(n, power, phase), want, 1e-12);
    }
    EXPECT_EQ(Jma::create(5, 2, -1000)->phase_ratio(), 0.5);
    EXPECT_EQ(Jma::create(5, 2, 1000)->phase_ratio(), 2.5);
    EXPECT_EQ(Jma::create(5, 3, 0)->alpha(), Jma::create(5, 3, 0)->beta() * (Jma::create(5, 3, 0)->beta() * Jma::create(5, 3, 0)->beta()));
    auto j = *Jma::create(7, 2, 0);
    EXPECT_EQ(j.update_value(42.5), 42.5);

    for (auto [a, b] : {std::pair{0.5, 0.3}, {1.0, 1.0}, {0.2, 0.05}}) {
        Series want;
        double level = 0, trend = 0;
        for (std::size_t i = 0; i < data().finite().size(); ++i) {
            double x = data().finite()[i];
            if (i == 0) {
                want.push_back(std::nullopt);
            } else if (i == 1) {
                level = x;
                trend = x - data().finite()[0];
                want.push_back(level + trend);
            } else {
                double nl = a * x + (1 - a) * (level + trend);
                trend = trend * (1 - b) + b * (nl - level);
                level = nl;
                want.push_back(level + trend);
            }
        }
        data().expect_exact(*HoltWinters::create(a, b), want);
    }
    auto hw = *HoltWinters::create(0.5, 0.5);
    EXPECT_FALSE(hw.update_value(10));
    EXPECT_EQ(hw.update_value(12), 14.0);
}

// ------------------------------------------------------------------ window-weighted types

TEST(MovingAverageTest, Alma) {
    for (auto [n, o, sigma] : {std::tuple<std::size_t, double, double>{9, 0.85, 6}, {1, 0.5, 1}, {20, 0, 3}, {10, 1, 0.5}}) {
        SCOPED_TRACE(n);
        double m = o * (n - 1.0), s = n / sigma, total = -0.0;
        Vec w(n);
        for (std::size_t i = 0; i < n; ++i) total += w[i] = std::exp(-(i - m) * (i - m) / (2 * s * s));
        Series want;
        for (std::size_t t = 0; t < data().finite().size(); ++t) {
            if (t + 1 < n) {
                want.push_back(std::nullopt);
                continue;
            }
            double v = 0.0;
            for (std::size_t i = 0; i < n; ++i) v += w[i] / total * data().finite()[t + 1 - n + i];
            want.push_back(v);
        }
        data().expect_near(*Alma::create(n, o, sigma), want);
        data().expect_warmup_matches(*Alma::create(n, o, sigma));
    }
}

TEST(MovingAverageTest, SineWeightedMa) {
    for (std::size_t n : {1u, 2u, 9u, 30u}) {
        SCOPED_TRACE(n);
        Vec w(n);
        double total = 0;
        for (std::size_t i = 0; i < n; ++i) total += w[i] = std::sin((i + 1) * M_PI / (n + 1));
        Series want;
        for (std::size_t t = 0; t < data().finite().size(); ++t) {
            if (t + 1 < n) {
                want.push_back(std::nullopt);
                continue;
            }
            double v = 0;
            for (std::size_t i = 0; i < n; ++i) v += w[i] * data().finite()[t + 1 - n + i];
            want.push_back(v / total);
        }
        data().expect_near(*SineWeightedMa::create(n), want);
        data().expect_warmup_matches(*SineWeightedMa::create(n));
    }
    EXPECT_EQ(SineWeightedMa::create(1)->update_value(7.25), 7.25);
}

TEST(MovingAverageTest, GeometricMa) {
    Vec closes_with_nonpositive = data().closes();
    closes_with_nonpositive[40] = 0.0;
    closes_with_nonpositive[90] = -3.0;
    Vec logs;
    for (double c : closes_with_nonpositive)
        if (std::isfinite(c) && c > 0) logs.push_back(std::log(c));
    for (std::size_t n : {1u, 2u, 10u, 33u}) {
        SCOPED_TRACE(n);
        Series want;
        double sum = 0.0;
        std::size_t updates = 0;
        for (std::size_t t = 0; t < logs.size(); ++t) {
            if (t >= n) sum = sum - logs[t - n];
            sum = sum + logs[t];
            if (++updates >= n) {
                sum = -0.0;
                for (std::size_t i = (t + 1 >= n ? t + 1 - n : 0); i <= t; ++i) sum += logs[i];
                updates = 0;
            }
            want.push_back(t + 1 >= n ? std::optional<double>(std::exp(sum / n)) : std::nullopt);
        }
        auto g = *GeometricMa::create(n);
        Series got = test::run(g, closes_with_nonpositive);
        Series spread;
        std::size_t k = 0;
        for (double c : closes_with_nonpositive)
            spread.push_back(std::isfinite(c) && c > 0 ? want[k++] : std::nullopt);
        test::expect_series_near(got, spread, 1e-12);
        data().expect_warmup_matches(*GeometricMa::create(n));
    }
}

TEST(MovingAverageTest, MedianMaAndMidPoint) {
    Vec xs = data().closes();
    for (std::size_t i = 0; i < xs.size(); i += 6)
        if (std::isfinite(xs[i])) xs[i] = std::round(xs[i]);  // repeated values
    Vec fin = test::accepted(xs);
    for (std::size_t n : {1u, 2u, 3u, 4u, 11u, 20u}) {
        SCOPED_TRACE(n);
        Series med, mid;
        for (std::size_t t = 0; t < fin.size(); ++t) {
            if (t + 1 < n) {
                med.push_back(std::nullopt);
                mid.push_back(std::nullopt);
                continue;
            }
            Vec w(fin.begin() + long(t + 1 - n), fin.begin() + long(t + 1));
            std::sort(w.begin(), w.end(), total_less);
            med.push_back(n % 2 ? w[n / 2] : (w[n / 2 - 1] + w[n / 2]) * 0.5);
            mid.push_back((w.front() + w.back()) * 0.5);
        }
        auto m = *MedianMa::create(n);
        test::expect_series_exact(test::run(m, xs), test::on_bars(xs, med));
        auto p = *MidPoint::create(n);
        test::expect_series_exact(test::run(p, xs), test::on_bars(xs, mid));
        data().expect_warmup_matches(*MedianMa::create(n));
        data().expect_warmup_matches(*MidPoint::create(n));
    }
    auto m = *MedianMa::create(4);
    for (double x : {1.0, 2.0, 3.0}) (void)m.update_value(x);
    EXPECT_EQ(m.update_value(100), 2.5);
    auto huge = *MidPoint::create(2);
    (void)huge.update_value(1.5e308);
    EXPECT_EQ(huge.update_value(1.7e308), 1.6e308);
}

TEST(MovingAverageTest, Frama) {
    for (std::size_t n : {2u, 4u, 10u, 16u}) {
        SCOPED_TRACE(n);
        std::size_t h = n / 2;
        Series want;
        std::optional<double> last;
        for (std::size_t t = 0; t < data().finite().size(); ++t) {
            if (t + 1 < n) {
                want.push_back(std::nullopt);
                continue;
            }
            auto range = [&](std::size_t from, std::size_t count) {
                auto b = data().finite().begin() + long(from);
                auto [lo, hi] = std::minmax_element(b, b + long(count));
                return *hi - *lo;
            };
            double n1 = range(t + 1 - n, h) / h, n2 = range(t + 1 - h, h) / h, n3 = range(t + 1 - n, n) / n;
            double alpha = 0.01;
            if (n1 > 0 && n2 > 0 && n3 > 0) {
                double d = (std::log(n1 + n2) - std::log(n3)) / std::log(2.0);
                alpha = std::clamp(std::exp(-4.6 * (d - 1)), 0.01, 1.0);
            }
            double x = data().finite()[t];
            double prev = last ? *last : x;
            last = x * alpha + (1 - alpha) * prev;
            want.push_back(last);
        }
        data().expect_near(*Frama::create(n), want);
        data().expect_warmup_matches(*Frama::create(n));
    }
    // A flat window uses alpha 0.01.
    auto f = *Frama::create(4);
    for (double x : {5.0, 5.0, 5.0}) (void)f.update_value(x);
    EXPECT_EQ(f.update_value(5.0), 5.0);
    EXPECT_EQ(f.update_value(5.0), 5.0);
}

TEST(MovingAverageTest, Kama) {
    for (auto [n, fast, slow] : {std::tuple<std::size_t, std::uint64_t, std::uint64_t>{10, 2, 30}, {1, 2, 3}, {5, 1, 100}, {30, 5, 20}}) {
        SCOPED_TRACE(n);
        double f = 2.0 / (fast + 1.0), s = 2.0 / (slow + 1.0);
        Series want;
        std::optional<double> last;
        for (std::size_t t = 0; t < data().finite().size(); ++t) {
            if (t < n) {
                want.push_back(std::nullopt);
                continue;
            }
            double change = std::fabs(data().finite()[t] - data().finite()[t - n]);
            double vol = -0.0;
            for (std::size_t k = t - n; k < t; ++k) vol += std::fabs(data().finite()[k + 1] - data().finite()[k]);
            double er = vol == 0 ? 0 : change / vol;
            double sc = (s + er * (f - s)) * (s + er * (f - s));
            double prev = last ? *last : data().finite()[t - n];
            last = prev + sc * (data().finite()[t] - prev);
            want.push_back(last);
        }
        data().expect_exact(*Kama::create(n, fast, slow), want);
        data().expect_warmup_matches(*Kama::create(n, fast, slow));
    }
    // All-equal window: ER 0, the step is s^2 (x - previous).
    auto k = *Kama::create(2, 2, 30);
    for (double x : {4.0, 4.0}) (void)k.update_value(x);
    EXPECT_EQ(k.update_value(4.0), 4.0);
    double s = 2.0 / 31.0;
    auto k2 = *Kama::create(1, 2, 30);
    (void)k2.update_value(4.0);
    (void)k2.update_value(4.0);  // first value: previous = oldest close
    // Window {4, 4}: change 0, volatility 0 -> moves by s^2 toward the close, which is 4.
    EXPECT_EQ(k2.update_value(4.0), 4.0 + s * s * 0.0);
}

TEST(MovingAverageTest, Vidya) {
    for (auto [p, q] : {std::pair<std::size_t, std::size_t>{9, 14}, {1, 1}, {20, 5}, {5, 30}}) {
        SCOPED_TRACE(p);
        double alpha = 2.0 / (p + 1.0);
        Series want{std::nullopt};
        double up = 0, down = 0;
        std::optional<double> last;
        const Vec& xs = data().finite();
        for (std::size_t t = 1; t < xs.size(); ++t) {
            auto ud = [&](std::size_t i) {
                double c = xs[i] - xs[i - 1];
                return std::pair{c > 0 ? c : 0.0, c < 0 ? -c : 0.0};
            };
            if (t > q) {
                auto [u0, d0] = ud(t - q);
                up -= u0;
                down -= d0;
            }
            auto [u, d] = ud(t);
            up = u + up;
            down = d + down;
            if (t < q) {
                want.push_back(std::nullopt);
                continue;
            }
            // A side without a move in the window is exactly 0; the quotient stays in [-100, 100].
            bool rises = false, falls = false;
            for (std::size_t i = t + 1 - q; i <= t; ++i) {
                rises = rises || xs[i] > xs[i - 1];
                falls = falls || xs[i] < xs[i - 1];
            }
            double us = rises ? up : 0.0, ds = falls ? down : 0.0;
            double cmo = us + ds == 0 ? 0.0 : std::clamp(((us - ds) * 100) / (us + ds), -100.0, 100.0);
            double k = std::fabs(cmo) / 100 * alpha;
            double prev = last ? *last : xs[t];
            last = xs[t] * k + (1 - k) * prev;
            want.push_back(last);
        }
        data().expect_exact(*Vidya::create(p, q), want);
        data().expect_warmup_matches(*Vidya::create(p, q));
    }
}

TEST(MovingAverageTest, VidyaWhenTheFallsHaveLeftTheCmoWindow) {
    // The CMO of period 4 over these closes is -100 at bars 10 to 14 and 100 at bar 15 (a window
    // of flat changes and one tiny rise, whose falls have left a residue in the down sum): the
    // factor is alpha on each of those bars, and the average stays between the closes.
    Vec xs = {1.33,  1.25,  0.97,  1.11,  0.58,  1.09,  1.49,  0.59,  0.368, 0.348, 0.056999999999999995,
              -0.023000000000000007, -0.023000000000000007, -0.023000000000000007, -0.023000000000000007,
              -0.022999999999999906};
    Series got = test::run_on(*Vidya::create(9, 4), xs);
    Series cmo = test::run_on(*Cmo::create(4), xs);
    double alpha = 2.0 / 10.0;
    for (std::size_t i = 10; i < xs.size(); ++i) {
        ASSERT_TRUE(got[i] && got[i - 1] && cmo[i]) << i;
        double k = std::fabs(*cmo[i]) / 100 * alpha;
        EXPECT_EQ(k, alpha) << i;
        EXPECT_TRUE(test::same_bits(*got[i], xs[i] * k + (1 - k) * *got[i - 1])) << i;
        EXPECT_GE(*got[i], -0.023000000000000007) << i;
        EXPECT_LE(*got[i], 1.49) << i;
    }
}

// ------------------------------------------------------------------ Fama through the Hilbert pipeline

Series ref_fama(const Vec& x, double fast, double slow) {
    const double eps = 2.220446049250313e-16;
    test::RefHilbert h(x.size());
    double prev_phase = 0, mama = 0, fama = 0;
    Series out;
    for (std::size_t t = 0; t < x.size(); ++t) {
        out.push_back(std::nullopt);
        const auto stage = h.step(x, t);
        if (stage == test::RefHilbert::Smoothing) mama = fama = h.smooth[t];
        if (stage != test::RefHilbert::Measured) continue;
        double phase = std::fabs(h.i1[t]) > eps ? std::atan(h.q1[t] / h.i1[t]) * (180 / M_PI) : prev_phase;
        double a = std::max(fast / std::max(prev_phase - phase, 1.0), slow);
        mama = a * x[t] + (1 - a) * mama;
        fama = fama * (1 - 0.5 * a) + 0.5 * a * mama;
        prev_phase = phase;
        if (t + 1 >= 33) out.back() = fama;
    }
    return out;
}

TEST(MovingAverageTest, Fama) {
    for (auto [fast, slow] : {std::pair{0.5, 0.05}, {1.0, 1.0}, {0.3, 0.01}}) {
        SCOPED_TRACE(fast);
        data().expect_near(*Fama::create(fast, slow), ref_fama(data().finite(), fast, slow));
        data().expect_warmup_matches(*Fama::create(fast, slow));
    }
}

// ------------------------------------------------------------------ rejected inputs change nothing

TEST(MovingAverageTest, NonFiniteClosesDoNotCount) {
    auto s = *Sma::create(3);
    EXPECT_FALSE(s.update_value(1));
    EXPECT_FALSE(s.update_value(kNaN));
    EXPECT_FALSE(s.update_value(2));
    EXPECT_EQ(s.update_value(3), 2.0);
}

TEST(MovingAverageTest, LongWindowsOverShortSeriesStaySmall) {
    // Windows sized by a parameter grow with the closes seen; the weights of Alma and the sine
    // average are only built once the window fills.
    auto s = *Sma::create(16'777'216);
    for (int i = 0; i < 500; ++i) (void)s.update_value(100 + i);
    EXPECT_LE(s.ring().storage(), 1024u);
    auto a = *Alma::create(16'777'216, 0.85, 6);
    auto w = *SineWeightedMa::create(16'777'216);
    auto k = *Kama::create(std::numeric_limits<std::uint64_t>::max(), 2, 30);
    for (int i = 0; i < 500; ++i) {
        EXPECT_FALSE(a.update_value(100 + i));
        EXPECT_FALSE(w.update_value(100 + i));
        EXPECT_FALSE(k.update_value(100 + i));
    }
    EXPECT_EQ(k.warmup_period(), std::numeric_limits<std::uint64_t>::max());
}

}  // namespace
}  // namespace prynox

namespace prynox {
namespace {

// One overflowing seed must not leave an average infinite for the rest of the run: the bar is
// refused and later bars seed and smooth as if it had not come.
TEST(MovingAverageSeeds, OverflowingSeedSumIsRefused) {
    for (const char* type : {"Ema", "Smma", "McGinleyDynamic", "Dema"}) {
        const double params[] = {2.0};
        auto built = build_indicator(type, params);
        ASSERT_TRUE(built) << type;
        auto& ind = **built;
        auto feed = [&ind](double close) {
            Candle c{0, close, close, close, close, 0.0};
            BarContext ctx;
            ctx.candle = &c;
            return ind.update(ctx);
        };
        EXPECT_FALSE(feed(1.7e308)) << type;
        EXPECT_FALSE(feed(1.7e308)) << type;  // the sum would overflow: refused
        bool any = false;
        for (double close : {10.0, 12.0, 11.0, 13.0, 12.5, 11.5}) {
            const auto v = feed(close);
            if (!v) continue;
            any = true;
            EXPECT_TRUE(std::isfinite(*v)) << type;
        }
        // McGinley's ratio to a seed near 1e308 underflows, so it may rightly stay silent.
        if (std::string_view(type) != "McGinleyDynamic") {
            EXPECT_TRUE(any) << type;
        }
    }
}

}  // namespace
}  // namespace prynox
