// The RSI family: each type against a straightforward recomputation over the accepted closes of
// a varied series with rejected bars, their warm-ups, the documented edge cases, flat windows
// after variation, and bars whose change overflows (refused, nothing changes).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "support/indicator_test_support.hpp"
#include "indicators/rsi_family/adaptive_rsi.hpp"
#include "indicators/rsi_family/anchored_rsi.hpp"
#include "indicators/rsi_family/cmo.hpp"
#include "indicators/rsi_family/connors_rsi.hpp"
#include "indicators/rsi_family/derivative_oscillator.hpp"
#include "indicators/rsi_family/dynamic_momentum_index.hpp"
#include "indicators/rsi_family/fisher_rsi.hpp"
#include "indicators/rsi_family/rmi.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/rsi_family/rsi.hpp"
#include "indicators/rsi_family/rsx.hpp"
#include "indicators/rsi_family/stoch_rsi.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/cores/window_extremes.hpp"

namespace prynox {
namespace {

using test::Series;
using test::ref_ema;
using test::ref_sma;
using test::through;
using Vec = std::vector<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::size_t kBars = 400;

// ------------------------------------------------------------------ harness

const test::ClosesCase& data() {
    static const test::ClosesCase d(test::varied_closes(kBars, 7, true), kBars);
    return d;
}
double gain_of(double c) { return c > 0 ? c : 0.0; }
double loss_of(double c) { return c < 0 ? -c : 0.0; }

// ------------------------------------------------------------------ references

// Wilder: plain means of the first n changes, then fma(avg, n - 1, new) * (1 / n).
Series ref_rsi(const Vec& xs, std::size_t n) {
    Series out;
    Vec gains, losses;
    double ag = 0, al = 0;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t == 0) {
            out.push_back(std::nullopt);
            continue;
        }
        double c = xs[t] - xs[t - 1];
        if (gains.size() < n) {
            gains.push_back(gain_of(c));
            losses.push_back(loss_of(c));
            if (gains.size() < n) {
                out.push_back(std::nullopt);
                continue;
            }
            double sg = -0.0, sl = -0.0;
            for (std::size_t i = 0; i < n; ++i) {
                sg += gains[i];
                sl += losses[i];
            }
            ag = sg / n;
            al = sl / n;
        } else {
            ag = std::fma(ag, n - 1.0, gain_of(c)) * (1.0 / n);
            al = std::fma(al, n - 1.0, loss_of(c)) * (1.0 / n);
        }
        out.push_back(ag + al == 0 ? 50.0 : std::min(ag * 100 / (ag + al), 100.0));
    }
    return out;
}

// The CMO's running sums, as the type keeps them; a side with no move in the window counts as
// exactly 0, and the quotient is held to [-100, 100].
Series ref_cmo_running(const Vec& xs, std::size_t n) {
    Series out{std::nullopt};
    double up = 0, down = 0;
    for (std::size_t t = 1; t < xs.size(); ++t) {
        if (t > n) {
            up = up - gain_of(xs[t - n] - xs[t - n - 1]);
            down = down - loss_of(xs[t - n] - xs[t - n - 1]);
        }
        up = gain_of(xs[t] - xs[t - 1]) + up;
        down = loss_of(xs[t] - xs[t - 1]) + down;
        if (t < n) {
            out.push_back(std::nullopt);
            continue;
        }
        bool rises = false, falls = false;
        for (std::size_t i = t + 1 - n; i <= t; ++i) {
            rises = rises || xs[i] > xs[i - 1];
            falls = falls || xs[i] < xs[i - 1];
        }
        double u = rises ? up : 0.0, d = falls ? down : 0.0;
        out.push_back(u + d == 0 ? 0.0 : std::clamp((u - d) * 100 / (u + d), -100.0, 100.0));
    }
    return out;
}

