// The momentum and rate-of-change types of the close: each against a straightforward
// recomputation over the accepted closes of varied series with rejected bars, their warm-ups,
// the stated edge cases, degenerate windows, refused overflowing bars, and every registry check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"
#include "indicators/momentum/coppock.hpp"
#include "indicators/momentum/disparity_index.hpp"
#include "indicators/momentum/dpo.hpp"
#include "indicators/momentum/log_return.hpp"
#include "indicators/momentum/mom.hpp"
#include "indicators/momentum/pmo.hpp"
#include "indicators/momentum/polarized_fractal_efficiency.hpp"
#include "indicators/momentum/roc.hpp"
#include "indicators/momentum/rocp.hpp"
#include "indicators/momentum/rocr.hpp"
#include "indicators/momentum/rocr100.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/momentum/tii.hpp"
#include "indicators/momentum/vertical_horizontal_filter.hpp"
#include "indicators/momentum/wave_pm.hpp"
#include "indicators/moving_averages/wma.hpp"

namespace prynox {
namespace {

using test::EntryCase;
using test::Series;
using test::expect_warmup_matches;
using test::kMax;
using test::kZero;
using test::outcome;
using Vec = std::vector<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::size_t kBars = 400;

// ------------------------------------------------------------------ data

// Closes on a grid of quarters around zero: exact zeros, negative closes, -0.0, a run of
// zeros after variation, a constant run of 0.1 (whose sums are inexact) and rejected bars.
Vec signed_closes(std::size_t n) {
    Vec out;
    std::uint64_t s = 7;
    double x = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i >= 100 && i < 140) {
            out.push_back(0.0);
            continue;
        }
        if (i >= 200 && i < 240) {
            out.push_back(0.1);
            continue;
        }
        x = std::round((x + test::unit(s) * 2.0) * 4.0) / 4.0;
        out.push_back(i == 60 ? -0.0 : x);
    }
    for (std::size_t i : {5u, 6u, 77u, 150u, 310u})
        if (i < n) out[i] = (i % 2 == 0) ? kNaN : -kInf;
    return out;
}

struct Data {
    const char* name;
    Vec bars;
};

const std::vector<Data>& datasets() {
    static const std::vector<Data> d = {{"varied", test::varied_closes(kBars, 42, true)},
                                        {"signed", signed_closes(kBars)}};
    return d;
}

// ------------------------------------------------------------------ harness

// Runs the state over every data set and compares with a reference computed from the
// accepted closes (the finite ones; `accept` narrows them further).
template <class State, class Ref>
void check(const State& prototype, Ref reference, double rel = 0.0,
           const std::function<bool(double)>& accept = [](double x) { return std::isfinite(x); }) {
    for (const Data& d : datasets()) {
        SCOPED_TRACE(d.name);
        State state = prototype;
        Series got = test::run(state, d.bars);
        Vec xs;
        for (double c : d.bars)
            if (accept(c)) xs.push_back(c);
        Series ref = reference(xs);
        Series want;
        std::size_t k = 0;
        for (double c : d.bars) want.push_back(accept(c) ? ref.at(k++) : std::nullopt);
        if (rel == 0.0)
            test::expect_series_exact(got, want);
        else
            test::expect_series_near(got, want, rel);
    }
}

// Feeds the present values of a series through a core and puts its results in their place.
template <class Core>
Series through(Core core, const Series& in) {
    Series out;
    for (const auto& v : in) out.push_back(v ? core.update_value(*v) : std::nullopt);
    return out;
}

bool window_equal(const Vec& xs, std::size_t t, std::size_t n) {
    for (std::size_t i = t + 1 - n; i < t; ++i)
        if (!test::same_bits(xs[i], xs[t])) return false;
    return true;
}

double plain_mean(const Vec& xs, std::size_t t, std::size_t n) {
    double s = 0.0;
    for (std::size_t i = t + 1 - n; i <= t; ++i) s += xs[i];
    return s / static_cast<double>(n);
}

