// The drawdown measures and the risk and performance ratios: each type against a
// straightforward recomputation from its formula over varied level and return series with
// rejected bars, the fixed values of degenerate windows, hostile inputs that must change
// nothing, and the warm-ups.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "indicators/risk_ratios/average_drawdown.hpp"
#include "indicators/risk_ratios/burke_ratio.hpp"
#include "indicators/risk_ratios/calmar_ratio.hpp"
#include "indicators/risk_ratios/expectancy.hpp"
#include "indicators/risk_ratios/gain_loss_ratio.hpp"
#include "indicators/risk_ratios/gain_to_pain_ratio.hpp"
#include "indicators/risk_ratios/k_ratio.hpp"
#include "indicators/risk_ratios/kelly_criterion.hpp"
#include "indicators/risk_ratios/m2_measure.hpp"
#include "indicators/risk_ratios/martin_ratio.hpp"
#include "indicators/risk_ratios/max_drawdown.hpp"
#include "indicators/risk_ratios/omega_ratio.hpp"
#include "indicators/risk_ratios/pain_index.hpp"
#include "indicators/risk_ratios/profit_factor.hpp"
#include "indicators/risk_ratios/recovery_factor.hpp"
#include "indicators/risk_ratios/sharpe_ratio.hpp"
#include "indicators/risk_ratios/sortino_ratio.hpp"
#include "indicators/risk_ratios/sterling_ratio.hpp"
#include "indicators/risk_ratios/upside_potential_ratio.hpp"
#include "indicators/risk_ratios/win_rate.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using test::expect_exact;
using test::run_on;
using Vec = std::vector<double>;
using Window = std::span<const double>;
using Opt = std::optional<double>;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMar = 0.005;

// ------------------------------------------------------------------ data

// Per-bar returns: noisy stretches with exact zeros and a few large moves, then an all-zero run,
// a constant gain, a constant loss, decimals whose sums leave rounding residue, a run equal to
// kMar, and NaN / infinite bars.
Vec varied_returns(std::size_t n = 420, std::uint64_t seed = 7) {
    Vec out;
    for (std::size_t i = 0; i < n; ++i) {
        double r;
        if (i >= 60 && i < 90)
            r = 0.0;
        else if (i >= 150 && i < 180)
            r = 0.01;
        else if (i >= 220 && i < 250)
            r = -0.02;
        else if (i >= 250 && i < 300)
            r = (static_cast<double>(test::splitmix(seed) % 7) - 3.0) / 10.0;  // -0.3 .. 0.3
        else if (i >= 300 && i < 330)
            r = kMar;
        else if (i % 7 == 0)
            r = 0.0;
        else
            r = test::unit(seed) * 0.05 + (test::splitmix(seed) % 23 == 0 ? test::unit(seed) * 0.6 : 0.0);
        out.push_back(r);
    }
    for (std::size_t i : {5u, 40u, 41u, 95u, 170u, 260u, 310u, 400u})
        out[i] = i % 3 == 0 ? kNaN : (i % 3 == 1 ? kInf : -kInf);
    return out;
}

// Levels that cross zero: a walk around 0 with exact zeros, a rise, then the varied closes.
Vec signed_levels() {
    Vec out;
    std::uint64_t seed = 3;
    double x = 0.5;
    for (int i = 0; i < 150; ++i) {
        x = i % 11 == 0 ? 0.0 : x + test::unit(seed);
        out.push_back(x);
    }
    for (int i = 0; i < 30; ++i) out.push_back(1.0 + i);
    for (double c : test::varied_closes(220, 11, true)) out.push_back(c);
    out[20] = kNaN;
    out[160] = -kInf;
    return out;
}

// The data sets every type is checked on: returns, closes read as returns, and levels.
std::vector<Vec> datasets() { return {varied_returns(), test::varied_closes(400, 42, true), signed_levels()}; }

// ------------------------------------------------------------------ harness

// One output per accepted value: f over the last n values once n are held.
Series windowed(const Vec& xs, std::size_t n, const std::function<Opt(Window)>& f) {
    Series out;
    for (std::size_t t = 0; t < xs.size(); ++t)
        out.push_back(t + 1 < n ? std::nullopt : f(Window(xs).subspan(t + 1 - n, n)));
    return out;
}

Opt finite_or_none(double v) { return std::isfinite(v) ? Opt(v) : std::nullopt; }

// The warm-up a state reports is the bar of its first value on the accepted values of `xs`.
template <class State>
void expect_warmup_matches(State state, const Vec& xs = varied_returns()) {
    test::expect_warmup_matches(std::move(state), test::accepted(xs));
}

// A bar the state must reject: its output is none and every other output is what the state
// gives without that bar.
template <class State>
void expect_rejected(const State& state, Vec xs, std::size_t at, double hostile) {
    Series without = run_on(state, xs);
    xs.insert(xs.begin() + static_cast<std::ptrdiff_t>(at), hostile);
    Series with = run_on(state, xs);
    without.insert(without.begin() + static_cast<std::ptrdiff_t>(at), std::nullopt);
    test::expect_series_exact(with, without);
}

template <class State>
Opt last_of(State state, const Vec& xs) {
    Opt v;
    for (double x : xs) v = state.update_value(x);
    return v;
}

// ------------------------------------------------------------------ level drawdowns