// The CMO from fresh sums over each window.
Series ref_cmo_plain(const Vec& xs, std::size_t n) {
    Series out;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t < n) {
            out.push_back(std::nullopt);
            continue;
        }
        double up = 0, down = 0;
        for (std::size_t i = t + 1 - n; i <= t; ++i) {
            up += gain_of(xs[i] - xs[i - 1]);
            down += loss_of(xs[i] - xs[i - 1]);
        }
        out.push_back(up + down == 0 ? 0.0 : (up - down) * 100 / (up + down));
    }
    return out;
}

Series ref_connors(const Vec& xs, std::size_t a, std::size_t b, std::size_t r) {
    Series price = ref_rsi(xs, a);
    Vec streaks;
    double streak = 0;
    for (std::size_t t = 1; t < xs.size(); ++t) {
        streak = xs[t] > xs[t - 1] ? std::max(streak, 0.0) + 1 : xs[t] < xs[t - 1] ? std::min(streak, 0.0) - 1 : 0.0;
        streaks.push_back(streak);
    }
    Series streak_rsi = ref_rsi(streaks, b);
    Vec rates;
    Series out{std::nullopt};
    for (std::size_t t = 1; t < xs.size(); ++t) {
        if (xs[t - 1] != 0) rates.push_back((xs[t] - xs[t - 1]) / xs[t - 1]);
        if (rates.size() < r || !price[t] || !streak_rsi[t - 1]) {
            out.push_back(std::nullopt);
            continue;
        }
        double newest = rates.back();
        std::size_t below = 0;
        for (std::size_t i = rates.size() - r; i < rates.size(); ++i) below += total_less(rates[i], newest) ? 1 : 0;
        out.push_back((*price[t] + *streak_rsi[t - 1] + below * 100.0 / r) / 3);
    }
    return out;
}

Series ref_stoch_rsi(const Vec& xs, std::size_t n, std::size_t k) {
    return through(ref_rsi(xs, n), [k](const Vec& r) {
        Series out;
        for (std::size_t t = 0; t < r.size(); ++t) {
            if (t + 1 < k) {
                out.push_back(std::nullopt);
                continue;
            }
            auto [lo, hi] = std::minmax_element(r.begin() + long(t + 1 - k), r.begin() + long(t + 1));
            out.push_back(*hi - *lo != 0 ? std::min((r[t] - *lo) * 100 / (*hi - *lo), 100.0) : 50.0);
        }
        return out;
    });
}