Series ema(const Series& in, double alpha, std::size_t seed_length) {
    Series out;
    double value = 0.0, seed = -0.0;
    std::size_t count = 0;
    for (const auto& v : in) {
        if (!v) {
            out.push_back(std::nullopt);
        } else if (count >= seed_length) {
            value = std::fma(alpha, *v, (1.0 - alpha) * value);
            out.push_back(value);
        } else {
            seed += *v;
            if (++count == seed_length) {
                value = seed / static_cast<double>(count);
                out.push_back(value);
            } else {
                out.push_back(std::nullopt);
            }
        }
    }
    return out;
}

// ------------------------------------------------------------------ N-bar differences and ratios

TEST(MomentumTest, DifferencesAndRatiosAgainstTheCloseNBack) {
    auto ref = [](std::size_t n, auto f) {
        return [n, f](const Vec& xs) {
            Series out;
            for (std::size_t t = 0; t < xs.size(); ++t) out.push_back(t >= n ? std::optional(f(xs[t], xs[t - n])) : std::nullopt);
            return out;
        };
    };
    for (std::size_t n : {1u, 2u, 7u, 30u}) {
        SCOPED_TRACE(n);
        check(*Mom::create(n), ref(n, [](double x, double o) { return x - o; }));
        check(*Roc::create(n), ref(n, [](double x, double o) { return o == 0 ? 0.0 : ((x - o) / o) * 100; }));
        check(*Rocp::create(n), ref(n, [](double x, double o) { return o == 0 ? 0.0 : (x - o) / o; }));
        check(*Rocr::create(n), ref(n, [](double x, double o) { return o == 0 ? 0.0 : x / o; }));
        check(*Rocr100::create(n), ref(n, [](double x, double o) { return o == 0 ? 0.0 : (x / o) * 100; }));
        // Only closes above zero count as bars of the log return.
        check(*LogReturn::create(n), ref(n, [](double x, double o) { return std::log(x / o); }), 1e-12,
              [](double x) { return std::isfinite(x) && x > 0; });
        expect_warmup_matches(*Mom::create(n));
        expect_warmup_matches(*Roc::create(n));
        expect_warmup_matches(*LogReturn::create(n));
    }
}

TEST(MomentumTest, DifferencesAndRatiosEdgeCases) {
    auto roc = *Roc::create(1);
    auto mom = *Mom::create(1);
    EXPECT_FALSE(roc.update_value(0));
    EXPECT_FALSE(mom.update_value(0));
    EXPECT_EQ(roc.update_value(5), 0.0);  // the guard: the close one bar back is 0
    EXPECT_EQ(mom.update_value(5), 5.0);
    auto r100 = *Rocr100::create(2);
    EXPECT_FALSE(r100.update_value(2));
    EXPECT_FALSE(r100.update_value(3));
    EXPECT_EQ(r100.update_value(4), 200.0);
    // -0.0 back is a zero close too.
    auto rocr = *Rocr::create(1);
    (void)rocr.update_value(-0.0);
    EXPECT_EQ(rocr.update_value(3), 0.0);
}

TEST(MomentumTest, LogReturnRefusesNonPositiveClosesAndInfiniteReturns) {
    auto lr = *LogReturn::create(1);
    EXPECT_FALSE(lr.update_value(1e300));
    EXPECT_FALSE(lr.update_value(0.0));
    EXPECT_FALSE(lr.update_value(-2.0));
    // 1e-300 / 1e300 underflows to 0 and 1e300 / 1e-300 overflows: neither bar counts.
    EXPECT_FALSE(lr.update_value(1e-300));
    EXPECT_NEAR(*lr.update_value(1e299), std::log(0.1), 1e-14);
    EXPECT_FALSE(lr.update_value(1e-300 * 1e-8));
    EXPECT_NEAR(*lr.update_value(1e300), std::log(10.0), 1e-14);
    EXPECT_EQ(lr.window().size(), 2u);
}

// ------------------------------------------------------------------ smoothed momentum