Opt ref_max_drawdown(Window w) {
    double peak = -kInf, largest = 0.0;
    for (double v : w) {
        peak = std::max(peak, v);
        if (peak > 0.0) largest = std::max(largest, (peak - v) / peak);
    }
    return finite_or_none(largest);
}

Opt ref_pain_index(Window w) {
    double peak = -kInf, sum = 0.0;
    for (double v : w) {
        peak = std::max(peak, v);
        if (peak > 0.0) sum += (peak - v) / peak;
    }
    return finite_or_none(sum / static_cast<double>(w.size()));
}

// Episode depths of a sequence of levels, each with its peak.
Vec episode_depths(const Vec& levels, double start_peak) {
    Vec depths;
    double peak = start_peak;
    double trough = 0.0;
    bool open = false;
    auto end_episode = [&] {
        if (open && peak > 0.0) depths.push_back((peak - trough) / peak);
        open = false;
    };
    for (double v : levels) {
        if (v >= peak) {
            end_episode();
            peak = v;
        } else {
            trough = open ? std::min(trough, v) : v;
            open = true;
        }
    }
    end_episode();
    return depths;
}

Opt ref_average_drawdown(Window w) {
    Vec depths = episode_depths(Vec(w.begin(), w.end()), -kInf);
    if (depths.empty()) return 0.0;
    double sum = 0.0;
    for (double d : depths) sum += d;
    return finite_or_none(sum / static_cast<double>(depths.size()));
}

TEST(RiskRatiosTest, LevelDrawdownsAgainstRecomputation) {
    for (const Vec& bars : datasets())
        for (std::size_t n : {1u, 2u, 5u, 20u, 60u}) {
            SCOPED_TRACE(n);
            Vec xs = test::accepted(bars);
            expect_exact(*MaxDrawdown::create(n), bars, windowed(xs, n, ref_max_drawdown));
            expect_exact(*PainIndex::create(n), bars, windowed(xs, n, ref_pain_index));
            expect_exact(*AverageDrawdown::create(n), bars, windowed(xs, n, ref_average_drawdown));
        }
}

TEST(RiskRatiosTest, LevelDrawdownEdgeCases) {
    Vec rising = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(last_of(*MaxDrawdown::create(4), rising), 0.0);
    EXPECT_EQ(last_of(*AverageDrawdown::create(4), rising), 0.0);
    EXPECT_EQ(last_of(*PainIndex::create(4), rising), 0.0);
    // Peaks <= 0 count for nothing; the drop from 10 to 5 then 8 is one episode of depth 0.5.
    Vec mixed = {-4, -1, -3, 0, -2, 10, 5, 8, 10, 9};
    EXPECT_EQ(last_of(*MaxDrawdown::create(10), mixed), 0.5);
    EXPECT_EQ(last_of(*AverageDrawdown::create(10), mixed), (0.5 + 0.1) / 2.0);
    EXPECT_EQ(last_of(*PainIndex::create(10), mixed), (0.5 + 0.2 + 0.1) / 10.0);
    // A drop from a huge peak to a huge negative level overflows: no value, the window moves on.
    auto md = *MaxDrawdown::create(2);
    EXPECT_FALSE(md.update_value(1e308));
    EXPECT_FALSE(md.update_value(-1e308));
    EXPECT_EQ(md.update_value(1.0), 0.0);
    auto pain = *PainIndex::create(2);
    (void)pain.update_value(1e308);
    EXPECT_FALSE(pain.update_value(-1e308));
    auto avg = *AverageDrawdown::create(2);
    (void)avg.update_value(1e308);
    EXPECT_FALSE(avg.update_value(-1e308));
}

// ------------------------------------------------------------------ recovery factor

Series ref_recovery_factor(const Vec& xs) {
    Series out;
    double peak = -kInf, largest = 0.0;
    for (double x : xs) {
        peak = std::max(peak, x);
        if (peak > 0.0) largest = std::max(largest, (peak - x) / peak);
        if (xs[0] == 0.0)
            out.push_back(std::nullopt);
        else if (largest == 0.0)
            out.push_back(0.0);
        else
            out.push_back(finite_or_none((x / xs[0] - 1.0) / largest));
    }
    return out;
}

TEST(RiskRatiosTest, RecoveryFactor) {
    for (const Vec& bars : datasets()) expect_exact(RecoveryFactor{}, bars, ref_recovery_factor(test::accepted(bars)));
    expect_warmup_matches(RecoveryFactor{}, test::varied_closes(50, 1, false));
    // 0 on the first close and while nothing has been lost.
    RecoveryFactor r;
    EXPECT_EQ(r.update_value(10.0), 0.0);
    EXPECT_EQ(r.update_value(12.0), 0.0);
    EXPECT_EQ(r.update_value(9.0), (0.9 - 1.0) / 0.25);
    EXPECT_EQ(r.update_value(15.0), 0.5 / 0.25);
    // A first close of 0 gives nothing, ever.
    RecoveryFactor zero;
    for (double x : {0.0, 1.0, 0.5, 2.0}) EXPECT_FALSE(zero.update_value(x));
    // A negative start: the peak still starts below every close.
    RecoveryFactor negative;
    EXPECT_EQ(negative.update_value(-5.0), 0.0);
    EXPECT_EQ(negative.update_value(-10.0), 0.0);
    EXPECT_EQ(negative.update_value(4.0), 0.0);
    EXPECT_EQ(negative.update_value(2.0), (2.0 / -5.0 - 1.0) / 0.5);
    // A drawdown that overflows would pin the largest drawdown at infinity: rejected.
    expect_rejected(RecoveryFactor{}, {1e308, 5e307, 1e308, 2e307}, 2, -1e308);
}