Series ref_derivative_oscillator(const Vec& xs, std::size_t n, std::size_t p, std::size_t q, std::size_t s) {
    Series e2 = through(through(ref_rsi(xs, n), [p](const Vec& v) { return ref_ema(v, p); }),
                        [q](const Vec& v) { return ref_ema(v, q); });
    Series signal = through(e2, [s](const Vec& v) { return ref_sma(v, s); });
    Series out(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (signal[i]) out[i] = *e2[i] - *signal[i];
    return out;
}

// `running`: the path over the last n moves kept as the type keeps it (added and subtracted,
// never re-summed); otherwise summed afresh on every bar.
Series ref_adaptive_rsi(const Vec& xs, std::size_t n, bool running) {
    Series out{std::nullopt};
    double path = 0, ag = 0, al = 0, sg = 0, sl = 0;
    for (std::size_t t = 1; t < xs.size(); ++t) {
        double c = xs[t] - xs[t - 1];
        if (t > n) path = path - std::fabs(xs[t - n] - xs[t - n - 1]);
        path = std::fabs(c) + path;
        double fresh = 0;
        for (std::size_t i = (t > n ? t - n : 0) + 1; i <= t; ++i) fresh += std::fabs(xs[i] - xs[i - 1]);
        double v = running ? path : fresh;
        if (t <= n) {
            sg += gain_of(c);
            sl += loss_of(c);
            if (t < n) {
                out.push_back(std::nullopt);
                continue;
            }
            ag = sg / n;
            al = sl / n;
        } else {
            double sc = 0.004162330905306971;
            if (v != 0) {
                double er = std::clamp(std::fabs(xs[t] - xs[t - n]) / v, 0.0, 1.0);
                sc = (er * 0.6021505376344085 + 0.06451612903225806) * (er * 0.6021505376344085 + 0.06451612903225806);
            }
            ag = ag + (gain_of(c) - ag) * sc;
            al = al + (loss_of(c) - al) * sc;
        }
        out.push_back(ag + al == 0 ? 50.0 : ag / (ag + al) * 100);
    }
    return out;
}

Series ref_anchored_rsi(const Vec& xs) {
    Series out{std::nullopt};
    double g = 0, l = 0;
    for (std::size_t t = 1; t < xs.size(); ++t) {
        g += gain_of(xs[t] - xs[t - 1]);
        l += loss_of(xs[t] - xs[t - 1]);
        out.push_back(l == 0 ? (g == 0 ? 50.0 : 100.0) : 100 - 100 / (g / l + 1));
    }
    return out;
}

Series ref_rmi(const Vec& xs, std::size_t n, std::size_t m) {
    Series out;
    Vec gains, losses;
    double ag = 0, al = 0;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t < m) {
            out.push_back(std::nullopt);
            continue;
        }
        double c = xs[t] - xs[t - m];
        if (gains.size() < n) {
            gains.push_back(gain_of(c));
            losses.push_back(loss_of(c));
            if (gains.size() < n) {
                out.push_back(std::nullopt);
                continue;
            }
            double sg = -0.0, sl = -0.0;
            for (std::size_t i = 0; i < n; ++i) {
                sg += gains[i];
                sl += losses[i];
            }
            ag = sg / n;
            al = sl / n;
        } else {
            ag = (gain_of(c) + ag * (n - 1.0)) / n;
            al = (loss_of(c) + al * (n - 1.0)) / n;
        }
        out.push_back(ag + al == 0 ? 50.0 : ag / (ag + al) * 100);
    }
    return out;
}

Series ref_rsx(const Vec& xs, std::size_t n) {
    double a = 3.0 / (n + 2.0), b = 1.0 - a;
    double s[6] = {}, u[6] = {};
    auto chain = [a, b](double* st, double v) {
        st[0] = st[0] * b + v * a;
        st[1] = st[1] * b + st[0] * a;
        st[2] = st[2] * b + (1.5 * st[0] - 0.5 * st[1]) * a;
        st[3] = st[3] * b + st[2] * a;
        st[4] = st[4] * b + (1.5 * st[2] - 0.5 * st[3]) * a;
        st[5] = st[5] * b + st[4] * a;
        return 1.5 * st[4] - 0.5 * st[5];
    };
    Series out{std::nullopt};
    for (std::size_t t = 1; t < xs.size(); ++t) {
        double m = xs[t] - xs[t - 1];
        double num = chain(s, m), den = chain(u, std::fabs(m));
        double v = den > 0 ? std::clamp((num / den + 1) * 50, 0.0, 100.0) : 50.0;
        out.push_back(t >= n ? std::optional<double>(v) : std::nullopt);
    }
    return out;
}

// Standard deviation of the last 5 closes by the two-pass formula, its plain 10-value mean,
// and the changes summed afresh over the length they select.
Series ref_dmi(const Vec& xs, std::size_t n) {
    Vec sds;
    Series out;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t >= 4) {
            double mean = 0, var = 0;
            for (std::size_t i = t - 4; i <= t; ++i) mean += xs[i];
            mean /= 5;
            for (std::size_t i = t - 4; i <= t; ++i) var += (xs[i] - mean) * (xs[i] - mean);
            sds.push_back(std::sqrt(var / 5));
        }
        if (t < 30) {
            out.push_back(std::nullopt);
            continue;
        }
        double sd = sds.back(), avg = 0;
        for (std::size_t i = sds.size() - 10; i < sds.size(); ++i) avg += sds[i];
        avg /= 10;
        std::size_t used = 30;
        if (sd > 0 && avg > 0) used = std::clamp<double>(std::round(n / (sd / avg)), 5, 30);
        double up = 0, down = 0;
        for (std::size_t i = t + 1 - used; i <= t; ++i) {
            up += gain_of(xs[i] - xs[i - 1]);
            down += loss_of(xs[i] - xs[i - 1]);
        }
        out.push_back(up + down == 0 ? 50.0 : up / (up + down) * 100);
    }
    return out;
}