TEST(MomentumTest, CoppockIsTheWeightedAverageOfTwoRatesOfChange) {
    for (auto [a, b, w] : {std::tuple<std::size_t, std::size_t, std::size_t>{14, 11, 10}, {1, 1, 1}, {3, 20, 4}}) {
        SCOPED_TRACE(a);
        auto sums = [a, b](const Vec& xs) {
            Series out;
            auto roc = [&](std::size_t t, std::size_t n) {
                double o = xs[t - n];
                return o == 0 ? 0.0 : ((xs[t] - o) / o) * 100;
            };
            for (std::size_t t = 0; t < xs.size(); ++t)
                out.push_back(t >= std::max(a, b) ? std::optional(roc(t, a) + roc(t, b)) : std::nullopt);
            return out;
        };
        // Exactly the weighted-average core over the sums; near the plain weighted mean.
        check(*Coppock::create(a, b, w), [&](const Vec& xs) { return through(Wma(w), sums(xs)); });
        check(*Coppock::create(a, b, w), [&](const Vec& xs) {
            Series s = sums(xs), out;
            std::vector<double> seen;
            for (const auto& v : s) {
                if (v) seen.push_back(*v);
                if (!v || seen.size() < w) {
                    out.push_back(std::nullopt);
                    continue;
                }
                double num = 0;
                for (std::size_t k = 0; k < w; ++k) num += (k + 1.0) * seen[seen.size() - w + k];
                out.push_back(num / (w * (w + 1.0) / 2));
            }
            return out;
        }, 1e-9);
        expect_warmup_matches(*Coppock::create(a, b, w));
    }
}

TEST(MomentumTest, PmoSmoothsTheOneBarRateOfChangeTwice) {
    for (auto [p, q] : {std::pair<std::size_t, std::size_t>{35, 20}, {2, 2}, {3, 50}}) {
        SCOPED_TRACE(p);
        check(*Pmo::create(p, q), [p, q](const Vec& xs) {
            Series r{std::nullopt};
            for (std::size_t t = 1; t < xs.size(); ++t)
                r.push_back(xs[t - 1] == 0 ? 0.0 : (xs[t] / xs[t - 1] - 1) * 100);
            Series s1 = ema(r, 2.0 / p, 1), t10;
            for (const auto& v : s1) t10.push_back(v ? std::optional(*v * 10) : std::nullopt);
            return ema(t10, 2.0 / q, 1);
        });
        expect_warmup_matches(*Pmo::create(p, q));
    }
    auto pmo = *Pmo::create(35, 20);
    EXPECT_FALSE(pmo.update_value(100));
    EXPECT_EQ(pmo.update_value(150), 500.0);
}

TEST(MomentumTest, PmoMovesItsCloseOnARefusedRateOfChange) {
    // 1e308 / 1e-300 overflows: no value, but the close moves on and the stages stay as they were.
    auto pmo = *Pmo::create(2, 2);
    (void)pmo.update_value(1e-300);
    EXPECT_FALSE(pmo.update_value(1e308));
    EXPECT_EQ(pmo.update_value(1e308), 0.0);  // r = 0 from the refused close: first stage input 0
}

TEST(MomentumTest, WavePm) {
    for (auto [n, m] : {std::pair<std::size_t, std::size_t>{14, 5}, {1, 1}, {3, 30}}) {
        SCOPED_TRACE(n);
        check(*WavePm::create(n, m), [n, m](const Vec& xs) {
            Series q;
            for (std::size_t t = 0; t < xs.size(); ++t)
                q.push_back(t >= n ? std::optional((xs[t] - xs[t - n]) * (xs[t] - xs[t - n])) : std::nullopt);
            Series v = ema(q, 2.0 / (n + 1.0), n), w;
            for (std::size_t t = 0; t < q.size(); ++t)
                w.push_back(v[t] ? std::optional(*v[t] <= 0 ? 0.0 : 1 - std::exp(-*q[t] / (2 * *v[t]))) : std::nullopt);
            Series e = ema(w, 2.0 / (m + 1.0), m);
            for (auto& x : e)
                if (x) *x *= 100;
            return e;
        }, 1e-12);
        expect_warmup_matches(*WavePm::create(n, m));
    }
}