// ------------------------------------------------------------------ compounded ratios

struct Curve {
    Vec equity;
    double sum = 0.0;
};

// The equity curve of a window, or none when it leaves the finite range.
std::optional<Curve> curve_of(Window w) {
    Curve c;
    double e = 1.0;
    for (double r : w) {
        c.sum += r;
        e *= 1.0 + r;
        c.equity.push_back(e);
    }
    if (!std::isfinite(e) || !std::isfinite(c.sum)) return std::nullopt;
    return c;
}

// The running sum of a window of the sequence, the leaving value subtracted and the entering
// one added, re-summed from -0.0 over the window once every n accepted values.
Vec running_sums(const Vec& xs, std::size_t n) {
    Vec out;
    double s = 0.0;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        s = t >= n ? (s - xs[t - n]) + xs[t] : s + xs[t];
        if ((t + 1) % n == 0) {
            s = -0.0;
            for (std::size_t i = t + 1 - std::min(n, t + 1); i <= t; ++i) s += xs[i];
        }
        out.push_back(s);
    }
    return out;
}

Series ref_calmar(const Vec& xs, std::size_t n) {
    Vec sums = running_sums(xs, n);
    Series out;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t + 1 < n) {
            out.push_back(std::nullopt);
            continue;
        }
        auto c = curve_of(Window(xs).subspan(t + 1 - n, n));
        if (!c) {
            out.push_back(std::nullopt);
            continue;
        }
        double peak = 1.0, largest = 0.0;
        for (double e : c->equity) {
            peak = std::max(peak, e);
            largest = std::max(largest, (peak - e) / peak);
        }
        out.push_back(largest == 0.0 ? Opt(0.0) : finite_or_none((sums[t] / n) / largest));
    }
    return out;
}

Opt ref_sterling(Window w) {
    auto c = curve_of(w);
    if (!c) return std::nullopt;
    Vec depths = episode_depths(c->equity, 1.0);
    if (depths.empty()) return 0.0;
    double sum = 0.0;
    for (double d : depths) sum += d;
    double mean_depth = sum / depths.size();
    return mean_depth > 0.0 ? finite_or_none((c->sum / w.size()) / mean_depth) : Opt(0.0);
}

Opt ref_burke(Window w) {
    auto c = curve_of(w);
    if (!c) return std::nullopt;
    double squares = 0.0;
    for (double d : episode_depths(c->equity, 1.0)) squares += d * d;
    if (!std::isfinite(squares)) return std::nullopt;
    return squares > 0.0 ? finite_or_none((c->sum / w.size()) / std::sqrt(squares)) : Opt(0.0);
}

Opt ref_martin(Window w) {
    auto c = curve_of(w);
    if (!c) return std::nullopt;
    double peak = 1.0, squares = 0.0;
    for (double e : c->equity) {
        peak = std::max(peak, e);
        double d = (peak - e) * 100.0 / peak;
        squares += d * d;
    }
    if (!std::isfinite(squares)) return std::nullopt;
    double u = squares / w.size();
    return u > 0.0 ? finite_or_none((c->sum / w.size()) / std::sqrt(u)) : Opt(0.0);
}

TEST(RiskRatiosTest, CompoundedRatiosAgainstRecomputation) {
    for (const Vec& bars : datasets())
        for (std::size_t n : {2u, 3u, 10u, 40u, 200u}) {
            SCOPED_TRACE(n);
            Vec xs = test::accepted(bars);
            expect_exact(*CalmarRatio::create(n), bars, ref_calmar(xs, n));
            expect_exact(*SterlingRatio::create(n), bars, windowed(xs, n, ref_sterling));
            expect_exact(*BurkeRatio::create(n), bars, windowed(xs, n, ref_burke));
            expect_exact(*MartinRatio::create(n), bars, windowed(xs, n, ref_martin));
        }
}

TEST(RiskRatiosTest, CompoundedRatiosEdgeCases) {
    Vec gains = {0.0, 0.01, 0.0, 0.2, 1e-18, 0.03};
    EXPECT_EQ(last_of(*CalmarRatio::create(6), gains), 0.0);
    EXPECT_EQ(last_of(*SterlingRatio::create(6), gains), 0.0);
    EXPECT_EQ(last_of(*BurkeRatio::create(6), gains), 0.0);
    EXPECT_EQ(last_of(*MartinRatio::create(6), gains), 0.0);
    // Equity 1, 0.5, 0.75, 1.5: one episode of depth 0.5, the largest drawdown 0.5.
    Vec dip = {-0.5, 0.5, 1.0};
    double mean = (-0.5 + 0.5 + 1.0) / 3.0;
    EXPECT_EQ(last_of(*CalmarRatio::create(3), dip), mean / 0.5);
    EXPECT_EQ(last_of(*SterlingRatio::create(3), dip), mean / 0.5);
    EXPECT_EQ(last_of(*BurkeRatio::create(3), dip), mean / std::sqrt(0.25));
    EXPECT_EQ(last_of(*MartinRatio::create(3), dip), mean / std::sqrt((50.0 * 50.0 + 25.0 * 25.0) / 3.0));
    // Closes of 100 read as returns overflow the equity of a long window: no value at all.
    Vec closes(300, 100.0);
    EXPECT_EQ(test::first_value_bar(run_on(*CalmarRatio::create(200), closes)), 0u);
    EXPECT_EQ(test::first_value_bar(run_on(*MartinRatio::create(200), closes)), 0u);
    // A running sum that would overflow is refused with nothing changed.
    expect_rejected(*CalmarRatio::create(2), {0.1, 1e308, 0.2, -0.3, 0.1}, 2, 1e308);
    expect_rejected(*CalmarRatio::create(3), {0.1, -1e308, 0.2, -0.3, 0.1, 0.2}, 2, -1e308);
}

