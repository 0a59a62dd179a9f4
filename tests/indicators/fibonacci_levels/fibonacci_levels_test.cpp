// The Fibonacci levels and the pitchfork, built from the registry and fed candles, against plain
// recomputations of their formulas: from the pivots a swing tracker keeping every pivot gives
// (the types read the newest few), and for the pitchfork from the highs and lows themselves.
// Exact on walks of candles on a coarse grid (equal highs and lows are common, so every strict
// test is met at its tie); within 1e-15 of the whole-range (long double) formulas where pivots
// near the double range make the written differences overflow. Then the first-value bars.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "indicators/chart_patterns/swing_cases.hpp"
#include "indicators/cores/swing_pivot_tracker.hpp"
#include "support/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox::test {
namespace {

using Out = std::vector<double>;
using Candles = std::vector<Candle>;
template <class T>
using Rows = std::vector<std::optional<std::vector<T>>>;

// The outputs after each bar, none where the update gave none; the update's value is the first.
Rows<double> run_outputs(const std::string& type, const Out& params, const Candles& bars) {
    auto built = build_indicator(type, params);
    Rows<double> out(bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        BarContext ctx;
        ctx.candle = &bars[i];
        if (const OptionalValue v = (*built)->update(ctx)) {
            out[i].emplace();
            for (const auto& o : (*built)->outputs()) out[i]->push_back(o.value);
            EXPECT_TRUE(same_bits(*v, out[i]->at(0))) << type;
        }
    }
    return out;
}

// ------------------------------------------------------------------ plain formulas, in T

// Midpoints of the walks' prices, and of any in long double, cannot overflow.
template <class T>
T mid(T a, T b) {
    return (a + b) * T(0.5);
}

template <class T>
std::vector<T> retrace(T s, T e) {
    std::vector<T> v;
    for (T r : {T(0.0), T(0.236), T(0.382), T(0.5), T(0.618), T(0.786)}) v.push_back(e + r * (s - e));
    v.push_back(e + (s - e));
    return v;
}

// The outputs of `type` at bar i from every pivot confirmed so far (oldest first).
template <class T>
std::optional<std::vector<T>> fib_formula(const std::string& type, const std::vector<SwingPivot>& all,
                                          std::uint64_t i) {
    const bool six = type == "AutoFib" || type == "FibConfluence";
    const bool three = type == "FibProjection" || type == "FibChannel";
    const std::size_t keep = six ? 6 : three ? 3 : 2;
    const std::size_t needs = type == "FibTimeZones" ? 1 : three || type == "FibConfluence" ? 3 : 2;
    if (all.size() < needs) return std::nullopt;
    const std::vector<SwingPivot> p(all.end() - static_cast<std::ptrdiff_t>(std::min(keep, all.size())), all.end());
    std::vector<T> y;
    for (const auto& q : p) y.push_back(T(q.price));
    const auto bars = [&](std::uint64_t from, std::uint64_t to) { return T(static_cast<double>(to - from)); };
    if (type == "FibRetracement") return retrace(y[0], y[1]);
    if (type == "AutoFib") {
        std::size_t best = 0;
        for (std::size_t k = 1; k + 1 < y.size(); ++k)
            if (std::fabs(y[k] - y[k + 1]) >= std::fabs(y[best] - y[best + 1])) best = k;
        return retrace(y[best], y[best + 1]);
    }
    if (type == "GoldenPocket") {
        const T a = y[1] + T(0.618) * (y[0] - y[1]), b = y[1] + T(0.65) * (y[0] - y[1]);
        return std::vector<T>{std::min(a, b), mid(std::min(a, b), std::max(a, b)), std::max(a, b)};
    }
    if (type == "FibExtension") {
        const T d = y[1] - y[0];
        return std::vector<T>{y[0] + T(1.272) * d, y[0] + T(1.414) * d, y[0] + T(1.618) * d, y[0] + (d + d),
                              y[0] + T(2.618) * d};
    }
    if (type == "FibProjection") {
        const T d = y[1] - y[0];
        return std::vector<T>{y[2] + T(0.618) * d, y[2] + d, y[2] + T(1.618) * d, y[2] + T(2.618) * d};
    }
    if (type == "FibFan") {
        const T t = bars(p[0].index, i) / bars(p[0].index, p[1].index), d = y[1] - y[0];
        return std::vector<T>{y[0] + T(0.618) * d * t, y[0] + T(0.5) * d * t, y[0] + T(0.382) * d * t};
    }
    if (type == "FibArcs") {
        const T u = bars(p[1].index, i) / bars(p[0].index, p[1].index), d = y[0] - y[1];
        const T f = std::sqrt(std::max(T(1) - u * u, T(0)));
        return std::vector<T>{y[1] + T(0.382) * d * f, y[1] + T(0.5) * d * f, y[1] + T(0.618) * d * f};
    }
    if (type == "FibChannel") {
        const T slope = (y[2] - y[0]) / bars(p[0].index, p[2].index), base = y[0] + slope * bars(p[0].index, i);
        const T off = y[1] - (y[0] + slope * bars(p[0].index, p[1].index));
        return std::vector<T>{base, base + T(0.618) * off, base + off, base + T(1.618) * off};
    }
    if (type == "FibTimeZones") {
        const std::uint64_t e = i - p.back().index;
        if (e == 0) return std::vector<T>{0, 1};
        std::uint64_t a = 1, b = 2;
        bool on = false;
        while (a <= e) on |= a == e, b = a + b, a = b - a;
        return std::vector<T>{on ? T(1) : T(0), T(static_cast<double>(a - e))};
    }
    // FibConfluence
    std::vector<T> levels;
    for (std::size_t k = 0; k + 1 < y.size(); ++k)
        for (T r : {T(0.382), T(0.5), T(0.618)}) levels.push_back(y[k + 1] + r * (y[k] - y[k + 1]));
    T kept_sum = 0, kept_count = 0;
    for (T c : levels) {
        T sum = -0.0, count = 0;
        for (T l : levels)
            if (std::fabs(l - c) <= T(0.03) * std::max({std::fabs(l), std::fabs(c), T(2.2250738585072014e-308)}))
                sum += l, count += 1;
        if (count >= kept_count) kept_sum = sum, kept_count = count;
    }
    return std::vector<T>{kept_sum / kept_count, kept_count};
}

// The pitchfork at each valid bar from the highs and lows seen.
template <class T>
Rows<T> pitchfork_formula(std::size_t p, const Candles& bars) {
    struct Pv {
        T x, y;
        bool high;
    };
    std::vector<Pv> piv;
    Rows<T> out(bars.size());
    for (std::size_t c = 0; c < bars.size(); ++c) {
        if (c >= 2 * p) {
            const std::size_t m = c - p;
            bool high = true, low = true;
            for (std::size_t k = c - 2 * p; k <= c; ++k)
                if (k != m) high = high && bars[k].high < bars[m].high, low = low && bars[k].low > bars[m].low;
            if (high != low) {
                const Pv n{T(static_cast<double>(m)), T(high ? bars[m].high : bars[m].low), high};
                if (!piv.empty() && piv.back().high == high) {
                    if (high ? n.y > piv.back().y : n.y < piv.back().y) piv.back() = n;
                } else {
                    piv.push_back(n);
                    if (piv.size() == 4) piv.erase(piv.begin());
                }
            }
        }
        if (piv.size() < 3) continue;
        const T x0 = piv[0].x, y0 = piv[0].y, x1 = piv[1].x, y1 = piv[1].y, x2 = piv[2].x, y2 = piv[2].y;
        const T slope = (mid(y1, y2) - y0) / (mid(x1, x2) - x0), median = y0 + (T(static_cast<double>(c)) - x0) * slope;
        const T o1 = y1 - (y0 + (x1 - x0) * slope), o2 = y2 - (y0 + (x2 - x0) * slope);
        out[c] = std::vector<T>{median, median + std::max(o1, o2), median + std::min(o1, o2)};
    }
    return out;
}

template <class T>
Rows<T> formula(const std::string& type, const Out& params, const Candles& bars) {
    if (type == "AndrewsPitchfork") return pitchfork_formula<T>(static_cast<std::size_t>(params.at(0)), bars);
    SwingPivotTracker tracker(0.05, 1000000);
    Rows<T> out;
    for (const Candle& c : bars) {
        (void)tracker.update(c.high, c.low);
        const std::vector<SwingPivot> all(tracker.pivots().begin(), tracker.pivots().end());
        out.push_back(fib_formula<T>(type, all, tracker.bar_count() - 1));
    }
    return out;
}

// A walk on a grid of `grid` from `start`, with jumps, and highs and lows whole grid steps outside
// the body.
Candles grid_walk(std::uint64_t seed, double start, double grid) {
    Candles out;
    double x = start;
    for (std::size_t i = 0; i < 3000; ++i) {
        const double open = x, up = grid * static_cast<double>(splitmix(seed) % 3);
        x += std::round(unit(seed) * (splitmix(seed) % 9 == 0 ? 12.0 : 3.0)) * grid;
        out.push_back({0, open, std::max(open, x) + up, std::min(open, x) - grid * static_cast<double>(i % 3), x, 1});
    }
    return out;
}

Candles swing_then(const Out& pivots, std::size_t more) {
    Candles c = swing_candles(pivots);
    c.insert(c.end(), more, c.back());
    return c;
}

Candles flats(const Out& xs) {
    Candles c(xs.size());
    std::transform(xs.begin(), xs.end(), c.begin(), flat_candle);
    return c;
}

// Bit for bit with the formulas in T = double; with T = long double (the whole exponent range),
// within 1e-15 of the largest price magnitude, and infinite exactly where the value is beyond
// the double range.
template <class T>
void check(const std::string& type, const Out& params, const Candles& bars, const char* why) {
    const auto got = run_outputs(type, params, bars);
    const auto want = formula<T>(type, params, bars);
    double scale = 0.0;
    for (const Candle& b : bars) scale = std::max({scale, std::fabs(b.high), std::fabs(b.low)});
    std::size_t values = 0;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        ASSERT_EQ(got[i].has_value(), want[i].has_value()) << describe(type, params) << " bar " << i << ": " << why;
        for (std::size_t k = 0; got[i] && k < want[i]->size(); ++k) {
            const double w = static_cast<double>(want[i]->at(k)), g = got[i]->at(k);
            if (std::is_same_v<T, double> || !std::isfinite(w))
                ASSERT_TRUE(same_bits(g, w)) << describe(type, params) << " bar " << i << " output " << k << ": " << g
                                             << " != " << w << " (" << why << ")";
            else
                ASSERT_LE(std::fabs(g - w), 1e-15 * scale) << type << " bar " << i << " output " << k << ": " << why;
        }
        values += got[i].has_value();
    }
    EXPECT_GT(values, 0u) << describe(type, params) << ": " << why;
}