TEST(MomentumTest, WavePmRefusesASquareThatWouldOverflowItsAverage) {
    // Period 3: the first three squares seed the power average; 1e308 + 1e308 overflows, so
    // such squares are refused until the seed sum can take them.
    auto wave = *WavePm::create(3, 1);
    for (double x : {0.0, 0.0, 0.0}) EXPECT_FALSE(wave.update_value(x));
    EXPECT_FALSE(wave.update_value(1e154));  // q = 1e308 seeds
    EXPECT_FALSE(wave.update_value(1e154));  // q = 1e308 again: refused
    EXPECT_FALSE(wave.update_value(1e154));  // refused
    EXPECT_FALSE(wave.update_value(1e154));  // q = 0 seeds
    EXPECT_EQ(wave.update_value(1e154), 0.0);  // q = 0: the average seeds at 1e308 / 3, w = 0
    // A squared change beyond the largest double gives no value and leaves the averages.
    EXPECT_FALSE(wave.update_value(-1e154));
    // The average stayed finite: it decays and the wave comes back above 0.
    std::optional<double> last;
    for (int i = 0; i < 2000; ++i) last = wave.update_value(double(i % 5));
    ASSERT_TRUE(last);
    EXPECT_GT(*last, 0.0);
}

// ------------------------------------------------------------------ detrending and distance

TEST(MomentumTest, DpoAgainstItsRunningSumAndThePlainMean) {
    for (std::size_t n : {1u, 2u, 3u, 4u, 20u, 21u}) {
        SCOPED_TRACE(n);
        std::size_t s = n / 2 + 1, len = std::max(n / 2 + 2, n);
        check(*Dpo::create(n), [=](const Vec& xs) {
            Series out;
            double sum = 0.0;
            std::size_t counter = 0;
            for (std::size_t t = 0; t < xs.size(); ++t) {
                sum = xs[t] + sum;
                if (t >= n) sum = sum - xs[t - n];
                if (++counter >= n) {
                    sum = -0.0;
                    for (std::size_t i = t + 1 - std::min(t + 1, n); i <= t; ++i) sum += xs[i];
                    counter = 0;
                }
                out.push_back(t + 1 >= len ? std::optional(xs[t - s] - sum / n) : std::nullopt);
            }
            return out;
        });
        check(*Dpo::create(n), [=](const Vec& xs) {
            Series out;
            for (std::size_t t = 0; t < xs.size(); ++t)
                out.push_back(t + 1 >= len ? std::optional(xs[t - s] - plain_mean(xs, t, n)) : std::nullopt);
            return out;
        }, 1e-10);
        expect_warmup_matches(*Dpo::create(n));
    }
    auto dpo = *Dpo::create(3);
    EXPECT_FALSE(dpo.update_value(1));
    EXPECT_FALSE(dpo.update_value(2));
    EXPECT_EQ(dpo.update_value(3), -1.0);
    EXPECT_EQ(Dpo::create(1)->warmup_period(), 2u);
    EXPECT_EQ(Dpo::create(20)->warmup_period(), 20u);
}

TEST(MomentumTest, DpoRefusesACloseThatWouldOverflowItsSum) {
    auto dpo = *Dpo::create(2);
    auto same = *Dpo::create(2);
    for (double x : {1e308, 1.0}) EXPECT_EQ(dpo.update_value(x), same.update_value(x));
    EXPECT_FALSE(dpo.update_value(1e308));  // 1e308 + (1e308 + 1) would be infinite
    for (double x : {1.0, 2.0, 3.0}) EXPECT_EQ(dpo.update_value(x), same.update_value(x));
}

TEST(MomentumTest, DisparityIndex) {
    for (std::size_t n : {1u, 2u, 14u, 30u}) {
        SCOPED_TRACE(n);
        // The mean of the average core, the close itself where the window is constant.
        check(*DisparityIndex::create(n), [n](const Vec& xs) {
            Series means = through(Sma(n), Series(xs.begin(), xs.end())), out;
            for (std::size_t t = 0; t < xs.size(); ++t) {
                if (!means[t]) {
                    out.push_back(std::nullopt);
                    continue;
                }
                double m = window_equal(xs, t, n) ? xs[t] : *means[t];
                out.push_back(m == 0 ? 0.0 : ((xs[t] - m) * 100) / m);
            }
            return out;
        });
        expect_warmup_matches(*DisparityIndex::create(n));
    }
}

