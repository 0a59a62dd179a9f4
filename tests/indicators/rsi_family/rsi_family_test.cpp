// The RSI family's numbers: each type, built through the registry, against a plain
// recomputation of its definition over the table closes; degenerate windows;
// changes beyond the largest double (refused, nothing changes); lengths far beyond the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <compare>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using namespace test;
using Vec = std::vector<double>;
using P = std::vector<double>;
constexpr auto none = std::nullopt;

double gain(double c) { return c > 0 ? c : 0.0; }
double loss(double c) { return c < 0 ? -c : 0.0; }
std::size_t len(double p) { return static_cast<std::size_t>(p); }

// ------------------------------------------------------------------ references

// Averages of the gains and losses of m-bar changes: the plain means of the first n, then
// step(average, new, bar); 50 when both are 0, else 100 x gain / sum in the type's order (the
// RSI's order held to 100: a gain over itself can round past it).
template <class Step>
Series strength(const Vec& xs, std::size_t n, std::size_t m, bool times_100_first, Step step) {
    Series out(xs.size());
    double ag = 0, al = 0;
    for (std::size_t t = m + n - 1; t < xs.size(); ++t) {
        double c = xs[t] - xs[t - m], sg = -0.0, sl = -0.0;
        if (t == m + n - 1) {
            for (std::size_t i = m; i <= t; ++i) sg += gain(xs[i] - xs[i - m]), sl += loss(xs[i] - xs[i - m]);
            ag = sg / n, al = sl / n;
        } else {
            ag = step(ag, gain(c), t), al = step(al, loss(c), t);
        }
        out[t] = ag + al == 0 ? 50.0 : times_100_first ? std::min(ag * 100 / (ag + al), 100.0) : ag / (ag + al) * 100;
    }
    return out;
}

// Wilder: fma(avg, n - 1, new) * (1 / n).
Series rsi(const Vec& xs, std::size_t n) {
    return strength(xs, n, 1, true, [n](double a, double v, auto) { return std::fma(a, n - 1.0, v) * (1.0 / n); });
}

Series rmi(const Vec& xs, const P& p) {
    const double n = p[0];
    return strength(xs, len(n), len(p[1]), false, [n](double a, double v, auto) { return (v + a * (n - 1.0)) / n; });
}

// The efficiency ratio over a path summed afresh on every bar.
Series adaptive_rsi(const Vec& xs, const P& p) {
    const std::size_t n = len(p[0]);
    return strength(xs, n, 1, false, [&](double a, double v, std::size_t t) {
        double path = 0, e = 0.06451612903225806;
        for (std::size_t i = t + 1 - n; i <= t; ++i) path += std::fabs(xs[i] - xs[i - 1]);
        if (path != 0) e += std::clamp(std::fabs(xs[t] - xs[t - n]) / path, 0.0, 1.0) * 0.6021505376344085;
        return a + (v - a) * (path != 0 ? e * e : 0.004162330905306971);
    });
}

Series fisher_rsi(const Vec& xs, const P& p) {
    Series out = rsi(xs, len(p[0]));
    for (auto& r : out) {
        double v = r ? std::clamp((*r - 50) / 50, -0.999, 0.999) : 0.0;
        if (r) r = 0.5 * std::log((1 + v) / (1 - v));
    }
    return out;
}

// The rises and the falls of the last n changes up to bar t, summed afresh.
std::pair<double, double> moves(const Vec& xs, std::size_t t, std::size_t n) {
    double up = 0, down = 0;
    for (std::size_t i = t + 1 - n; i <= t; ++i) up += gain(xs[i] - xs[i - 1]), down += loss(xs[i] - xs[i - 1]);
    return {up, down};
}

Series cmo(const Vec& xs, const P& p) {
    Series out(xs.size());
    for (std::size_t t = len(p[0]); t < xs.size(); ++t) {
        auto [up, down] = moves(xs, t, len(p[0]));
        out[t] = up + down == 0 ? 0.0 : (up - down) * 100 / (up + down);
    }
    return out;
}