// ------------------------------------------------------------------ against the references

TEST(RsiFamilyTest, Rsi) {
    for (std::size_t n : {1u, 2u, 3u, 14u, 50u}) {
        SCOPED_TRACE(n);
        data().expect_exact(*Rsi::create(n), ref_rsi(data().finite(), n));
        data().expect_warmup_matches(*Rsi::create(n));
    }
    auto one = *Rsi::create(1);
    EXPECT_EQ(one.n_minus_1(), 0.0);
    EXPECT_EQ(one.inverse_n(), 1.0);
}

TEST(RsiFamilyTest, Cmo) {
    for (std::size_t n : {1u, 2u, 9u, 14u, 40u}) {
        SCOPED_TRACE(n);
        data().expect_exact(*Cmo::create(n), ref_cmo_running(data().finite(), n));
        data().expect_near(*Cmo::create(n), ref_cmo_plain(data().finite(), n), 1e-9);
        data().expect_warmup_matches(*Cmo::create(n));
    }
}

TEST(RsiFamilyTest, FisherRsi) {
    for (std::size_t n : {1u, 2u, 14u}) {
        SCOPED_TRACE(n);
        Series want = ref_rsi(data().finite(), n);
        for (auto& r : want)
            if (r) {
                double v = std::clamp((*r - 50) / 50, -0.999, 0.999);
                r = 0.5 * std::log((1 + v) / (1 - v));
            }
        data().expect_near(*FisherRsi::create(n), want, 1e-12);
        data().expect_warmup_matches(*FisherRsi::create(n));
    }
}

TEST(RsiFamilyTest, ConnorsRsi) {
    for (auto [a, b, r] : {std::tuple<std::size_t, std::size_t, std::size_t>{3, 2, 100}, {2, 2, 2}, {1, 1, 1},
                           {14, 5, 20}, {2, 30, 3}}) {
        SCOPED_TRACE(r);
        data().expect_exact(*ConnorsRsi::create(a, b, r), ref_connors(data().finite(), a, b, r));
        data().expect_warmup_matches(*ConnorsRsi::create(a, b, r));
    }
}

TEST(RsiFamilyTest, ConnorsRsiAroundZeroAndNegativeCloses) {
    // Closes of exactly 0 record no rate of change; negative closes give -0.0 rates, which rank
    // below +0.0.
    Vec xs = data().closes();
    for (std::size_t i : {40u, 41u, 90u, 200u, 230u}) xs[i] = 0.0;
    for (std::size_t i = 300; i < 330; ++i) xs[i] = i % 4 == 0 ? -2.0 : -3.0 + (i % 3);
    Vec fin = test::accepted(xs);
    for (auto [a, b, r] : {std::tuple<std::size_t, std::size_t, std::size_t>{3, 2, 10}, {2, 2, 2}, {5, 3, 1}}) {
        auto c = *ConnorsRsi::create(a, b, r);
        test::expect_series_exact(test::run(c, xs), test::on_bars(xs, ref_connors(fin, a, b, r)));
    }
}

TEST(RsiFamilyTest, StochRsi) {
    for (auto [n, k] : {std::pair<std::size_t, std::size_t>{14, 14}, {1, 1}, {2, 5}, {5, 1}, {3, 40}}) {
        SCOPED_TRACE(n);
        data().expect_exact(*StochRsi::create(n, k), ref_stoch_rsi(data().finite(), n, k));
        data().expect_warmup_matches(*StochRsi::create(n, k));
    }
}