TEST(MomentumTest, DisparityIndexOfConstantWindowsIsZero) {
    // After variation the running sum of the average is off its exact value; an all-zero or
    // constant window still gives 0.
    auto di = *DisparityIndex::create(3);
    for (double x : {0.1, 0.7, 0.3}) (void)di.update_value(x);
    for (int i = 0; i < 2; ++i) (void)di.update_value(0.0);
    EXPECT_TRUE(test::same_bits(*di.update_value(0.0), 0.0));
    for (int i = 0; i < 2; ++i) (void)di.update_value(0.1);
    EXPECT_TRUE(test::same_bits(*di.update_value(0.1), 0.0));
}

TEST(MomentumTest, Tii) {
    for (auto [p, q] : {std::pair<std::size_t, std::size_t>{30, 15}, {1, 1}, {5, 1}, {2, 9}, {14, 40}}) {
        SCOPED_TRACE(p);
        check(*Tii::create(p, q), [p, q](const Vec& xs) {
            Series means = through(Sma(p), Series(xs.begin(), xs.end())), out;
            Vec devs;
            double up = 0, down = 0;
            for (std::size_t t = 0; t < xs.size(); ++t) {
                if (!means[t]) {
                    out.push_back(std::nullopt);
                    continue;
                }
                if (devs.size() >= q) {
                    double v = devs[devs.size() - q];
                    if (v > 0) up = up - v;
                    if (v < 0) down = v + down;
                }
                double d = window_equal(xs, t, p) ? 0.0 : xs[t] - *means[t];
                devs.push_back(d);
                if (d > 0) up = up + d;
                if (d < 0) down = down - d;
                if (devs.size() < q) {
                    out.push_back(std::nullopt);
                    continue;
                }
                auto window = [&](auto pred) {
                    return std::any_of(devs.end() - long(q), devs.end(), pred);
                };
                double u = window([](double v) { return v > 0; }) ? up : 0.0;
                double w = window([](double v) { return v < 0; }) ? down : 0.0;
                out.push_back(u + w <= 0 ? 50.0 : std::clamp((u * 100) / (u + w), 0.0, 100.0));
            }
            return out;
        });
        expect_warmup_matches(*Tii::create(p, q));
    }
}

TEST(MomentumTest, TiiGivesItsFixedValuesOnDegenerateWindows) {
    // A constant 0.1 has an inexact running mean; its deviations are still exactly 0.
    auto flat = *Tii::create(3, 4);
    std::optional<double> v;
    for (int i = 0; i < 6; ++i) v = flat.update_value(0.1);
    EXPECT_EQ(v, 50.0);
    // Variation, then constant: 50 once the last P + Q - 1 closes are equal.
    auto tii = *Tii::create(3, 4);
    for (double x : {0.1, 0.7, 0.3, 1.9, 0.2, 0.4}) (void)tii.update_value(x);
    for (int i = 0; i < 6; ++i) v = tii.update_value(0.3);
    EXPECT_EQ(v, 50.0);
    // One-sided windows give exactly 100 and 0, whatever residue the other sum kept.
    for (int i = 1; i <= 8; ++i) v = tii.update_value(0.3 + 0.1 * i);
    EXPECT_TRUE(test::same_bits(*v, 100.0));
    for (int i = 1; i <= 8; ++i) v = tii.update_value(1.0 - 0.1 * i);
    EXPECT_TRUE(test::same_bits(*v, 0.0));
}