// Price RSI, the RSI of the streak, and the rank of the newest rate of change (total order)
// among the last R recorded ones; a zero close records no rate.
Series connors(const Vec& xs, const P& p) {
    std::size_t r = len(p[2]);
    Series price = rsi(xs, len(p[0])), out(xs.size());
    Vec streaks, rates;
    for (std::size_t t = 1; t < xs.size(); ++t) {
        double s = streaks.empty() ? 0.0 : streaks.back();
        streaks.push_back(xs[t] > xs[t - 1] ? std::max(s, 0.0) + 1 : xs[t] < xs[t - 1] ? std::min(s, 0.0) - 1 : 0.0);
    }
    Series streak_rsi = rsi(streaks, len(p[1]));
    for (std::size_t t = 1; t < xs.size(); ++t) {
        if (xs[t - 1] != 0) rates.push_back((xs[t] - xs[t - 1]) / xs[t - 1]);
        if (rates.size() < r || !price[t] || !streak_rsi[t - 1]) continue;
        std::size_t below = 0;
        for (std::size_t i = rates.size() - r; i < rates.size(); ++i)
            below += std::strong_order(rates[i], rates.back()) < 0;
        out[t] = ((*price[t] + *streak_rsi[t - 1]) + (below * 100.0) / r) / 3;
    }
    return out;
}

Series stoch_rsi(const Vec& xs, const P& p) {
    std::size_t n = len(p[0]), k = len(p[1]);
    Series r = rsi(xs, n), out(xs.size());
    for (std::size_t t = n + k - 1; t < xs.size(); ++t) {
        double lo = *r[t], hi = *r[t];
        for (std::size_t i = t + 1 - k; i <= t; ++i) lo = std::min(lo, *r[i]), hi = std::max(hi, *r[i]);
        out[t] = hi - lo != 0 ? std::min(((*r[t] - lo) * 100) / (hi - lo), 100.0) : 50.0;
    }
    return out;
}

// The smoothing stages are the shared cores' own references.
Series derivative_oscillator(const Vec& xs, const P& p) {
    Series e2 = through(through(rsi(xs, len(p[0])), [&](const Vec& v) { return ref_ema(v, len(p[1])); }),
                        [&](const Vec& v) { return ref_ema(v, len(p[2])); });
    Series s = through(e2, [&](const Vec& v) { return ref_sma(v, len(p[3])); }), out(xs.size());
    for (std::size_t t = 0; t < xs.size(); ++t)
        if (s[t]) out[t] = *e2[t] - *s[t];
    return out;
}

Series anchored_rsi(const Vec& xs, const P&) {
    Series out(1);
    double g = 0, l = 0;
    for (std::size_t t = 1; t < xs.size(); ++t) {
        g += gain(xs[t] - xs[t - 1]), l += loss(xs[t] - xs[t - 1]);
        out.push_back(l == 0 ? (g == 0 ? 50.0 : 100.0) : 100 - 100 / (g / l + 1));
    }
    return out;
}

Series rsx(const Vec& xs, const P& p) {
    std::size_t n = len(p[0]);
    double a = 3.0 / (n + 2.0), b = 1.0 - a, s[6] = {}, u[6] = {};
    auto chain = [a, b](double* st, double v) {  // three double EMAs, each blended 1.5 / -0.5
        for (int k = 0; k < 6; k += 2) {
            st[k] = st[k] * b + v * a;
            st[k + 1] = st[k + 1] * b + st[k] * a;
            v = 1.5 * st[k] - 0.5 * st[k + 1];
        }
        return v;
    };
    Series out(1);
    for (std::size_t t = 1; t < xs.size(); ++t) {
        double m = xs[t] - xs[t - 1], num = chain(s, m), den = chain(u, std::fabs(m));
        double v = den > 0 ? std::clamp((num / den + 1) * 50, 0.0, 100.0) : 50.0;
        out.push_back(t >= n ? std::optional(v) : none);
    }
    return out;
}