TEST(RsiFamilyTest, DerivativeOscillator) {
    for (auto [n, p, q, s] : {std::tuple<std::size_t, std::size_t, std::size_t, std::size_t>{14, 5, 3, 9},
                              {1, 1, 1, 1}, {2, 3, 1, 2}, {5, 1, 7, 4}}) {
        SCOPED_TRACE(n);
        data().expect_exact(*DerivativeOscillator::create(n, p, q, s),
                            ref_derivative_oscillator(data().finite(), n, p, q, s));
        data().expect_warmup_matches(*DerivativeOscillator::create(n, p, q, s));
    }
    EXPECT_EQ(DerivativeOscillator::create(14, 5, 3, 9)->warmup_period(), 29u);
}

TEST(RsiFamilyTest, AdaptiveRsi) {
    for (std::size_t n : {1u, 2u, 5u, 14u, 31u}) {
        SCOPED_TRACE(n);
        data().expect_exact(*AdaptiveRsi::create(n), ref_adaptive_rsi(data().finite(), n, true));
        data().expect_near(*AdaptiveRsi::create(n), ref_adaptive_rsi(data().finite(), n, false), 1e-9);
        data().expect_warmup_matches(*AdaptiveRsi::create(n));
    }
}

TEST(RsiFamilyTest, AnchoredRsi) {
    data().expect_exact(AnchoredRsi{}, ref_anchored_rsi(data().finite()));
    data().expect_warmup_matches(AnchoredRsi{});
}

TEST(RsiFamilyTest, Rmi) {
    for (auto [n, m] : {std::pair<std::size_t, std::size_t>{14, 5}, {1, 1}, {2, 3}, {20, 1}, {3, 25}}) {
        SCOPED_TRACE(n);
        data().expect_exact(*Rmi::create(n, m), ref_rmi(data().finite(), n, m));
        data().expect_warmup_matches(*Rmi::create(n, m));
    }
}

TEST(RsiFamilyTest, Rsx) {
    for (std::size_t n : {1u, 2u, 14u, 30u}) {
        SCOPED_TRACE(n);
        data().expect_exact(*Rsx::create(n), ref_rsx(data().finite(), n));
        data().expect_warmup_matches(*Rsx::create(n));
    }
}

TEST(RsiFamilyTest, DynamicMomentumIndex) {
    for (std::size_t n : {1u, 5u, 14u, 30u, 200u}) {
        SCOPED_TRACE(n);
        data().expect_exact(*DynamicMomentumIndex::create(n), ref_dmi(data().finite(), n));
        data().expect_warmup_matches(*DynamicMomentumIndex::create(n));
    }
}

// ------------------------------------------------------------------ edge cases with numbers

Series run_on(auto state, const Vec& xs) { return test::run(state, xs); }

Series values(std::initializer_list<std::optional<double>> v) { return Series(v); }

TEST(RsiFamilyEdgeTest, SmallSeries) {
    const auto none = std::nullopt;
    test::expect_series_exact(run_on(*Rsi::create(2), {1, 2, 3, 2}), values({none, none, 100.0, 50.0}));
    test::expect_series_exact(run_on(*Cmo::create(2), {1, 2, 3, 2}), values({none, none, 100.0, 0.0}));
    test::expect_series_exact(run_on(AnchoredRsi{}, {10, 11, 10}), values({none, 100.0, 50.0}));
    test::expect_series_exact(run_on(*ConnorsRsi::create(2, 2, 2), {1, 2, 3, 2}), values({none, none, none, 25.0}));
}

TEST(RsiFamilyEdgeTest, FisherRsiAtTheEnds) {
    // A rising series gives an RSI of 100, a falling one 0.
    auto up = run_on(*FisherRsi::create(2), {1, 2, 3, 4});
    auto down = run_on(*FisherRsi::create(2), {4, 3, 2, 1});
    ASSERT_TRUE(up[3] && down[3]);
    EXPECT_NEAR(*up[3], 3.8002011672502, 1e-12);
    EXPECT_NEAR(*down[3], -3.8002011672502, 1e-12);
    EXPECT_EQ(*run_on(*FisherRsi::create(1), {5, 5})[1], 0.0);
}