TEST(MomentumTest, TiiRefusesADeviationSumBeyondTheLargestDouble) {
    // Period 2: the mean of +-1.7e308 is 0, so the deviations alternate +-1.7e308 and the
    // negative sum would reach 3.4e308 on the fourth bar: refused, the sums stay finite.
    auto tii = *Tii::create(2, 3);
    for (double x : {1.7e308, -1.7e308, 1.7e308}) EXPECT_FALSE(tii.update_value(x));
    EXPECT_FALSE(tii.update_value(-1.7e308));
    std::optional<double> v;
    for (double x : {1.0, 2.0, 3.0, 4.0, 5.0, 6.0}) v = tii.update_value(x);
    EXPECT_EQ(v, 100.0);  // a rising close: only positive deviations left in the window
}

// ------------------------------------------------------------------ trendiness

TEST(MomentumTest, VerticalHorizontalFilter) {
    for (std::size_t n : {1u, 2u, 5u, 28u}) {
        SCOPED_TRACE(n);
        auto reference = [n](bool running) {
            return [n, running](const Vec& xs) {
                Series out{std::nullopt};
                double path = 0.0;
                for (std::size_t t = 1; t < xs.size(); ++t) {
                    if (t > n) path = path - std::fabs(xs[t - n] - xs[t - n - 1]);
                    path = std::fabs(xs[t] - xs[t - 1]) + path;
                    if (t < n) {
                        out.push_back(std::nullopt);
                        continue;
                    }
                    double v = 0, hi = xs[t], lo = xs[t];
                    bool moved = false;
                    for (std::size_t i = t + 1 - n; i <= t; ++i) {
                        v += std::fabs(xs[i] - xs[i - 1]);
                        moved = moved || xs[i] != xs[i - 1];
                        hi = std::max(hi, xs[i]);
                        lo = std::min(lo, xs[i]);
                    }
                    double p = running ? (moved ? path : 0.0) : v;
                    out.push_back(p == 0 ? 0.0 : (hi - lo) / p);
                }
                return out;
            };
        };
        check(*VerticalHorizontalFilter::create(n), reference(true));
        check(*VerticalHorizontalFilter::create(n), reference(false), 1e-9);
        expect_warmup_matches(*VerticalHorizontalFilter::create(n));
    }
}

TEST(MomentumTest, VerticalHorizontalFilterDegenerateAndOverflowingBars) {
    // The running path of these changes ends at -2.8e-17 instead of 0 once the window is flat.
    auto vhf = *VerticalHorizontalFilter::create(3);
    std::optional<double> v;
    for (double x : {0.4, 0.7, 0.8, 0.1, 0.0, 0.0, 0.0, 0.0, 0.0}) v = vhf.update_value(x);
    EXPECT_TRUE(test::same_bits(*v, 0.0));  // +0.0, not the sign of the residue
    // A change beyond the largest double is refused like a bad close.
    auto a = *VerticalHorizontalFilter::create(2);
    auto b = *VerticalHorizontalFilter::create(2);
    (void)a.update_value(1.7e308);
    (void)b.update_value(1.7e308);
    EXPECT_FALSE(a.update_value(-1.7e308));
    for (double x : {1.0, 2.0, 4.0, 3.0}) EXPECT_EQ(a.update_value(x), b.update_value(x));
    // Finite changes whose sum overflows: no value while the window's path is beyond the
    // largest double, then the exact path of the window again.
    auto c = *VerticalHorizontalFilter::create(2);
    for (double x : {0.0, 1.7e308}) EXPECT_FALSE(c.update_value(x));
    EXPECT_FALSE(c.update_value(0.0));  // path 3.4e308
    EXPECT_EQ(c.update_value(0.0), 0.0);  // closes 0, 0 over the path 1.7e308
    EXPECT_EQ(c.update_value(2.0), 1.0);  // changes 0, 2
    EXPECT_EQ(c.update_value(1.0), 1.0 / 3.0);  // closes 2, 1 over changes 2, 1
}