// The two-pass deviation of the last 5 closes, its plain 10-value mean, and the changes summed
// over the length they select.
Series dynamic_momentum_index(const Vec& xs, const P& p) {
    Vec sds;
    Series out(xs.size());
    for (std::size_t t = 4; t < xs.size(); ++t) {
        double mean = 0, var = 0, avg = 0;
        for (std::size_t i = t - 4; i <= t; ++i) mean += xs[i];
        for (std::size_t i = t - 4; i <= t; ++i) var += (xs[i] - mean / 5) * (xs[i] - mean / 5);
        sds.push_back(std::sqrt(var / 5));
        if (t < 30) continue;
        for (std::size_t i = sds.size() - 10; i < sds.size(); ++i) avg += sds[i];
        std::size_t used = 30;
        if (sds.back() > 0 && avg > 0) used = std::clamp<double>(std::round(p[0] / (sds.back() / (avg / 10))), 5, 30);
        auto [up, down] = moves(xs, t, used);
        out[t] = up + down == 0 ? 50.0 : up / (up + down) * 100;
    }
    return out;
}

// ------------------------------------------------------------------ the table

// rel 0: bit for bit.
struct Row { const char* type; std::vector<P> params; Series (*reference)(const Vec&, const P&); double rel = 0; };

TEST(RsiFamilyTest, NumbersAgainstPlainRecomputations) {
    const Row rows[] = {
        {"Rsi", {{1}, {2}, {14}, {50}}, [](const Vec& xs, const P& p) { return rsi(xs, len(p[0])); }},
        {"FisherRsi", {{1}, {14}}, fisher_rsi, 1e-12},
        // Running sums of ups and downs and of the path: within rounding of fresh sums.
        {"Cmo", {{1}, {2}, {14}, {40}}, cmo, 1e-10},
        {"AdaptiveRsi", {{1}, {2}, {14}}, adaptive_rsi, 1e-10},
        {"ConnorsRsi", {{3, 2, 100}, {2, 2, 2}, {1, 1, 1}, {14, 5, 20}, {2, 30, 3}}, connors},
        {"StochRsi", {{14, 14}, {1, 1}, {2, 5}, {3, 40}}, stoch_rsi},
        {"DerivativeOscillator", {{14, 5, 3, 9}, {1, 1, 1, 1}, {5, 1, 7, 4}}, derivative_oscillator},
        {"AnchoredRsi", {{}}, anchored_rsi},
        {"Rmi", {{14, 5}, {1, 1}, {3, 25}}, rmi},
        {"Rsx", {{1}, {14}, {30}}, rsx},
        {"DynamicMomentumIndex", {{1}, {14}, {200}}, dynamic_momentum_index},
    };
    const Vec xs = table_closes();
    for (const Row& r : rows)
        for (const P& p : r.params) {
            SCOPED_TRACE(describe(r.type, p));
            expect_series(run_built(r.type, p, xs), r.reference(xs, p), r.rel);
        }
}

TEST(RsiFamilyTest, WorkedCases) {
    // Gains and no loss yet: 100, which the table's closes never reach.
    expect_series(run_built("AnchoredRsi", {}, {10, 11, 10}), {none, 100.0, 50.0}, 0);
    // Rates 1, 0.5, then -1 into the close of 0; after it none is recorded, so the last rank is
    // taken over the unchanged window {0.5, -1}: nothing lies below -1.
    expect_series(run_built("ConnorsRsi", {1, 1, 2}, {1, 2, 3, 0, 5}), {none, none, 200.0 / 3, 0.0, 200.0 / 3}, 0);
}

