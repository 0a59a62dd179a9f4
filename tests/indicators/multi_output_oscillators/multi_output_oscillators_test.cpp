// The multi-output oscillators, built from the registry and fed candles (rejected ones among
// them), against plain recomputations of each formula over the accepted candles (over the
// finite closes for the two close-only types): exact, but for the never re-summed Vortex sums;
// the worked degenerate windows; candles whose derived values overflow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/output_lines.hpp"
#include "indicators/multi_output_oscillators/qqe.hpp"

namespace prynox::test {
namespace {

using Vec = std::vector<double>;
using Lines = std::vector<Vec>;  // the outputs of each bar, empty on a bar without value

// ------------------------------------------------------------------ plain recomputations
// Each gives the outputs on every accepted candle of x.

std::size_t sz(double v) { return static_cast<std::size_t>(v); }
Vec col(const Candles& x, double Candle::*f) {
    Vec v;
    for (const Candle& c : x) v.push_back(c.*f);
    return v;
}
Lines lines(const std::vector<Series>& s) {
    Lines out(s[0].size());
    for (std::size_t t = 0; t < out.size(); ++t)
        if (std::all_of(s.begin(), s.end(), [t](const Series& x) { return x[t].has_value(); }))
            for (const Series& x : s) out[t].push_back(*x[t]);
    return out;
}
Series sma_of(const Series& s, double n) {
    return through(s, [n](const Vec& v) { return ref_sma(v, sz(n)); });
}
double tr(const Candles& x, std::size_t t) {
    const Candle &c = x[t], &p = x[t - 1];
    return std::max({c.high - c.low, std::fabs(c.high - p.close), std::fabs(c.low - p.close)});
}
// Highest high and lowest low of the n candles ending at t.
std::pair<double, double> extremes(const Candles& x, std::size_t t, std::size_t n) {
    double hh = -INFINITY, ll = INFINITY;
    for (std::size_t i = t + 1 - n; i <= t; ++i) hh = std::max(hh, x[i].high), ll = std::min(ll, x[i].low);
    return {hh, ll};
}
// 100 (close - LL) / (HH - LL) over the last n candles, 50 on a flat range.
Series stochastic(const Candles& x, std::size_t n) {
    Series k(x.size());
    for (std::size_t t = n - 1; t < x.size(); ++t) {
        const auto [hh, ll] = extremes(x, t, n);
        k[t] = hh == ll ? 50.0 : 100.0 * (x[t].close - ll) / (hh - ll);
    }
    return k;
}

Lines adx(const Candles& x, const Vec& p) {
    const Series dx = run_candles("Dx", p, x);
    Series a(x.size());
    double sum = 0, v = 0, n = p[0], k = 0;
    for (std::size_t t = 0; t < x.size(); ++t) {
        if (!dx[t]) continue;
        if (++k < n) sum += *dx[t];
        else a[t] = v = k == n ? (sum + *dx[t]) / n : (*dx[t] + (n - 1) * v) / n;
    }
    return lines({run_candles("PlusDi", p, x), run_candles("MinusDi", p, x), a});
}

Lines aroon(const Candles& x, const Vec& p) {
    const std::size_t n = sz(p[0]);
    Lines out(x.size());
    for (std::size_t t = n; t < x.size(); ++t) {
        std::size_t hi = 0, lo = 0;
        for (std::size_t i = 0; i <= n; ++i) {
            if (x[t - n + i].high >= x[t - n + hi].high) hi = i;
            if (x[t - n + i].low <= x[t - n + lo].low) lo = i;
        }
        out[t] = {100.0 * hi / p[0], 100.0 * lo / p[0]};
    }
    return out;
}

Lines elder_ray(const Candles& x, const Vec& p) {
    const Series e = ref_ema(col(x, &Candle::close), sz(p[0]));
    Lines out(x.size());
    for (std::size_t t = 0; t < x.size(); ++t)
        if (e[t]) out[t] = {x[t].high - *e[t], x[t].low - *e[t]};
    return out;
}

Lines kase(const Candles& x, const Vec& p) {
    const Series fast = ema_of(stochastic(x, sz(p[0])), sz(p[1]));
    return lines({fast, ema_of(fast, sz(p[1]))});
}

Lines kst(const Candles& x, const Vec& p) {
    const Vec c = col(x, &Candle::close);
    std::vector<Series> avg;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t r = static_cast<std::size_t>(p[i]);
        Series roc(c.size());
        for (std::size_t t = r; t < c.size(); ++t) roc[t] = c[t - r] == 0 ? 0.0 : (c[t] - c[t - r]) / c[t - r] * 100;
        avg.push_back(sma_of(roc, p[4 + i]));
    }
    const Lines a = lines(avg);
    Series k(c.size());
    for (std::size_t t = 0; t < c.size(); ++t)
        if (!a[t].empty()) k[t] = a[t][0] + 2 * a[t][1] + 3 * a[t][2] + 4 * a[t][3];
    return lines({k, sma_of(k, p[8])});
}

Lines qqe(const Candles& x, const Vec& p) {
    const Series ma = ema_of(run_candles("Rsi", {p[0]}, x), sz(p[1]));
    Series moves(x.size()), prev(x.size());
    std::optional<double> last;
    for (std::size_t t = 0; t < x.size(); ++t)
        if (ma[t]) {
            if (last) prev[t] = last, moves[t] = std::fabs(*ma[t] - *last);
            last = ma[t];
        }
    const std::size_t m = sz(2 * p[0] - 1);
    const Series e = ema_of(ema_of(moves, m), m);
    Lines out(x.size());
    double pl = 0, pu = 0, trend = 1;
    bool started = false;
    for (std::size_t t = 0; t < x.size(); ++t) {
        if (!e[t]) continue;
        const double r = *ma[t], q = *prev[t], lower = r - *e[t] * p[2], upper = r + *e[t] * p[2];
        double line = lower;
        if (started) {
            const double nl = r > pl && q > pl ? std::max(pl, lower) : lower, nu = r < pu && q < pu ? std::min(pu, upper) : upper;
            trend = q <= pu && r > pu ? 1 : q >= pl && r < pl ? -1 : trend;
            pl = nl, pu = nu, line = trend > 0 ? nl : nu;
        } else {
            pl = lower, pu = upper, started = true;
        }
        out[t] = {r, line};
    }
    return out;
}

Lines rwi(const Candles& x, const Vec& p) {
    const std::size_t n = sz(p[0]);
    Lines out(x.size());
    for (std::size_t t = n - 1; t < x.size(); ++t) {
        double hi = 0, lo = 0;
        for (std::size_t k = 2; k <= n; ++k) {
            double sum = 0;
            for (std::size_t j = t + 2 - k; j <= t; ++j) sum += tr(x, j);
            const double d = std::sqrt(static_cast<double>(k)) * (sum / (k - 1));
            if (d == 0) continue;
            hi = std::max(hi, (x[t].high - x[t + 1 - k].low) / d), lo = std::max(lo, (x[t + 1 - k].high - x[t].low) / d);
        }
        out[t] = {hi, lo};
    }
    return out;
}

Lines stoch(const Candles& x, const Vec& p) {
    const Series k = stochastic(x, sz(p[0]));
    return lines({k, sma_of(k, p[1])});
}

Lines ttm(const Candles& x, const Vec& p) {
    const std::size_t n = sz(p[0]);
    const Vec c = col(x, &Candle::close);
    const Lines bb = run_output_rows("BollingerBands", {p[0], p[1]}, x);
    const Series mid = ref_sma(c, n);
    Lines out(x.size());
    double atr = 0;
    for (std::size_t t = 0; t < x.size(); ++t) {
        const double range = t == 0 ? x[0].high - x[0].low : tr(x, t);
        atr = t < n ? atr + range : std::fma(atr, n - 1.0, range) * (1.0 / n);
        if (t + 1 < n) continue;
        if (t + 1 == n) atr /= static_cast<double>(n);
        const double w = atr * p[2], m = *mid[t];
        const auto [hh, ll] = extremes(x, t, n);
        const double base = (m + (hh + ll) * 0.5) * 0.5, sx = n * (n - 1.0) / 2;
        double s = 0, tt = 0;
        for (std::size_t i = 0; i < n; ++i) s += c[t + 1 - n + i] - base, tt += i * (c[t + 1 - n + i] - base);
        const double slope = (tt * n - s * sx) / ((n - 1.0) * n * (2 * n - 1.0) / 6 * n - sx * sx);
        out[t] = {bb[t][2] >= m - w && bb[t][0] <= m + w ? 1.0 : 0.0, (n - 1.0) * slope + (s - sx * slope) / n};
    }
    return out;
}

// Window sums taken afresh (the type keeps running sums: close, not exact).
Lines vortex(const Candles& x, const Vec& p) {
    const std::size_t n = sz(p[0]);
    Lines out(x.size());
    for (std::size_t t = n; t < x.size(); ++t) {
        double up = 0, down = 0, range = 0;
        for (std::size_t j = t + 1 - n; j <= t; ++j)
            up += std::fabs(x[j].high - x[j - 1].low), down += std::fabs(x[j].low - x[j - 1].high), range += tr(x, j);
        out[t] = range == 0 ? Vec{0, 0} : Vec{up / range, down / range};
    }
    return out;
}

Lines wave_trend(const Candles& x, const Vec& p) {
    Vec ap;
    for (const Candle& c : x) ap.push_back((c.high + c.low + c.close) / 3);
    const Series esa = ref_ema(ap, sz(p[0]));
    Series dev(x.size()), ci(x.size());
    for (std::size_t t = 0; t < x.size(); ++t)
        if (esa[t]) dev[t] = std::fabs(ap[t] - *esa[t]);
    const Series d = ema_of(dev, sz(p[0]));
    for (std::size_t t = 0; t < x.size(); ++t)
        if (d[t]) ci[t] = *d[t] > std::max(std::fabs(*esa[t]), 1.0) * 16 * 0x1p-52 ? (ap[t] - *esa[t]) / (0.015 * *d[t]) : 0;
    const Series wt1 = ema_of(ci, sz(p[1]));
    return lines({wt1, sma_of(wt1, p[2])});
}

struct Row {
    const char* type;
    std::vector<Vec> params;
    Lines (*ref)(const Candles&, const Vec&);
    bool close_only = false;  // reads the close without checking the candle
    double tol = 0;
};

const std::vector<Row> kRows = {
    {"Adx", {{1}, {3}, {14}}, adx},
    {"Aroon", {{1}, {5}, {25}}, aroon},
    {"ElderRay", {{1}, {13}}, elder_ray},
    {"KasePermissionStochastic", {{1, 1}, {9, 3}, {4, 1}}, kase},
    {"Kst", {{10, 15, 20, 30, 10, 10, 10, 15, 9}, {1, 2, 3, 4, 4, 3, 2, 1, 2}}, kst, true},
    {"Qqe", {{14, 5, 4.236}, {1, 1, 1}, {3, 2, 0.5}, {2, 1, 0.1}}, qqe, true},
    {"Rwi", {{2}, {5}, {14}}, rwi},
    {"Stochastic", {{1, 1}, {14, 3}, {5, 8}}, stoch},
    {"TtmSqueeze", {{2, 2, 1.5}, {20, 2, 1.5}, {7, 0.5, 3}}, ttm},
    {"Vortex", {{1}, {3}, {14}}, vortex, false, 1e-9},
    {"WaveTrend", {{1, 1, 1}, {10, 21, 4}, {3, 2, 5}}, wave_trend},
};

TEST(MultiOutputOscillatorsTest, EveryTypeAgainstItsDefinition) {
    const std::vector<Candles> data = {varied_candles(420, 5, true), varied_candles(300, 11, false), grid_candles(200, 3)};
    for (const Candles& bars : data)
        for (const Row& row : kRows)
            for (const Vec& p : row.params) {
                Candles in;
                for (const Candle& c : bars)
                    if (row.close_only ? std::isfinite(c.close) : candle_passes(c)) in.push_back(c);
                const Lines want = row.ref(in, p), got = run_output_rows(row.type, p, bars);
                EXPECT_GT(std::count_if(got.begin(), got.end(), [](const Vec& v) { return !v.empty(); }), 50)
                    << describe(row.type, p);
                for (std::size_t i = 0, k = 0; i < bars.size(); ++i) {
                    const bool taken = row.close_only ? std::isfinite(bars[i].close) : candle_passes(bars[i]);
                    const Vec& w = taken ? want[k++] : Vec{};
                    ASSERT_EQ(got[i].size(), w.size()) << describe(row.type, p) << " bar " << i;
                    for (std::size_t j = 0; j < w.size(); ++j)
                        if (row.tol == 0) {
                            ASSERT_TRUE(same_bits(got[i][j], w[j])) << describe(row.type, p) << " bar " << i << " #" << j
                                                                    << ": " << got[i][j] << " vs " << w[j];
                        } else {
                            ASSERT_NEAR(got[i][j], w[j], row.tol * std::max(1.0, std::fabs(w[j]))) << row.type << i;
                        }
                }
            }
}

// Degenerate windows give their promised values exactly; values beyond the doubles are none.
TEST(MultiOutputOscillatorsTest, DegenerateWindowsAndOverflow) {
    const Candles active = {flat(0), bar(0, 0.1, 0, 0), bar(0, 0.89, 0, 0), bar(0, 0.4, 0, 0), bar(0, 0.7, 0, 0),
                            flat(0), flat(0), flat(0), flat(0)};
    // The running true-range sum keeps 1.1e-16 once the ranges have left: the count of positive
    // ranges gives 0 and 0.
    EXPECT_EQ(run_output_rows("Vortex", {3}, active).back(), (Vec{0, 0}));
    EXPECT_EQ(run_output_rows("Stochastic", {3, 2}, Candles(6, flat(0.1))).back(), (Vec{50, 50}));
    // The average of a constant 31.747 settles 7e-15 off it: within the guard.
    EXPECT_EQ(run_output_rows("WaveTrend", {5, 2, 2}, Candles(20, flat(31.747))).back(), (Vec{0, 0}));
    // Bands and channel all equal to the close: they touch, which is a squeeze.
    EXPECT_EQ(run_output_rows("TtmSqueeze", {3, 2, 1}, Candles(5, flat(2))).back(), (Vec{1, 0}));
    // A range beyond the doubles gives no stochastic (not 0 whatever the close).
    const Candles wide = {flat(0), bar(-1.7e308, 1.7e308, -1.7e308, -1.7e308), bar(0, 1, -1, 0.5)};
    EXPECT_EQ(run_output_rows("Stochastic", {2, 1}, wide), (Lines{{}, {}, {}}));
    EXPECT_EQ(run_output_rows("KasePermissionStochastic", {2, 1}, wide), (Lines{{}, {}, {}}));
    // A power beyond the doubles is none; the average goes on with the close.
    EXPECT_EQ(run_output_rows("ElderRay", {1}, {bar(-1.7e308, 1.7e308, -1.7e308, -1.7e308), bar(1, 2, 0, 1)}),
              (Lines{{}, {1, -1}}));
    // Bands of 1e308 times a smoothed move beyond the doubles are none.
    Candles zigzag;
    for (int i = 0; i < 40; ++i) zigzag.push_back(flat(i % 2 + 1.0));
    for (const Vec& v : run_output_rows("Qqe", {2, 1, 1e308}, zigzag)) EXPECT_TRUE(v.empty());
    EXPECT_FALSE(run_output_rows("Qqe", {2, 1, 1e300}, zigzag).back().empty());
    // A factor that no reader passes still gets the type's message.
    EXPECT_STREQ(Qqe::create(14, 5, std::numeric_limits<double>::quiet_NaN()).error().message, kQqeFactorMessage);
    // Candles whose true range or movements leave the doubles are refused whole; with the close
    // of the candle before, the next true range is the one it would have been.
    const Candles bars = varied_candles(120, 3, false);
    for (const char* type : {"Rwi", "TtmSqueeze"})
        for (std::size_t at : {1u, 30u}) {
            const double close = bars[at - 1].close;
            expect_candles_refused(type, {4, 2, 1}, bars, at, {bar(close, 1.7e308, -1.7e308, close)});
        }
}

// The bar after a refused one is measured from it: the true range reaches to its close of 0 (12
// for a candle of 12 / 9 / 11, not 3 from the close of 11 before), the movements to its high and
// low at the ends of the doubles.
TEST(MultiOutputOscillatorsTest, TheBarAfterARefusedOneIsMeasuredFromIt) {
    const double big = 1.7e308;
    const Candle wide = bar(0, big, -big, 0), after = bar(10, 12, 9, 11);
    EXPECT_EQ(run_output_rows("Rwi", {2}, {after, wide, after}).back(), (Vec{3.0 / (std::sqrt(2.0) * 12.0), 3.0 / (std::sqrt(2.0) * 12.0)}));
    EXPECT_EQ(run_output_rows("Vortex", {1}, {after, wide, after}).back(), (Vec{std::fabs(12.0 - -big) / 12.0, std::fabs(9.0 - big) / 12.0}));
    // The RSI refuses the change from -9e307 to 9e307 and takes the next one from 9e307: equal
    // closes after it are a flat RSI of 50, and so are its average and trailing line.
    Candles flat_after = {flat(-9e307)};
    flat_after.insert(flat_after.end(), 12, flat(9e307));
    EXPECT_EQ(run_output_rows("Qqe", {2, 1, 1}, flat_after).back(), (Vec{50, 50}));
    // A move from one end of the doubles to the other, then none: no movement, no range.
    EXPECT_EQ(run_output_rows("Adx", {1}, {flat(-big), flat(big), flat(big)}), (Lines{{}, {}, {0, 0, 0}}));
    // The ATR of 2 is (3 + 14) / 2 = 8.5 (not (3 + 5) / 2 from the close of 9): Keltner's 0.9 of
    // it around 11 holds the bands 11 -+ 2 * 2 (a squeeze), where 0.9 of 4 would not.
    const Lines ttm = run_output_rows("TtmSqueeze", {2, 2, 0.9}, {after, bar(10, 12, 9, 9), wide, bar(13, 14, 12, 13)});
    ASSERT_FALSE(ttm.back().empty());
    EXPECT_EQ(ttm.back()[0], 1.0);
}

// %K has no maximum: its window grows with the data, and k + d - 1 saturates.
TEST(MultiOutputOscillatorsTest, StochasticWindowBeyondTheData) {
    auto built = build_indicator("Stochastic", Vec{1e300, 3});
    ASSERT_TRUE(built);
    EXPECT_EQ((*built)->warmup_period(), std::numeric_limits<std::uint64_t>::max());
    const Candles bars = varied_candles(500, 9, false);
    EXPECT_EQ(first_value_bar(run_candles("Stochastic", {1e300, 3}, bars)), 0u);
}

}  // namespace
}  // namespace prynox::test