TEST(MomentumTest, PolarizedFractalEfficiency) {
    for (auto [n, m] : {std::pair<std::size_t, std::size_t>{10, 5}, {1, 1}, {2, 3}, {30, 2}}) {
        SCOPED_TRACE(n);
        check(*PolarizedFractalEfficiency::create(n, m), [n, m](const Vec& xs) {
            Series raw{std::nullopt};
            Vec steps;
            double path = 0.0;
            for (std::size_t t = 1; t < xs.size(); ++t) {
                double d = xs[t] - xs[t - 1];
                steps.push_back(std::sqrt(std::fma(d, d, 1.0)));
                path = path + steps.back();
                if (steps.size() > n) path = path - steps[steps.size() - 1 - n];
                if (t < n) {
                    raw.push_back(std::nullopt);
                    continue;
                }
                double dist = xs[t] - xs[t - n];
                double g = dist > 0 ? 100 : dist < 0 ? -100 : 0;
                raw.push_back((std::sqrt(std::fma(dist, dist, double(n) * double(n))) * g) / path);
            }
            return ema(raw, 2.0 / (m + 1.0), m);
        });
        expect_warmup_matches(*PolarizedFractalEfficiency::create(n, m));
    }
    // A straight line rising by 1: 100 up to rounding from bar N + M.
    auto pfe = *PolarizedFractalEfficiency::create(10, 5);
    Series s;
    for (int i = 0; i < 40; ++i) s.push_back(pfe.update_value(100.0 + i));
    EXPECT_EQ(test::first_value_bar(s), 15u);
    for (std::size_t i = 14; i < s.size(); ++i) EXPECT_NEAR(*s[i], 100.0, 1e-12);
}

TEST(MomentumTest, PolarizedFractalEfficiencyRefusesAnInfiniteStep) {
    // The step from 1 to 1e200 squares beyond the largest double: that close changes nothing.
    auto a = *PolarizedFractalEfficiency::create(2, 1);
    auto b = *PolarizedFractalEfficiency::create(2, 1);
    (void)a.update_value(1.0);
    (void)b.update_value(1.0);
    EXPECT_FALSE(a.update_value(1e200));
    for (double x : {3.0, 2.0, 5.0, 5.0, 4.0}) EXPECT_EQ(a.update_value(x), b.update_value(x));
}

// ------------------------------------------------------------------ long windows

TEST(MomentumTest, LongWindowsOverShortSeriesStaySmall) {
    // Windows grow with the closes seen: a legal 16,777,216 and the unbounded signal length of
    // Tii cost memory for the bars fed only.
    auto mom = *Mom::create(16'777'216);
    auto tii = *Tii::create(5, std::numeric_limits<std::uint64_t>::max());
    auto vhf = *VerticalHorizontalFilter::create(16'777'216);
    auto dpo = *Dpo::create(16'777'216);
    for (int i = 0; i < 500; ++i) {
        EXPECT_FALSE(mom.update_value(100 + i));
        EXPECT_FALSE(tii.update_value(100 + i));
        EXPECT_FALSE(vhf.update_value(100 + i));
        EXPECT_FALSE(dpo.update_value(100 + i));
    }
    EXPECT_LE(mom.window().storage(), 1024u);
    EXPECT_EQ(tii.warmup_period(), std::numeric_limits<std::uint64_t>::max());
}

// ------------------------------------------------------------------ registry entries

TEST(MomentumEntriesTest, OneWindowTypes) {
    for (const char* type : {"Mom", "Roc", "Rocp", "Rocr", "Rocr100", "LogReturn", "DisparityIndex", "Dpo",
                             "VerticalHorizontalFilter"}) {
        for (const EntryCase& c : {EntryCase{type, {0}, "parameter #0 must be a positive integer, got 0"},
                                   EntryCase{type, {1e-17}, kZero}, EntryCase{type, {16777217}, kMax},
                                   EntryCase{type, {1e300}, kMax}, EntryCase{type, {16777216}, ""},
                                   EntryCase{type, {1}, ""}, EntryCase{type, {14, 99, -1}, ""},
                                   EntryCase{type, {}, "missing parameter #0"}})
            EXPECT_EQ(outcome(c), c.message) << test::describe(c);
    }
}