// ------------------------------------------------------------------ moment ratios

// Mean and sample variance from deviations around an anchor: the first value, then the mean
// of the window after every n accepted values; 0 variance for n bit-identical values.
struct Moments {
    double mean, variance;
};
std::vector<std::optional<Moments>> ref_moments(const Vec& xs, std::size_t n) {
    std::vector<std::optional<Moments>> out;
    double k = xs.empty() ? 0.0 : xs[0], s1 = 0.0, s2 = 0.0, nd = static_cast<double>(n);
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t >= n) {
            double d = xs[t - n] - k;
            s1 -= d;
            s2 -= d * d;
        }
        double d = xs[t] - k;
        s1 += d;
        s2 += d * d;
        if ((t + 1) % n == 0) {
            std::size_t m = std::min(n, t + 1);
            double sum = 0.0;
            for (std::size_t i = t + 1 - m; i <= t; ++i) sum += xs[i];
            k = sum / static_cast<double>(m);
            s1 = s2 = 0.0;
            for (std::size_t i = t + 1 - m; i <= t; ++i) {
                s1 += xs[i] - k;
                s2 += (xs[i] - k) * (xs[i] - k);
            }
        }
        if (t + 1 < n) {
            out.push_back(std::nullopt);
            continue;
        }
        bool constant = true;
        for (std::size_t i = t + 1 - n; i <= t; ++i) constant = constant && test::same_bits(xs[i], xs[t]);
        double u = s1 / nd;
        double v = (s2 - nd * (u * u)) / (nd - 1.0);
        out.push_back(Moments{k + u, constant || !(v > 0.0) ? 0.0 : v});
    }
    return out;
}

Series ratio_of(const std::vector<std::optional<Moments>>& ms, const std::function<double(Moments)>& f) {
    Series out;
    for (const auto& m : ms) out.push_back(!m ? std::nullopt : m->variance == 0.0 ? Opt(0.0) : finite_or_none(f(*m)));
    return out;
}

TEST(RiskRatiosTest, SharpeAndM2AgainstRecomputation) {
    const double rf = 0.001, bench = 0.15;
    for (const Vec& bars : datasets())
        for (std::size_t n : {2u, 3u, 10u, 30u, 120u}) {
            SCOPED_TRACE(n);
            Vec xs = test::accepted(bars);
            auto ms = ref_moments(xs, n);
            expect_exact(*SharpeRatio::create(n, rf), bars,
                         ratio_of(ms, [&](Moments m) { return (m.mean - rf) / std::sqrt(m.variance); }));
            expect_exact(*M2Measure::create(n, rf, bench), bars, ratio_of(ms, [&](Moments m) {
                             return rf + bench * (m.mean - rf) / std::sqrt(m.variance);
                         }));
            // The anchored sums agree with a two-pass mean and variance wherever the window varies.
            Series two_pass = windowed(xs, n, [&](Window w) -> Opt {
                double mean = 0.0, ss = 0.0;
                for (double v : w) mean += v / n;
                for (double v : w) ss += (v - mean) * (v - mean);
                double sd = std::sqrt(ss / (n - 1.0));
                return sd > 1e-9 * std::max(1.0, std::fabs(mean)) ? Opt((mean - rf) / sd) : std::nullopt;
            });
            Series got = run_on(*SharpeRatio::create(n, rf), xs);
            for (std::size_t i = 0; i < got.size(); ++i) {
                if (!two_pass[i]) continue;
                EXPECT_NEAR(*got[i], *two_pass[i], 1e-7 * std::max(1.0, std::fabs(*two_pass[i])));
            }
        }
}