TEST(RsiFamilyEdgeTest, ConstantSeries) {
    Vec flat(60, 103.25);
    auto from = [](const Series& s, std::size_t bar, double v) {
        ASSERT_EQ(test::first_value_bar(s), bar);
        for (std::size_t i = bar - 1; i < s.size(); ++i) ASSERT_TRUE(s[i] && test::same_bits(*s[i], v)) << i;
    };
    from(run_on(*Rsi::create(14), flat), 15, 50.0);
    from(run_on(*Cmo::create(14), flat), 15, 0.0);
    from(run_on(*FisherRsi::create(5), flat), 6, 0.0);
    from(run_on(AnchoredRsi{}, flat), 2, 50.0);
    from(run_on(*Rsx::create(14), flat), 15, 50.0);
    from(run_on(*StochRsi::create(5, 3), flat), 8, 50.0);
    from(run_on(*DynamicMomentumIndex::create(14), flat), 31, 50.0);
    from(run_on(*AdaptiveRsi::create(14), flat), 15, 50.0);
    from(run_on(*Rmi::create(14, 3), flat), 17, 50.0);
    from(run_on(*ConnorsRsi::create(3, 2, 5), flat), 6, (50.0 + 50.0) / 3);
    // The EMA stages may move a constant by an ulp; no exact value is promised here.
    Series d = run_on(*DerivativeOscillator::create(14, 5, 3, 9), flat);
    EXPECT_EQ(test::first_value_bar(d), 29u);
    for (std::size_t i = 28; i < d.size(); ++i) EXPECT_NEAR(*d[i], 0.0, 1e-12);
}

TEST(RsiFamilyEdgeTest, FlatWindowAfterVariation) {
    // Moves whose running sums keep a rounding residue once they have left the window.
    Vec xs = {1.3, 1.3, 0.7, 0.1, 0.3, 10.1, 0.7, 3.3};
    xs.insert(xs.end(), 40, 3.3);
    EXPECT_TRUE(test::same_bits(*run_on(*Cmo::create(4), xs).back(), 0.0));
    // AdaptiveRsi: a flat window gives er = 0 whatever residue its path keeps, which is exactly
    // the constant written for a path of 0.
    test::expect_series_exact(run_on(*AdaptiveRsi::create(4), xs), ref_adaptive_rsi(xs, 4, true));
    double b = 0.06451612903225806;
    EXPECT_EQ((0.0 * 0.6021505376344085 + b) * (0.0 * 0.6021505376344085 + b), 0.004162330905306971);
    // StochRsi over a window of equal RSI values (a steady rise keeps the RSI at 100).
    Vec rising = test::varied_closes(40, 3, false);
    for (int i = 0; i < 10; ++i) rising.push_back(rising.back() + 1);
    EXPECT_EQ(*run_on(*StochRsi::create(1, 4), rising).back(), 50.0);
}