TEST(RsiFamilyTest, DegenerateWindowsGiveTheirFixedValues) {
    // settle: the flat closes after a variation of small inexact moves (whose running sums keep a
    // residue) from which on the value is promised; 0: a constant series from the first bar.
    struct Case { const char* type; P params; double value; std::size_t settle; };
    const Case cases[] = {
        {"Rsi", {14}, 50, 0},      {"Cmo", {14}, 0, 0},         {"FisherRsi", {5}, 0, 0},    {"AnchoredRsi", {}, 50, 0},
        {"Rsx", {14}, 50, 0},      {"StochRsi", {5, 3}, 50, 0}, {"AdaptiveRsi", {14}, 50, 0}, {"Rmi", {14, 3}, 50, 0},
        {"DynamicMomentumIndex", {14}, 50, 0}, {"ConnorsRsi", {3, 2, 5}, 100.0 / 3, 0},
        {"Cmo", {1}, 0, 2},           {"Cmo", {4}, 0, 5},     {"Cmo", {9}, 0, 10},
    };
    Vec variation;
    for (int k = 0; k < 40; ++k) variation.push_back(0.1 * (k % 7) + 0.3 * (k % 3));
    for (const Case& c : cases)
        for (double level : {103.25, 0.1, 0.0, -1.0 / 3.0}) {
            if (level == 0 && c.type == std::string_view("ConnorsRsi")) continue;  // 0 records no rate
            Vec xs = c.settle ? variation : Vec{};
            xs.insert(xs.end(), 60, level);
            Series s = run_built(c.type, c.params, xs);
            for (std::size_t i = c.settle ? variation.size() + c.settle - 1 : 0; i < xs.size(); ++i)
                ASSERT_TRUE(s[i] ? same_bits(*s[i], c.value) : !c.settle && i < 31)
                    << describe(c.type, c.params) << " at " << level << " bar " << i;
        }
    // A change beyond the doubles (9e307 after -9e307) is refused, and the next change is taken
    // from it: equal closes after it are the flat series, not changes beyond the doubles for good.
    for (const Case& c : cases) {
        if (c.settle) continue;
        Vec xs = {-9e307};
        xs.insert(xs.end(), 61, 9e307);
        const Series s = run_built(c.type, c.params, xs);
        EXPECT_FALSE(s[1]) << describe(c.type, c.params);
        EXPECT_TRUE(s.back() && same_bits(*s.back(), c.value)) << describe(c.type, c.params) << " after a refused change";
    }
    // A steady rise holds the RSI at 100: a flat window of RSI values.
    Vec rising = varied_closes(40, 3, false);
    for (int i = 0; i < 10; ++i) rising.push_back(rising.back() + 1);
    EXPECT_EQ(run_built("StochRsi", {1, 4}, rising).back(), 50.0);
}

TEST(RsiFamilyTest, OverflowingChangesAreRefusedAndValuesStayInRange) {
    // After closes near the largest double, -1.7e308 is a change beyond it.
    Vec high = varied_closes(50, 11, false), after = varied_closes(80, 12, false), hostile = varied_closes(200, 5);
    for (double& x : high) x = 8e307 + x * 1e305;
    for (std::size_t i = 0; i < after.size(); i += 9) after[i] *= 1e306;
    Vec joined = high;
    joined.insert(joined.end(), after.begin(), after.end());
    for (std::size_t i = 20; i < hostile.size(); i += 7) hostile[i] = (i % 2 ? 1.0 : -1.0) * 1.7e308;
    for (std::size_t i = 23; i < hostile.size(); i += 11) hostile[i] = 4.9e-324;
    struct Case { const char* type; P params; double lo, hi; };
    const double top = 100 + 1e-12;
    const Case cases[] = {
        {"Rsi", {3}, 0, top},           {"Rsi", {200}, 0, top},         {"Cmo", {3}, -top, top},
        {"FisherRsi", {3}, -4, 4},      {"ConnorsRsi", {3, 2, 5}, 0, top}, {"StochRsi", {3, 4}, 0, top},
        {"AdaptiveRsi", {3}, 0, 100},   {"AnchoredRsi", {}, 0, 100},    {"Rmi", {3, 1}, 0, 100},
        {"Rmi", {2, 4}, 0, 100},        {"Rsx", {3}, 0, 100},           {"DynamicMomentumIndex", {14}, 0, 100},
        {"DerivativeOscillator", {3, 2, 2, 2}, -100, 100},
    };
    // A close beyond the doubles and back: both changes are refused, so the second close is the
    // previous one again and the run goes on as without them (Rmi of 4-bar changes holds both
    // closes in its window, which moves on with them).
    for (const Case& c : cases) {
        if (c.params != P{2, 4}) expect_refused({c.type, c.params, joined, high.size(), {-1.7e308, high.back()}});
        for (const auto& v : run_built(c.type, c.params, hostile))
            ASSERT_TRUE(!v || (*v >= c.lo && *v <= c.hi)) << describe(c.type, c.params) << ": " << *v;
    }
}