TEST(RiskRatiosTest, SharpeAndM2EdgeCases) {
    // A window of one repeated integer gives 0, not the risk-free rate.
    Vec ints = {3, 3, 3, 3};
    EXPECT_EQ(last_of(*SharpeRatio::create(4, 0.5), ints), 0.0);
    EXPECT_EQ(last_of(*M2Measure::create(4, 0.5, 0.2), ints), 0.0);
    // A constant window after variation: the sums kept around the old anchor carry a residue
    // (the plain formula gives about 2.7e7 here), yet the window has no spread.
    Vec after = {0.3, -0.7, 0.2, 0.9, 0.4, 0.6, 0.1, 0.1, 0.1, 0.1, 0.1};
    EXPECT_EQ(last_of(*SharpeRatio::create(5, 0.0), after), 0.0);
    EXPECT_EQ(last_of(*M2Measure::create(5, 0.02, 0.1), after), 0.0);
    EXPECT_EQ(last_of(*SharpeRatio::create(2, 0.0), Vec{1.0, 3.0}), 2.0 / std::sqrt(2.0));
    EXPECT_EQ(last_of(*M2Measure::create(2, 1.0, 0.5), Vec{1.0, 3.0}), 1.0 + 0.5 * 1.0 / std::sqrt(2.0));
    // Deviations too large to square are no input.
    expect_rejected(*SharpeRatio::create(3, 0.0), {1.0, 2.0, 1.5, 1.25, 2.0}, 3, 1e200);
    expect_rejected(*M2Measure::create(3, 0.0, 1.0), {1.0, 2.0, 1.5, 1.25, 2.0}, 3, -1e200);
}

// ------------------------------------------------------------------ downside ratios

Series ref_sortino(const Vec& xs, std::size_t n, double mar) {
    Vec sums = running_sums(xs, n);
    return windowed(xs, n, [&, t = std::size_t{n - 1}](Window w) mutable -> Opt {
        double mean = sums[t++] / n, shortfall = 0.0;
        for (double r : w)
            if (r - mar < 0.0) shortfall += (r - mar) * (r - mar);
        double d = shortfall / n;
        if (!std::isfinite(d)) return std::nullopt;
        return d == 0.0 ? Opt(0.0) : finite_or_none((mean - mar) / std::sqrt(d));
    });
}

// Sums adjusted as values leave and enter, never re-summed; the counts of non-zero terms.
Series ref_upside_potential(const Vec& xs, std::size_t n, double mar) {
    Series out;
    double up = 0.0, down = 0.0;
    auto up_of = [&](double r) { return std::max(r - mar, 0.0); };
    auto down_of = [&](double r) { return r - mar < 0.0 ? (r - mar) * (r - mar) : 0.0; };
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t >= n) {
            up -= up_of(xs[t - n]);
            down -= down_of(xs[t - n]);
        }
        up += up_of(xs[t]);
        down += down_of(xs[t]);
        if (t + 1 < n) {
            out.push_back(std::nullopt);
            continue;
        }
        std::size_t ups = 0, downs = 0;
        for (std::size_t i = t + 1 - n; i <= t; ++i) {
            ups += up_of(xs[i]) != 0.0;
            downs += down_of(xs[i]) != 0.0;
        }
        if (downs == 0 || !(down / n > 0.0)) {
            out.push_back(0.0);
            continue;
        }
        out.push_back(finite_or_none((ups == 0 ? 0.0 : up / n) / std::sqrt(down / n)));
    }
    return out;
}

TEST(RiskRatiosTest, DownsideRatiosAgainstRecomputation) {
    for (const Vec& bars : datasets())
        for (std::size_t n : {2u, 3u, 10u, 30u, 90u})
            for (double mar : {kMar, 0.0, -0.01}) {
                SCOPED_TRACE(n);
                Vec xs = test::accepted(bars);
                expect_exact(*SortinoRatio::create(n, mar), bars, ref_sortino(xs, n, mar));
                expect_exact(*UpsidePotentialRatio::create(n, mar), bars, ref_upside_potential(xs, n, mar));
            }
}

TEST(RiskRatiosTest, DownsideRatiosEdgeCases) {
    Vec above = {0.01, 0.02, 0.005, 0.5};
    EXPECT_EQ(last_of(*SortinoRatio::create(4, kMar), above), 0.0);
    EXPECT_EQ(last_of(*UpsidePotentialRatio::create(4, kMar), above), 0.0);
    EXPECT_EQ(last_of(*SortinoRatio::create(2, 0.0), Vec{-1.0, 3.0}), 1.0 / std::sqrt(0.5));
    EXPECT_EQ(last_of(*UpsidePotentialRatio::create(2, 0.0), Vec{-1.0, 3.0}), 1.5 / std::sqrt(0.5));
    // Shortfalls that left the window leave a residue in the running sum (0.1 + 0.2 - 0.1 - 0.2
    // is not 0); the count of shortfalls says the window has none.
    auto upr = *UpsidePotentialRatio::create(2, 0.3);
    for (double r : {0.2, 0.1, 0.9, 0.9}) (void)upr.update_value(r);
    EXPECT_EQ(upr.update_value(0.9), 0.0);
    // Likewise an upside residue: a window entirely below mar has no upside at all.
    auto below = *UpsidePotentialRatio::create(2, -0.3);
    for (double r : {-0.2, -0.1, -0.9, -0.9}) (void)below.update_value(r);
    EXPECT_TRUE(test::same_bits(*below.update_value(-0.9), 0.0));
    // Upsides smaller than the residue of those that left: at the last bar the window holds one
    // upside of 6.9e-18 and one shortfall of the same size, and the up sum has run down to
    // -6.2e-17, which alone would give -5. No upside is negative: the sum reads as none.
    const double under = std::nextafter(0.05, 0.0);
    auto tiny = *UpsidePotentialRatio::create(4, 0.05);
    Opt last;
    for (double r : {0.06361367062220605, 0.07356872505294457, 0.04050083477050465, 0.05768616415702093,
                     0.7386951768978419, 0.058903180597437294, 0.05, 0.05000000000000001, under, 0.05})
        last = tiny.update_value(r);
    ASSERT_TRUE(last);
    EXPECT_TRUE(test::same_bits(*last, 0.0)) << *last;
    // A distance from mar too large to represent or square is no input.
    expect_rejected(*UpsidePotentialRatio::create(3, -1e308), {0.1, -0.2, 0.3, 0.0}, 2, 1e308);
    expect_rejected(*UpsidePotentialRatio::create(3, 0.0), {0.1, -0.2, 0.3, 0.0}, 2, -1e200);
}

