// The reversal and trend signals, built from the registry and fed candles, against plain
// recomputations of their definitions; the worked cases; spans that reach far beyond the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "indicators/reversal_signals/pivot_reversal.hpp"
#include "indicators/reversal_signals/three_line_break.hpp"
#include "support/candle_runs.hpp"

namespace prynox {
namespace {

using test::Candles;
using test::run_candles;
using test::Series;
using Vec = std::vector<double>;
constexpr std::uint64_t kMaxU64 = std::numeric_limits<std::uint64_t>::max();

// (high, low, close) bars; the open is the close, pulled inside the range.
Candles hlc(const std::vector<Vec>& rows) {
    Candles out;
    for (const Vec& r : rows) out.push_back({0, std::clamp(r[2], r[1], r[0]), r[0], r[1], r[2], 1.0});
    return out;
}

// Bars of one close each, a range of 1 around it.
Candles of_closes(const Vec& closes) {
    Candles out;
    for (double c : closes) out.push_back({0, c, c + 0.5, c - 0.5, c, 1.0});
    return out;
}

// A walk on a grid of quarters (equal highs, lows and closes are common), with flat stretches and
// runs up and down. Rejected candles are the harness's.
Candles grid_walk(std::size_t n, std::uint64_t seed) {
    Candles out;
    double close = 50.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double open = close;
        if (i % 150 < 20) {
            out.push_back({0, open, open, open, open, 0.0});  // flat bars
            continue;
        }
        const double step = i % 150 < 40 ? (i % 150 < 30 ? 0.25 : -0.25) : std::round(test::unit(seed) * 6.0) * 0.25;
        close = open + step;
        const double up = static_cast<double>(test::splitmix(seed) % 3) * 0.25;
        const double down = static_cast<double>(test::splitmix(seed) % 3) * 0.25;
        out.push_back({0, open, std::max(open, close) + up, std::min(open, close) - down, close, 1.0});
    }
    return out;
}

// Ranges at the ends of the doubles, where a plain (high + low) / 2 would overflow.
Candles huge_ranges() {
    Candles out;
    const double big[] = {1.7e308, -1.7e308, 1.6e308, 1e308, -1e308, 5.0, 1.7e308, 1.7e308};
    for (std::size_t i = 0; i < 40; ++i) {
        const double a = big[i % 8], b = big[(i * 3 + 1) % 8];
        const double lo = std::min(a, b), hi = std::max(a, b);
        out.push_back({0, lo, hi, lo, i % 3 == 0 ? hi : lo + (hi * 0.5 - lo * 0.5), 1.0});
    }
    return out;
}

// ------------------------------------------------------------------ plain recomputations

Series ref_pivot_reversal(const Candles& cs, std::size_t left, std::size_t right) {
    const std::size_t w = left + right + 1;
    Series out(cs.size());
    std::optional<double> ph, pl;
    for (std::size_t t = 0; t < cs.size(); ++t) {
        if (t + 1 < w) continue;
        const std::size_t first = t + 1 - w, cand = first + left;
        bool high = true, low = true;
        for (std::size_t j = first; j <= t; ++j) {
            if (j == cand) continue;
            high = high && cs[j].high < cs[cand].high;
            low = low && cs[j].low > cs[cand].low;
        }
        if (high) ph = cs[cand].high;
        if (low) pl = cs[cand].low;
        const double c = cs[t].close, pc = cs[t - 1].close;
        double v = 0.0;
        if (ph && c > *ph && pc <= *ph) v = 1.0;
        if (pl && c < *pl && pc >= *pl) v = -1.0;
        out[t] = v;
    }
    return out;
}

Series ref_ttm_trend(const Candles& cs, std::size_t n) {
    Vec mids;
    for (const Candle& c : cs)
        mids.push_back(std::fabs(c.high) <= 8.988465674311579e307 && std::fabs(c.low) <= 8.988465674311579e307
                           ? (c.high + c.low) * 0.5
                           : c.high * 0.5 + c.low * 0.5);
    const Series avg = test::ref_sma(mids, n);
    Series out(cs.size());
    for (std::size_t t = 0; t < cs.size(); ++t) {
        if (!avg[t]) continue;
        const double a = test::flat_window(mids, t, n) ? mids[t] : *avg[t];
        out[t] = cs[t].close > a ? 1.0 : -1.0;
    }
    return out;
}

Series ref_three_line_break(const Candles& cs, std::size_t k) {
    Vec lines;  // every line drawn, oldest first
    int dir = 0;
    Series out(cs.size());
    for (std::size_t t = 0; t < cs.size(); ++t) {
        const double c = cs[t].close;
        if (lines.empty()) {
            lines.push_back(c);
            continue;
        }
        const auto held = lines.end() - static_cast<std::ptrdiff_t>(std::min(k, lines.size()));
        const double lo = *std::min_element(held, lines.end()), hi = *std::max_element(held, lines.end());
        int drawn = 0;
        if (dir >= 0) drawn = c > lines.back() ? 1 : c < lo ? -1 : 0;
        else drawn = c < lines.back() ? -1 : c > hi ? 1 : 0;
        if (drawn != 0) lines.push_back(c), dir = drawn;
        if (dir != 0) out[t] = dir;
    }
    return out;
}

// The runs counted backwards from each close.
Series ref_new_price_lines(const Candles& cs, std::size_t n) {
    Series out(cs.size());
    for (std::size_t t = 1; t < cs.size(); ++t) {
        std::size_t up = 0, down = 0;
        while (up < t && cs[t - up].close > cs[t - up - 1].close) ++up;
        while (down < t && cs[t - down].close < cs[t - down - 1].close) ++down;
        out[t] = down >= n ? 1.0 : up >= n ? -1.0 : 0.0;
    }
    return out;
}

struct Formula {
    const char* type;
    std::vector<Vec> params;
    Series (*ref)(const Candles&, const Vec&);
};

const Formula kFormulas[] = {
    {"PivotReversal", {{1, 1}, {2, 3}, {5, 2}, {1, 8}},
     [](const Candles& cs, const Vec& p) { return ref_pivot_reversal(cs, std::size_t(p[0]), std::size_t(p[1])); }},
    {"TtmTrend", {{1}, {2}, {6}, {20}}, [](const Candles& cs, const Vec& p) { return ref_ttm_trend(cs, std::size_t(p[0])); }},
    {"ThreeLineBreak", {{1}, {2}, {3}, {10}},
     [](const Candles& cs, const Vec& p) { return ref_three_line_break(cs, std::size_t(p[0])); }},
    {"NewPriceLines", {{2}, {3}, {5}},
     [](const Candles& cs, const Vec& p) { return ref_new_price_lines(cs, std::size_t(p[0])); }},
};

TEST(ReversalSignalsTest, MatchPlainRecomputations) {
    Candles ties;  // highs and lows tied at the window's edges, for each span of PivotReversal's rows
    for (const Vec& p : kFormulas[0].params) {
        const Candles part = test::edge_tie_candles(std::size_t(p[0]), std::size_t(p[1]), true);
        ties.insert(ties.end(), part.begin(), part.end());
    }
    const std::vector<Candles> sets = {grid_walk(700, 3), grid_walk(300, 11), huge_ranges(), ties};
    for (const Candles& bars : sets)
        for (const Formula& f : kFormulas)
            for (const Vec& p : f.params) {
                const Series got = run_candles(f.type, p, bars);
                test::expect_series(got, f.ref(bars, p), 0.0, test::describe(f.type, p));
                std::size_t up = 0, down = 0;
                for (const auto& v : got) up += v == 1.0, down += v == -1.0;
                EXPECT_TRUE(&bars != &sets[0] || (up > 0 && down > 0)) << test::describe(f.type, p) << ": a sign never seen";
            }
}

// The pinned cases, one row each.
TEST(ReversalSignalsTest, WorkedCases) {
    const auto no = std::nullopt;
    const struct {
        const char* what;
        std::string type;
        Vec params;
        Candles bars;
        Series want;
    } cases[] = {
        {"only the bar of the crossing gives +1; a close through the pivot low gives -1", "PivotReversal", {1, 1},
         hlc({{10, 9, 9.5}, {12, 10, 11}, {11, 9.5, 10}, {13, 11, 12.5}, {14, 12, 13}, {14, 12.5, 13.5}, {13, 9, 9.25}}),
         {no, no, 0, 1, 0, 0, -1}},
        {"a close on the pivot does not cross it, the next one above does", "PivotReversal", {1, 1},
         hlc({{10, 9, 9.5}, {12, 10, 11}, {11, 10.5, 10.75}, {12, 10.5, 12}, {12.5, 11.5, 12.25}}), {no, no, 0, 0, 1}},
        {"two equal midpoints of 0.1 average to 0.1 itself (a running sum reads 0.09999999999999994)", "TtmTrend",
         {2}, hlc({{0.7, 0.7, 0.7}, {0.6, 0.6, 0.6}, {0.1, 0.1, 0.1}, {0.1, 0.1, 0.1}, {0.1, 0.1, 0.1}}),
         {no, -1, -1, -1, -1}},
        {"after lines at 10, 11, 12: 11.5 draws nothing, 9.9 reverses, 11.9 does not", "ThreeLineBreak", {3},
         of_closes({10, 11, 12, 11.5, 9.9, 11.9, 12.1}), {no, 1, 1, 1, -1, -1, 1}},
        {"a flat series draws no line", "ThreeLineBreak", {3}, of_closes(Vec(8, 4.0)), Series(8)},
        {"two lower closes give +1; an unchanged close ends the run", "NewPriceLines", {2},
         of_closes({5, 4, 3, 3}), {no, 0, 1, 0}},
    };
    for (const auto& w : cases) test::expect_series(run_candles(w.type, w.params, w.bars), w.want, 0.0, w.what);
}

// ------------------------------------------------------------------ spans beyond the data

TEST(ReversalSignalsTest, SpansBeyondTheDataCostOnlyTheDataSeen) {
    const Candles bars = grid_walk(500, 5);
    // L + R + 1 saturates instead of wrapping to a small window.
    for (const Vec& p : {Vec{1e300, 1e300}, Vec{1e300, 1}, Vec{1, 1e300}, Vec{20000000, 20000000}}) {
        std::uint64_t warmup = 0;
        EXPECT_EQ(test::first_value_bar(run_candles("PivotReversal", p, bars, &warmup)), 0u);
        EXPECT_EQ(warmup, p[0] == 20000000 ? 40000001u : kMaxU64) << test::describe("PivotReversal", p);
    }
    auto wide = *PivotReversal::create(kMaxU64, kMaxU64);
    EXPECT_EQ(wide.warmup_period(), kMaxU64);
    auto far_right = *PivotReversal::create(1, kMaxU64 - 1);
    EXPECT_EQ(far_right.warmup_period(), kMaxU64);
    auto lines = *ThreeLineBreak::create(MAX_PERIOD);
    for (const Candle& c : bars) (void)wide.update_candle(c), (void)far_right.update_candle(c), (void)lines.update_candle(c);
    EXPECT_LE(wide.storage(), 1024u);
    EXPECT_LE(far_right.storage(), 1024u);
    EXPECT_LE(lines.storage(), 1024u);
}

}  // namespace
}  // namespace prynox