TEST(RsiFamilyTest, LengthsFarBeyondTheDataCostOnlyTheDataSeen) {
    const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    expect_lengths_beyond_data("Rsi", {16777216}, 16777217);
    expect_lengths_beyond_data("ConnorsRsi", {3, 2, 1e30}, max);
    expect_lengths_beyond_data("ConnorsRsi", {2, 2, 1e30}, max);
    expect_lengths_beyond_data("StochRsi", {14, 1e30}, max);
    expect_lengths_beyond_data("StochRsi", {2, 1e30}, max);
    expect_lengths_beyond_data("Rmi", {1e30, 5}, max);
    expect_lengths_beyond_data("Rmi", {1e30, 1e30}, max);
    // StochRsi takes the full storage of its extremes once K values are in, so later bars never
    // allocate; before that the windows hold only what the data needs.
    RollingWindow<double> w(1000);
    WindowExtremes e(50);
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(w.push(i) && e.push(i % 7));
    EXPECT_LT(w.storage(), 1000u);
    ASSERT_TRUE(w.reserve_full() && e.reserve_full());
    EXPECT_EQ(w.storage(), 1000u);
    for (std::size_t i = 0; i < w.size(); ++i) EXPECT_EQ(w[i], double(i));
    EXPECT_TRUE(e.max() == 6.0 && e.min() == 0.0);
}

TEST(RsiFamilyTest, ASideWhoseMovesHaveAllLeftIsZero) {
    // Rises and falls of varied size, then falls only (bars 10 to 14: the rises have left, their
    // sum keeps a residue), flat changes and one rise of 1.01e-16 (bar 15: the falls have left,
    // their sum keeps a residue of about -2e-16, and the running sums alone would give 12100).
    Vec xs = {1.33,  1.25,  0.97,  1.11,  0.58,  1.09,  1.49,  0.59,  0.368, 0.348, 0.056999999999999995,
              -0.023000000000000007, -0.023000000000000007, -0.023000000000000007, -0.023000000000000007,
              -0.022999999999999906};
    Vec mirrored = xs;
    for (double& x : mirrored) x = -x;
    const Series s = run_built("Cmo", {4}, xs), m = run_built("Cmo", {4}, mirrored);
    for (std::size_t i = 10; i < 15; ++i) {
        ASSERT_TRUE(s[i] && m[i]) << i;
        EXPECT_TRUE(same_bits(*s[i], -100.0) && same_bits(*m[i], 100.0)) << i << ": " << *s[i];
    }
    EXPECT_TRUE(same_bits(*s[15], 100.0) && same_bits(*m[15], -100.0)) << *s[15];
    // A gain over itself: 0.007 * 100 / 0.007 rounds to 100 plus one unit in the last place.
    ASSERT_GT((0.007 * 100.0) / 0.007, 100.0);
    EXPECT_TRUE(same_bits(*run_built("Rsi", {1}, {0.0, 0.007}).back(), 100.0));
    EXPECT_TRUE(same_bits(*run_built("Rsi", {2}, {0.0, 0.007, 0.014, 0.021}).back(), 100.0));
    EXPECT_TRUE(same_bits(*run_built("Cmo", {1}, {0.0, 0.007}).back(), 100.0));
    EXPECT_TRUE(same_bits(*run_built("Cmo", {1}, {0.007, 0.0}).back(), -100.0));
}

}  // namespace
}  // namespace prynox