// ------------------------------------------------------------------ gain and loss ratios

struct Tally {
    double gains = 0.0, losses = 0.0;
    double wins = 0, fails = 0;
};
Tally tally(Window w, double threshold, bool zero_is_gain) {
    Tally t;
    for (double r : w) {
        double d = r - threshold;
        if (d > 0.0 || (zero_is_gain && d == 0.0)) {
            t.gains += d;
            ++t.wins;
        } else if (d < 0.0) {
            t.losses += -d;
            ++t.fails;
        }
    }
    return t;
}
bool finite_tally(const Tally& t) { return std::isfinite(t.gains) && std::isfinite(t.losses); }

// A sum that overflows gives no value only in a branch that reads its size: gains without a loss
// are plus infinity, and losses without a gain give 0, however large.
Opt ref_profit_factor(Window w) {
    Tally t = tally(w, 0.0, false);
    if (t.losses == 0.0) return t.gains == 0.0 ? 1.0 : kInf;
    if (t.gains == 0.0) return 0.0;
    if (!finite_tally(t)) return std::nullopt;
    return t.gains / t.losses;
}

Opt ref_omega(Window w, double threshold) {
    Tally t = tally(w, threshold, true);
    if (t.losses == 0.0) return t.gains == 0.0 ? 1.0 : kInf;
    if (t.gains == 0.0) return 0.0;
    if (!finite_tally(t)) return std::nullopt;
    return t.gains / t.losses;
}

Opt ref_gain_loss(Window w) {
    Tally t = tally(w, 0.0, false);
    if (t.fails == 0) return t.wins == 0 ? 1.0 : kInf;
    if (t.wins == 0) return 0.0;
    if (!finite_tally(t)) return std::nullopt;
    return (t.gains / t.wins) / (t.losses / t.fails);
}

Opt ref_kelly(Window w) {
    Tally t = tally(w, 0.0, false);
    double p = t.wins / w.size();
    if (t.fails == 0) return p;
    if (t.wins == 0) return -1.0;
    if (!finite_tally(t)) return std::nullopt;
    return finite_or_none(p - (1.0 - p) / ((t.gains / t.wins) / (t.losses / t.fails)));
}

Opt ref_win_rate(Window w) { return tally(w, 0.0, false).wins / w.size(); }

// Sums of all values and of losses adjusted as values leave and enter, never re-summed.
Series ref_sum_over_losses(const Vec& xs, std::size_t n, bool expectancy) {
    Series out;
    double s = 0.0, p = 0.0;
    auto loss = [](double r) { return r < 0.0 ? -r : 0.0; };
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t >= n) {
            s -= xs[t - n];
            p -= loss(xs[t - n]);
        }
        s += xs[t];
        p += loss(xs[t]);
        if (t + 1 < n) {
            out.push_back(std::nullopt);
            continue;
        }
        double c = tally(Window(xs).subspan(t + 1 - n, n), 0.0, false).fails;
        if (c == 0)
            out.push_back(0.0);
        else if (expectancy)
            out.push_back(finite_or_none((s / n) / (p / c)));
        else
            out.push_back(p > 0.0 ? finite_or_none(s / p) : Opt(0.0));
    }
    return out;
}

TEST(RiskRatiosTest, GainLossRatiosAgainstRecomputation) {
    for (const Vec& bars : datasets())
        for (std::size_t n : {1u, 2u, 7u, 30u, 100u}) {
            SCOPED_TRACE(n);
            Vec xs = test::accepted(bars);
            expect_exact(*ProfitFactor::create(n), bars, windowed(xs, n, ref_profit_factor));
            expect_exact(*GainLossRatio::create(n), bars, windowed(xs, n, ref_gain_loss));
            expect_exact(*KellyCriterion::create(n), bars, windowed(xs, n, ref_kelly));
            expect_exact(*WinRate::create(n), bars, windowed(xs, n, ref_win_rate));
            expect_exact(*GainToPainRatio::create(n), bars, ref_sum_over_losses(xs, n, false));
            expect_exact(*Expectancy::create(n), bars, ref_sum_over_losses(xs, n, true));
            for (double threshold : {0.0, kMar, 100.0})
                expect_exact(*OmegaRatio::with_formula(n, OmegaRatioFormula{threshold}), bars,
                             windowed(xs, n, [threshold](Window w) { return ref_omega(w, threshold); }));
        }
}