TEST(RsiFamilyEdgeTest, ASideWhoseMovesHaveAllLeftIsZero) {
    // Rises and falls of varied size, then falls only (bars 10 to 14: the rises have left, their
    // sum keeps a residue), flat changes and one rise of 1.01e-16 (bar 15: the falls have left,
    // their sum keeps a residue of about -2e-16, and the running sums alone would give 12100).
    Vec xs = {1.33,  1.25,  0.97,  1.11,  0.58,  1.09,  1.49,  0.59,  0.368, 0.348, 0.056999999999999995,
              -0.023000000000000007, -0.023000000000000007, -0.023000000000000007, -0.023000000000000007,
              -0.022999999999999906};
    Vec mirrored = xs;
    for (double& x : mirrored) x = -x;
    Series s = run_on(*Cmo::create(4), xs);
    Series m = run_on(*Cmo::create(4), mirrored);
    for (std::size_t i = 10; i < 15; ++i) {
        ASSERT_TRUE(s[i] && m[i]) << i;
        EXPECT_TRUE(test::same_bits(*s[i], -100.0)) << i << ": " << *s[i];
        EXPECT_TRUE(test::same_bits(*m[i], 100.0)) << i << ": " << *m[i];
    }
    EXPECT_TRUE(test::same_bits(*s[15], 100.0)) << *s[15];
    EXPECT_TRUE(test::same_bits(*m[15], -100.0)) << *m[15];
    // A gain over itself: 0.007 * 100 / 0.007 rounds to 100 plus one unit in the last place.
    ASSERT_GT((0.007 * 100.0) / 0.007, 100.0);
    EXPECT_TRUE(test::same_bits(*run_on(*Rsi::create(1), {0.0, 0.007}).back(), 100.0));
    EXPECT_TRUE(test::same_bits(*run_on(*Rsi::create(2), {0.0, 0.007, 0.014, 0.021}).back(), 100.0));
    EXPECT_TRUE(test::same_bits(*run_on(*Cmo::create(1), {0.0, 0.007}).back(), 100.0));
    EXPECT_TRUE(test::same_bits(*run_on(*Cmo::create(1), {0.007, 0.0}).back(), -100.0));
}

TEST(RsiFamilyEdgeTest, ConnorsRsiAfterAZeroClose) {
    // A = B = 1, R = 2: rates 1, 0.5, then 3 -> 0 gives -1, then 0 -> 5 records nothing.
    auto c = *ConnorsRsi::create(1, 1, 2);
    Series s = run_on(c, {1, 2, 3, 0, 5});
    ASSERT_TRUE(s[3] && s[4]);
    EXPECT_EQ(*s[3], 0.0);
    // Bar 5: price RSI 100, streak RSI 100 (-1 -> 1), and the rank is taken over the unchanged
    // window {0.5, -1}: nothing lies below -1.
    EXPECT_EQ(*s[4], (100.0 + 100.0 + 0.0) / 3);
}

TEST(RsiFamilyEdgeTest, NaNDuringConnorsWarmUpDelaysByOneBar) {
    Vec xs = {1, 2, 3, 2, 4, 5};
    Vec with_nan = {1, 2, kNaN, 3, 2, 4, 5};
    Series plain = run_on(*ConnorsRsi::create(2, 2, 2), xs);
    Series gapped = run_on(*ConnorsRsi::create(2, 2, 2), with_nan);
    test::expect_series_exact(gapped, test::on_bars(with_nan, plain));
    EXPECT_EQ(test::first_value_bar(gapped), test::first_value_bar(plain) + 1);
}

// ------------------------------------------------------------------ refused bars change nothing

// After closes near the largest double, a close of -1.7e308 is a change beyond it: the bar must
// give no value and leave the state as it was, so a copy that never saw it continues alike.
template <class State>
void expect_overflowing_change_refused(State state) {
    Vec high = test::varied_closes(50, 11, true);
    for (double& x : high) x = std::isfinite(x) ? 8e307 + x * 1e305 : x;
    Vec after = test::varied_closes(80, 12, true);
    for (std::size_t i = 0; i < after.size(); i += 9) after[i] *= 1e306;
    (void)test::run(state, high);
    State refused = state;
    ASSERT_FALSE(refused.update_value(-1.7e308));
    test::expect_series_exact(test::run(refused, after), test::run(state, after));
}

TEST(RsiFamilyEdgeTest, OverflowingChangesAreRefused) {
    expect_overflowing_change_refused(*Rsi::create(3));
    expect_overflowing_change_refused(*Rsi::create(200));
    expect_overflowing_change_refused(*Cmo::create(3));
    expect_overflowing_change_refused(*FisherRsi::create(3));
    expect_overflowing_change_refused(*ConnorsRsi::create(3, 2, 5));
    expect_overflowing_change_refused(*StochRsi::create(3, 4));
    expect_overflowing_change_refused(*DerivativeOscillator::create(3, 2, 2, 2));
    expect_overflowing_change_refused(*AdaptiveRsi::create(3));
    expect_overflowing_change_refused(AnchoredRsi{});
    expect_overflowing_change_refused(*Rmi::create(3, 1));
    expect_overflowing_change_refused(*Rmi::create(2, 4));
    expect_overflowing_change_refused(*Rsx::create(3));
    expect_overflowing_change_refused(*DynamicMomentumIndex::create(14));
}

