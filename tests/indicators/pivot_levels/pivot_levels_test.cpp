// The pivot types, built from the registry and fed candles, against the written formulas
// (exact: + - * / only, in their written grouping), every output on every bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Candles;
using test::flat;
using Vec = std::vector<double>;
using Lines = std::optional<Vec>;

std::vector<Lines> run_lines(const char* type, const Vec& params, const Candles& bars) {
    auto built = build_indicator(type, params);
    std::vector<Lines> out;
    BarContext ctx;
    for (const Candle& c : bars) {
        ctx.candle = &c;
        const OptionalValue v = (*built)->update(ctx);
        Lines& l = out.emplace_back();
        if (!v) continue;
        l.emplace();
        for (const auto& o : (*built)->outputs()) l->push_back(o.value);
    }
    return out;
}

Vec classic(const Candle& c) {
    const double H = c.high, L = c.low, R = H - L, pp = (c.close + (L + H)) / 3;
    return {pp, 2 * pp - L, pp + R, H + 2 * (pp - L), 2 * pp - H, pp - R, L - 2 * (H - pp)};
}
Vec fibonacci(const Candle& c) {
    const double R = c.high - c.low, pp = (c.close + (c.low + c.high)) / 3;
    return {pp, pp + 0.382 * R, pp + 0.618 * R, pp + R, pp - 0.382 * R, pp - 0.618 * R, pp - R};
}
Vec woodie(const Candle& c) {
    const double H = c.high, L = c.low, pp = ((L + H) + (c.close + c.close)) * 0.25;
    return {pp, 2 * pp - L, pp + (H - L), 2 * pp - H, pp - (H - L)};
}
Vec camarilla(const Candle& c) {
    const double C = c.close, k = 1.1 * (c.high - c.low);
    return {(C + (c.low + c.high)) / 3, C + k / 12, C + k / 6, C + k * 0.25, C + k * 0.5,
            C - k / 12, C - k / 6, C - k * 0.25, C - k * 0.5};
}
Vec cpr(const Candle& c) {
    const double pivot = (c.high + c.low + c.close) / 3, b = (c.high + c.low) * 0.5, t = 2 * pivot - b;
    return {pivot, std::max(t, b), std::min(t, b)};
}
Vec demark(const Candle& c) {
    const double H = c.high, L = c.low, C = c.close;
    const double X = C < c.open ? H + 2 * L + C : C > c.open ? 2 * H + L + C : H + L + 2 * C;
    return {X * 0.25, X * 0.5 - L, X * 0.5 - H};
}

struct Row {
    const char* type;
    Vec (*f)(const Candle&);
};
const Row kRows[] = {{"ClassicPivots", classic}, {"FibonacciPivots", fibonacci}, {"WoodiePivots", woodie},
                     {"Camarilla", camarilla},   {"CentralPivotRange", cpr},     {"DemarkPivots", demark}};

Lines expected(const Row& r, const Candle& c) {
    if (!candle_passes(c)) return std::nullopt;
    if (c.high == c.low) return Vec(r.f(c).size(), c.high);  // a bar without range: every level at its price
    const Vec v = r.f(c);
    if (!std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); })) return std::nullopt;
    return v;
}

bool same(const Lines& a, const Lines& b) {
    return a.has_value() == b.has_value() && (!a || std::equal(a->begin(), a->end(), b->begin(), b->end(), test::same_bits));
}

Candles series() {
    Candles bars = test::varied_candles(400, 5, true), grid = test::grid_candles(300, 9);
    bars.insert(bars.end(), grid.begin(), grid.end());
    for (double x : {0.1, -1.0 / 3.0, 0.0, 1.7e308}) bars.push_back(flat(x));
    // Sums beyond the doubles give no value; a candle closing at its open, above and below it.
    for (const Candle& c : {bar(1.7e308, 1.7e308, 1.6e308, 1.7e308), bar(1, 1.7e308, -1.7e308, 1), bar(5, 7, 1, 5),
                            bar(3, 7, 1, 5), bar(6, 7, 1, 5), bar(2, 9, 1, 2)})
        bars.push_back(c);
    return bars;
}

TEST(PivotLevelsTest, EveryLevelMatchesItsFormula) {
    const Candles bars = series();
    for (const Row& r : kRows) {
        const std::vector<Lines> got = run_lines(r.type, {}, bars);
        for (std::size_t i = 0; i < bars.size(); ++i)
            ASSERT_TRUE(same(got[i], expected(r, bars[i]))) << r.type << " bar " << i;
    }
}

// The grouping is the written one ((C + (L + H)) / 3, not H + (L + C) over 3); a flat candle at
// 0.1 gives 0.1 on every level, not the 0.10000000000000002 that the formulas leave there.
TEST(PivotLevelsTest, WorkedLevels) {
    EXPECT_EQ(run_lines("ClassicPivots", {}, {bar(100, 110, 90, 100)})[0], (Vec{100, 110, 120, 130, 90, 80, 70}));
    EXPECT_EQ((*run_lines("ClassicPivots", {}, {bar(1, 1.44, 0.65, 0.72)})[0])[0], 0.9366666666666665);
    for (const Row& r : kRows) EXPECT_EQ(run_lines(r.type, {}, {flat(0.1)})[0], Vec(r.f(flat(0.1)).size(), 0.1)) << r.type;
}

// The eighths of the last p candles' range, from a scan of the window.
TEST(PivotLevelsTest, MurreyLinesAreEighthsOfTheWindowRange) {
    Candles bars = series();
    bars.insert(bars.end(), {flat(1.7e308), flat(-1.7e308), flat(2), flat(2), flat(2)});
    const Candles in = test::accepted_candles(bars);
    for (std::size_t p : {1u, 3u, 20u}) {
        const std::vector<Lines> got = run_lines("MurreyMathLines", {double(p)}, bars);
        std::vector<Lines> want;
        for (std::size_t t = 0; t < in.size(); ++t) {
            Lines& w = want.emplace_back();
            if (t + 1 < p) continue;
            double hi = -INFINITY, lo = INFINITY;
            for (std::size_t j = t + 1 - p; j <= t; ++j) hi = std::max(hi, in[j].high), lo = std::min(lo, in[j].low);
            const double s = (hi - lo) * 0.125;
            if (std::isfinite(lo + 8 * s)) w = Vec{lo + 8 * s, lo + 7 * s, lo + 6 * s, lo + 5 * s, lo + 4 * s,
                                                   lo + 3 * s, lo + 2 * s, lo + s, lo};
        }
        for (std::size_t i = 0, k = 0; i < bars.size(); ++i)
            ASSERT_TRUE(same(got[i], candle_passes(bars[i]) ? want[k++] : std::nullopt)) << p << " bar " << i;
    }
    EXPECT_EQ((*run_lines("MurreyMathLines", {3}, {bar(5, 6, 4, 5), bar(5, 9, 5, 5), bar(3, 3, 1, 2)})[2])[4], 5.0);
}

}  // namespace
}  // namespace prynox