TEST(RiskRatiosTest, GainLossRatiosFixedValues) {
    Vec zeros(5, 0.0), gains = {0.0, 0.1, 0.0, 0.2, 0.0}, losses = {-0.1, 0.0, -0.3, 0.0, -0.2};
    EXPECT_EQ(last_of(*ProfitFactor::create(5), zeros), 1.0);
    EXPECT_EQ(last_of(*OmegaRatio::with_formula(5, OmegaRatioFormula{0.0}), zeros), 1.0);
    EXPECT_EQ(last_of(*OmegaRatio::with_formula(5, OmegaRatioFormula{0.25}), Vec(5, 0.25)), 1.0);
    EXPECT_EQ(last_of(*GainLossRatio::create(5), zeros), 1.0);
    EXPECT_EQ(last_of(*ProfitFactor::create(5), gains), kInf);
    EXPECT_EQ(last_of(*OmegaRatio::with_formula(5, OmegaRatioFormula{0.0}), gains), kInf);
    EXPECT_EQ(last_of(*GainLossRatio::create(5), gains), kInf);
    EXPECT_EQ(last_of(*KellyCriterion::create(5), gains), 0.4);
    EXPECT_EQ(last_of(*KellyCriterion::create(5), losses), -1.0);
    EXPECT_EQ(last_of(*KellyCriterion::create(5), zeros), 0.0);
    EXPECT_EQ(last_of(*WinRate::create(5), gains), 0.4);
    EXPECT_EQ(last_of(*Expectancy::create(5), gains), 0.0);
    EXPECT_EQ(last_of(*GainToPainRatio::create(5), gains), 0.0);
    EXPECT_EQ(last_of(*GainToPainRatio::create(5), zeros), 0.0);
    // p = 0.5, b = 0.3 / 0.1.
    EXPECT_EQ(last_of(*KellyCriterion::create(4), Vec{0.3, -0.1, 0.3, -0.1}), 0.5 - 0.5 / (0.3 / 0.1));
    EXPECT_EQ(last_of(*Expectancy::create(4), Vec{0.3, -0.1, 0.3, -0.1}), (0.4 / 4.0) / 0.1);
    // The losses 0.1 and 0.2 have left; their running sum keeps a residue, the count says none.
    for (std::size_t n : {2u, 3u}) {
        auto gtp = *GainToPainRatio::create(n);
        auto ex = *Expectancy::create(n);
        for (double r : {-0.1, -0.2, 0.3, 0.3, 0.3}) {
            (void)gtp.update_value(r);
            (void)ex.update_value(r);
        }
        EXPECT_EQ(gtp.update_value(0.0), 0.0);
        EXPECT_EQ(ex.update_value(0.0), 0.0);
    }
    // Sums that would overflow are no input.
    expect_rejected(*GainToPainRatio::create(2), {1e308, -0.5, 0.25}, 1, 1e308);
    expect_rejected(*Expectancy::create(2), {-1e308, 0.5, 0.25}, 1, -1e308);
}

// Windows whose sums overflow: a branch of the definition that does not read a sum's size gives
// its value; one that reads it gives none, and the window moves on.
TEST(RiskRatiosTest, OverflowingSumsMatterOnlyWhereRead) {
    const double big = 1.7e308;
    const Vec gains = {big, 0.0, big}, losses = {-big, 0.0, -big};
    const Vec gains_and_a_loss = {big, big, -0.5}, losses_and_a_gain = {-big, 0.5, -big};
    // The share of gains without a loss, -1 with losses and no gain.
    EXPECT_EQ(last_of(*KellyCriterion::create(2), Vec{big, big}), 1.0);
    EXPECT_EQ(last_of(*KellyCriterion::create(3), gains), 2.0 / 3.0);
    EXPECT_EQ(last_of(*KellyCriterion::create(3), losses), -1.0);
    EXPECT_FALSE(last_of(*KellyCriterion::create(3), gains_and_a_loss));
    EXPECT_FALSE(last_of(*KellyCriterion::create(3), losses_and_a_gain));
    // Plus infinity for gains without a loss, 0 for losses without a gain (zeros count as gains
    // for OmegaRatio, which changes neither).
    EXPECT_EQ(last_of(*ProfitFactor::create(3), gains), kInf);
    EXPECT_EQ(last_of(*GainLossRatio::create(3), gains), kInf);
    EXPECT_EQ(last_of(*OmegaRatio::with_formula(3, OmegaRatioFormula{0.0}), gains), kInf);
    EXPECT_EQ(last_of(*ProfitFactor::create(3), losses), 0.0);
    EXPECT_EQ(last_of(*GainLossRatio::create(3), losses), 0.0);
    EXPECT_EQ(last_of(*OmegaRatio::with_formula(3, OmegaRatioFormula{0.5}), Vec{-big, 0.25, -big}), 0.0);
    EXPECT_FALSE(last_of(*ProfitFactor::create(3), gains_and_a_loss));
    EXPECT_FALSE(last_of(*GainLossRatio::create(3), losses_and_a_gain));
    EXPECT_FALSE(last_of(*OmegaRatio::with_formula(3, OmegaRatioFormula{0.0}), gains_and_a_loss));
    auto pf = *ProfitFactor::create(2);
    (void)pf.update_value(1e308);
    EXPECT_EQ(pf.update_value(1e308), kInf);
    EXPECT_EQ(pf.update_value(-1.0), 1e308);
    // SortinoRatio: no return below mar gives 0 whatever the mean. With one, the mean is read:
    // no value while the running sum is infinite, which lasts until the recomputation every n
    // values finds the window's sum finite again.
    auto so = *SortinoRatio::create(2, 0.0);
    Series s = run_on(so, {big, big, -0.5, 0.25, 0.5, -1.0});
    ASSERT_EQ(s.size(), 6u);
    EXPECT_FALSE(s[0]);
    EXPECT_EQ(s[1], 0.0);
    EXPECT_FALSE(s[2]);  // window {big, -0.5}: its mean is finite, the running sum is not
    EXPECT_EQ(s[3], ((-0.5 + 0.25) / 2.0) / std::sqrt(0.25 / 2.0));
    EXPECT_EQ(s[4], 0.0);
    EXPECT_EQ(s[5], ((0.5 + -1.0) / 2.0) / std::sqrt(1.0 / 2.0));
    // Before the first recomputation, too.
    EXPECT_FALSE(last_of(*SortinoRatio::create(3, 0.0), Vec{big, big, -0.5}));
    EXPECT_EQ(last_of(*SortinoRatio::create(3, -1.0), Vec{big, big, 0.5}), 0.0);
}