TEST(RsiFamilyEdgeTest, ValuesStayFiniteOnHostileSeries) {
    Vec xs = test::varied_closes(200, 5, true);
    for (std::size_t i = 20; i < xs.size(); i += 7) xs[i] = (i % 2 ? 1.0 : -1.0) * 1.7e308;
    for (std::size_t i = 23; i < xs.size(); i += 11) xs[i] = 4.9e-324;
    auto check = [&](auto state, double lo, double hi) {
        for (const auto& v : test::run(state, xs))
            if (v) {
                ASSERT_TRUE(*v >= lo && *v <= hi) << *v;
            }
    };
    check(*Rsi::create(3), 0, 100);
    check(*Cmo::create(3), -100, 100);
    check(*ConnorsRsi::create(3, 2, 5), 0, 100);
    check(*StochRsi::create(3, 4), 0, 100);
    check(*AdaptiveRsi::create(3), 0, 100);
    check(AnchoredRsi{}, 0, 100);
    check(*Rmi::create(3, 2), 0, 100);
    check(*Rsx::create(3), 0, 100);
    check(*DynamicMomentumIndex::create(14), 0, 100);
    check(*FisherRsi::create(3), -4, 4);
    check(*DerivativeOscillator::create(3, 2, 2, 2), -100, 100);
}

TEST(RsiFamilyEdgeTest, UnboundedLengthsGrowWithTheData) {
    const std::uint64_t huge = std::numeric_limits<std::uint64_t>::max();
    auto rmi = *Rmi::create(huge, huge);
    auto stoch = *StochRsi::create(2, huge);
    auto connors = *ConnorsRsi::create(2, 2, huge);
    for (int i = 0; i < 500; ++i) {
        double x = 100 + (i % 7);
        EXPECT_FALSE(rmi.update_value(x));
        EXPECT_FALSE(stoch.update_value(x));
        EXPECT_FALSE(connors.update_value(x));
    }
    EXPECT_EQ(rmi.warmup_period(), huge);
    EXPECT_EQ(stoch.warmup_period(), huge);
    EXPECT_EQ(connors.warmup_period(), huge);
    EXPECT_EQ(Rsi::create(16'777'216)->warmup_period(), 16'777'217u);
}

TEST(RsiFamilyEdgeTest, FullStorageIsTakenOnlyWhenAsked) {
    // StochRsi asks its extremes for full storage once K values are in, so later bars never
    // allocate; before that a window holds only what the data needs.
    RollingWindow<double> w(1000);
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(w.push(i));
    EXPECT_LT(w.storage(), 1000u);
    ASSERT_TRUE(w.reserve_full());
    EXPECT_EQ(w.storage(), 1000u);
    EXPECT_EQ(w.size(), 20u);
    for (std::size_t i = 0; i < w.size(); ++i) EXPECT_EQ(w[i], double(i));
    WindowExtremes e(50);
    for (int i = 0; i < 50; ++i) ASSERT_TRUE(e.push(i % 7));
    ASSERT_TRUE(e.reserve_full());
    EXPECT_EQ(e.max(), 6.0);
    EXPECT_EQ(e.min(), 0.0);
}

TEST(RsiFamilyEdgeTest, NonFiniteClosesChangeNothing) {
    auto r = *Rsi::create(2);
    for (double x : {1.0, kNaN, 2.0, kInf, -kInf, 3.0}) (void)r.update_value(x);
    EXPECT_EQ(r.update_value(2.0), 50.0);
}

}  // namespace
}  // namespace prynox