TEST(MomentumEntriesTest, ChecksInOrder) {
    const std::string pmo = "invalid period: PMO smoothing periods must be >= 2";
    const std::vector<EntryCase> cases = {
        {"Coppock", {1e-17, 11, 10}, kZero},
        {"Coppock", {14, 1e-17, 10}, kZero},
        {"Coppock", {14, 11, 1e-17}, kZero},
        {"Coppock", {16777217, 11, 1e-17}, kZero},
        {"Coppock", {16777217, 11, 10}, kMax},
        {"Coppock", {14, 16777217, 10}, kMax},
        {"Coppock", {14, 11, 16777217}, kMax},
        {"Coppock", {16777216, 16777216, 16777216}, ""},
        {"Coppock", {14, 11}, "missing parameter #2"},
        {"Pmo", {1e-17, 1}, kZero},
        {"Pmo", {1, 1e-17}, kZero},
        {"Pmo", {1, 20}, pmo},
        {"Pmo", {35, 1}, pmo},
        {"Pmo", {35, 20}, ""},
        {"Pmo", {2, 2}, ""},
        {"Pmo", {100000000, 1e19}, ""},
        {"Pmo", {35}, "missing parameter #1"},
        {"Tii", {1e-17, 5}, kZero},
        {"Tii", {30, 1e-17}, kZero},
        {"Tii", {16777217, 1e-17}, kZero},
        {"Tii", {16777217, 5}, kMax},
        {"Tii", {16777216, 1e20}, ""},
        {"Tii", {30}, "missing parameter #1"},
        {"Tii", {-1}, "parameter #0 must be a positive integer, got -1"},
    };
    for (const char* type : {"WavePm", "PolarizedFractalEfficiency"}) {
        const std::vector<EntryCase> own = {
            {type, {1e-17, 16777217}, kZero},
            {type, {16777217, 1e-17}, kMax},  // the period is checked whole before the smoothing
            {type, {14, 1e-17}, kZero},
            {type, {14, 16777217}, kMax},
            {type, {16777216, 16777216}, ""},
            {type, {14}, "missing parameter #1"},
        };
        for (const auto& c : own) EXPECT_EQ(outcome(c), c.message) << test::describe(c);
    }
    for (const auto& c : cases) EXPECT_EQ(outcome(c), c.message) << test::describe(c);
}

TEST(MomentumEntriesTest, WarmUpsOfTheBuiltObjects) {
    const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    const std::vector<std::pair<EntryCase, std::uint64_t>> cases = {
        {{"Mom", {10}}, 11},         {{"Roc", {1}}, 2},
        {{"Rocp", {9}}, 10},         {{"Rocr", {9}}, 10},
        {{"Rocr100", {9}}, 10},      {{"LogReturn", {16777216}}, 16777217},
        {{"Coppock", {14, 11, 10}}, 24}, {{"Coppock", {3, 20, 4}}, 24},
        {{"Pmo", {35, 20}}, 2},      {{"WavePm", {14, 5}}, 32},
        {{"Dpo", {20}}, 20},         {{"Dpo", {3}}, 3},
        {{"Dpo", {1}}, 2},           {{"Dpo", {2}}, 3},
        {{"DisparityIndex", {14}}, 14}, {{"Tii", {30, 15}}, 44},
        {{"Tii", {30, 1e20}}, max},  {{"Tii", {1, 1}}, 1},
        {{"VerticalHorizontalFilter", {28}}, 29}, {{"PolarizedFractalEfficiency", {10, 5}}, 15},
    };
    for (const auto& [c, warmup] : cases) test::expect_built_warmup(c, warmup);
}

TEST(MomentumEntriesTest, BuiltObjectsReadTheClose) {
    auto built = build_indicator("Rocr100", std::vector<double>{1});
    ASSERT_TRUE(built);
    Candle a{0, 9, 9, 9, 2, 0}, b{1, 9, 9, 9, 3, 0};
    BarContext ctx;
    ctx.candle = &a;
    EXPECT_FALSE((*built)->update(ctx));
    ctx.candle = &b;
    EXPECT_EQ((*built)->update(ctx), 150.0);
}

}  // namespace
}  // namespace prynox