// ------------------------------------------------------------------ K-ratio

Opt ref_k_ratio(Window w) {
    double n = static_cast<double>(w.size());
    if (std::all_of(w.begin(), w.end(), [&](double r) { return test::same_bits(r, w[0]); })) return 0.0;
    Vec c;
    double run = 0.0;
    for (double r : w) c.push_back(run += r);
    double sum_c = 0.0;
    for (double v : c) sum_c += v;
    if (!std::isfinite(sum_c)) return std::nullopt;
    double mi = (n + 1.0) / 2.0, mc = sum_c / n, sxy = 0.0, sxx = 0.0;
    for (std::size_t k = 0; k < c.size(); ++k) {
        sxy += (k + 1.0 - mi) * (c[k] - mc);
        sxx += (k + 1.0 - mi) * (k + 1.0 - mi);
    }
    double b = sxy / sxx, a = mc - b * mi, rss = 0.0;
    for (std::size_t k = 0; k < c.size(); ++k) rss += (c[k] - (a + b * (k + 1.0))) * (c[k] - (a + b * (k + 1.0)));
    if (!std::isfinite(b) || !std::isfinite(rss)) return std::nullopt;
    return rss > 0.0 ? finite_or_none(b / std::sqrt(rss / (n - 2.0) / sxx)) : Opt(0.0);
}

TEST(RiskRatiosTest, KRatio) {
    for (const Vec& bars : datasets())
        for (std::size_t n : {3u, 4u, 12u, 50u}) {
            SCOPED_TRACE(n);
            expect_exact(*KRatio::create(n), bars, windowed(test::accepted(bars), n, ref_k_ratio));
        }
    // Constant and all-zero windows fit their line exactly.
    EXPECT_EQ(last_of(*KRatio::create(5), Vec{0.4, -0.2, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1}), 0.0);
    EXPECT_EQ(last_of(*KRatio::create(3), Vec{0.0, 0.0, 0.0}), 0.0);
    // Cumulative sums 1, 3, 4: slope 1.5, residuals -1/6, 1/3, -1/6.
    double rss = 1.0 / 36 + 1.0 / 9 + 1.0 / 36;
    EXPECT_NEAR(*last_of(*KRatio::create(3), Vec{1.0, 2.0, 1.0}), 1.5 / std::sqrt(rss / 1.0 / 2.0), 1e-12);
}

// ------------------------------------------------------------------ warm-ups

TEST(RiskRatiosTest, WarmUpIsThePeriod) {
    for (std::size_t n : {3u, 10u, 64u}) {
        SCOPED_TRACE(n);
        expect_warmup_matches(*MaxDrawdown::create(n));
        expect_warmup_matches(*AverageDrawdown::create(n));
        expect_warmup_matches(*PainIndex::create(n));
        expect_warmup_matches(*CalmarRatio::create(n));
        expect_warmup_matches(*SterlingRatio::create(n));
        expect_warmup_matches(*BurkeRatio::create(n));
        expect_warmup_matches(*MartinRatio::create(n));
        expect_warmup_matches(*SharpeRatio::create(n, 0.0));
        expect_warmup_matches(*SortinoRatio::create(n, 0.0));
        expect_warmup_matches(*M2Measure::create(n, 0.0, 0.1));
        expect_warmup_matches(*OmegaRatio::with_formula(n, OmegaRatioFormula{0.0}));
        expect_warmup_matches(*UpsidePotentialRatio::create(n, 0.0));
        expect_warmup_matches(*GainToPainRatio::create(n));
        expect_warmup_matches(*GainLossRatio::create(n));
        expect_warmup_matches(*ProfitFactor::create(n));
        expect_warmup_matches(*WinRate::create(n));
        expect_warmup_matches(*Expectancy::create(n));
        expect_warmup_matches(*KellyCriterion::create(n));
        expect_warmup_matches(*KRatio::create(n));
    }
    // A huge period costs memory for the values seen, not for the period.
    auto big = *SharpeRatio::create(16777216, 0.0);
    (void)test::run(big, varied_returns());
    auto scanned = *KRatio::create(16777216);
    (void)test::run(scanned, varied_returns());
    EXPECT_LE(scanned.window().storage(), 1024u);
}

}  // namespace
}  // namespace prynox