TEST(FibonacciLevels, WalksMatchTheFormulasExactly) {
    for (const Candles& bars : {grid_walk(1, 100.0, 0.5), grid_walk(2, 20.0, 0.25), grid_walk(3, 0.0, 0.25)})
        for (const char* type : {"AutoFib", "FibArcs", "FibChannel", "FibConfluence", "FibExtension", "FibFan",
                                 "FibProjection", "FibRetracement", "FibTimeZones", "GoldenPocket"})
            check<double>(type, {}, bars, "walk");
    for (double span : {1, 2, 5}) {
        check<double>("AndrewsPitchfork", {span}, grid_walk(4, 100.0, 0.5), "walk");
        check<double>("AndrewsPitchfork", {span}, edge_tie_candles(span, span, false), "ties at the window's edges");
    }
}

// Differences of pivots overflow while (most of) the levels lie well inside the range.
TEST(FibonacciLevels, OverflowingSwingsGiveTheirTrueLevels) {
    const Out pm = {1.5e308, -1.5e308}, pmp = {1.5e308, -1.5e308, 1.4e308};
    const std::vector<std::tuple<const char*, Out, Candles, const char*>> cases = {
        {"FibRetracement", {}, swing_then(pm, 2), "P0 - P1 = 3e308"},
        {"GoldenPocket", {}, swing_then(pm, 2), "P0 - P1 = 3e308"},
        {"FibExtension", {}, swing_then({0, -1e308, 1e308}, 0), "level_1272 1.544e308, the others beyond"},
        {"FibFan", {}, swing_then(pm, 3), "t from 1.5 to 3"},
        {"FibArcs", {}, swing_then(pm, 3), "u from 0.5 to 2"},
        {"FibProjection", {}, swing_then(pmp, 0), "d = -3e308"},
        {"FibChannel", {}, swing_then({1.5e308, -1.5e308, 1.2e308}, 3), "off -2.85e308"},
        {"AutoFib", {}, swing_then({1.7e308, -1.6e308, 1.5e308}, 0), "both legs infinite: the older is larger"},
        {"FibConfluence", {}, swing_then(pmp, 0), "every level from an infinite leg"},
        {"FibConfluence", {}, swing_then({1.7e308, 1.6e308, 1.7e308}, 0), "six close levels: the sum overflows"},
        {"AndrewsPitchfork", {1}, flats({0, 1.5e308, 0, -1.5e308, 0, 1.5e308, 0, 0}), "upper 1e308, lower beyond"},
    };
    for (const auto& [type, params, bars, why] : cases) check<long double>(type, params, bars, why);
}

