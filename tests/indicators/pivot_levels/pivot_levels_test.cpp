// The pivot types, built from the registry and fed candles, against the written formulas (exact:
// + - * / only, in their written grouping), every output on every bar; a candle without range
// gives its price on every level, levels beyond the doubles give no value.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "indicators/market_profiles/output_lines.hpp"

namespace prynox {
namespace {

using test::bar;
using test::flat;
using test::Lines;
using Vec = std::vector<double>;
using Window = std::span<const Candle>;

Vec classic(Window w) {
    const double H = w[0].high, L = w[0].low, R = H - L, pp = (w[0].close + (L + H)) / 3;
    return {pp, 2 * pp - L, pp + R, H + 2 * (pp - L), 2 * pp - H, pp - R, L - 2 * (H - pp)};
}
Vec fibonacci(Window w) {
    const double R = w[0].high - w[0].low, pp = (w[0].close + (w[0].low + w[0].high)) / 3;
    return {pp, pp + 0.382 * R, pp + 0.618 * R, pp + R, pp - 0.382 * R, pp - 0.618 * R, pp - R};
}
Vec woodie(Window w) {
    const double H = w[0].high, L = w[0].low, pp = ((L + H) + (w[0].close + w[0].close)) * 0.25;
    return {pp, 2 * pp - L, pp + (H - L), 2 * pp - H, pp - (H - L)};
}
Vec camarilla(Window w) {
    const double C = w[0].close, k = 1.1 * (w[0].high - w[0].low);
    return {(C + (w[0].low + w[0].high)) / 3, C + k / 12, C + k / 6, C + k * 0.25, C + k * 0.5,
            C - k / 12, C - k / 6, C - k * 0.25, C - k * 0.5};
}
Vec cpr(Window w) {
    const double pivot = (w[0].high + w[0].low + w[0].close) / 3, b = (w[0].high + w[0].low) * 0.5, t = 2 * pivot - b;
    return {pivot, std::max(t, b), std::min(t, b)};
}
Vec demark(Window w) {
    const double H = w[0].high, L = w[0].low, C = w[0].close, O = w[0].open;
    const double X = C < O ? H + 2 * L + C : C > O ? 2 * H + L + C : H + L + 2 * C;
    return {X * 0.25, X * 0.5 - L, X * 0.5 - H};
}
// The eighths of the window's range, from a scan.
Vec murrey(Window w) {
    double hi = -INFINITY, lo = INFINITY;
    for (const Candle& c : w) hi = std::max(hi, c.high), lo = std::min(lo, c.low);
    const double s = (hi - lo) * 0.125;
    return {lo + 8 * s, lo + 7 * s, lo + 6 * s, lo + 5 * s, lo + 4 * s, lo + 3 * s, lo + 2 * s, lo + s, lo + 0 * s};
}

struct Row {
    const char* type;
    Vec params;
    Vec (*f)(Window);
};
const Row kRows[] = {{"ClassicPivots", {}, classic},     {"FibonacciPivots", {}, fibonacci}, {"WoodiePivots", {}, woodie},
                     {"Camarilla", {}, camarilla},       {"CentralPivotRange", {}, cpr},     {"DemarkPivots", {}, demark},
                     {"MurreyMathLines", {1}, murrey},   {"MurreyMathLines", {3}, murrey},   {"MurreyMathLines", {20}, murrey}};

TEST(PivotLevelsTest, EveryLevelMatchesItsFormula) {
    test::Candles bars = test::varied_candles(400, 5, true), grid = test::grid_candles(300, 9);
    bars.insert(bars.end(), grid.begin(), grid.end());
    // Flat candles, sums beyond the doubles, a candle closing at, above and below its open.
    for (const Candle& c : {flat(0.1), flat(-1.0 / 3), flat(0), flat(1.7e308), bar(1.7e308, 1.7e308, 1.6e308, 1.7e308),
                            bar(1, 1.7e308, -1.7e308, 1), flat(2), flat(2), flat(2), bar(5, 7, 1, 5), bar(3, 7, 1, 5),
                            bar(6, 7, 1, 5), bar(1, 1.44, 0.65, 0.72)})
        bars.push_back(c);
    const test::Candles in = test::accepted_candles(bars);
    for (const Row& r : kRows) {
        const std::size_t n = r.params.empty() ? 1 : r.params[0];
        std::vector<Lines> want(in.size());
        for (std::size_t t = n - 1; t < in.size(); ++t) {
            Vec v = r.f(Window(in).subspan(t + 1 - n, n));
            if (r.params.empty() && in[t].high == in[t].low) v.assign(v.size(), in[t].high);
            if (std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); })) want[t] = v;
        }
        test::expect_lines(r.type, r.params, bars, want);
    }
}

// The written grouping ((C + (L + H)) / 3, not H + (L + C) over 3); a flat candle at 0.1 gives 0.1
// on every level, not the 0.10000000000000002 that the formulas leave there.
TEST(PivotLevelsTest, WorkedLevels) {
    EXPECT_EQ(test::run_lines("ClassicPivots", {}, {bar(100, 110, 90, 100)})[0], (Vec{100, 110, 120, 130, 90, 80, 70}));
    EXPECT_EQ((*test::run_lines("ClassicPivots", {}, {bar(1, 1.44, 0.65, 0.72)})[0])[0], 0.9366666666666665);
    const Candle tenth = flat(0.1);
    for (const Row& r : kRows) EXPECT_EQ(test::run_lines(r.type, {1}, {tenth})[0], Vec(r.f({&tenth, 1}).size(), 0.1)) << r.type;
    EXPECT_EQ((*test::run_lines("MurreyMathLines", {3}, {bar(5, 6, 4, 5), bar(5, 9, 5, 5), bar(3, 3, 1, 2)})[2])[4], 5.0);
}

}  // namespace
}  // namespace prynox