// Flat bars alternating 100 and 90: every bar from the second confirms a pivot, so a type that
// needs k pivots gives its first value on bar k + 1 (1-based), later than its warm-up except
// FibTimeZones; the pitchfork of span 1 records a pivot from bar 3 on. Flat bars confirm nothing.
TEST(FibonacciLevels, FirstValueBars) {
    const std::vector<std::tuple<const char*, Out, std::uint64_t, std::size_t>> rows = {
        {"FibTimeZones", {}, 2, 2},   {"GoldenPocket", {}, 2, 3},  {"FibRetracement", {}, 2, 3},
        {"FibExtension", {}, 2, 3},   {"FibFan", {}, 2, 3},        {"FibArcs", {}, 2, 3},
        {"AutoFib", {}, 2, 3},        {"FibProjection", {}, 3, 4}, {"FibChannel", {}, 3, 4},
        {"FibConfluence", {}, 3, 4},  {"AndrewsPitchfork", {1}, 3, 5}};
    for (const auto& [type, params, warmup, first] : rows) {
        EXPECT_EQ((*build_indicator(type, params))->warmup_period(), warmup) << type;
        const auto got = run_outputs(type, params, flats({100, 90, 100, 90, 100, 90, 100, 90}));
        EXPECT_EQ(std::find_if(got.begin(), got.end(), [](const auto& v) { return v.has_value(); }) - got.begin() + 1,
                  static_cast<std::ptrdiff_t>(first))
            << type;
        for (const auto& v : run_outputs(type, params, flats(Out(40, 100.0)))) EXPECT_FALSE(v.has_value()) << type;
    }
}

}  // namespace
}  // namespace prynox::test
