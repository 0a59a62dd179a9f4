// The DeMark wave count and oscillators against plain recomputations over whole candle series,
// their worked cases, and the candles whose derived values leave the doubles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
using Candles = std::vector<Candle>;
constexpr std::nullopt_t N = std::nullopt;

Candle bar(double o, double h, double l, double c, double v = 10.0) { return {0, o, h, l, c, v}; }

// Candles with wicks of random length (pivots on both sides), a doji or a zero-volume bar now
// and then, and a flat stretch.
Candles walk(std::size_t n, std::uint64_t seed) {
    Candles out;
    double x = 100.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i >= 200 && i < 230) {
            out.push_back(bar(x, x, x, x, 0.0));
            continue;
        }
        const double o = x, v = test::splitmix(seed) % 9 == 0 ? 0.0 : 5.0 + 20.0 * std::fabs(test::unit(seed));
        x += test::unit(seed) * 2.0;
        if (test::splitmix(seed) % 13 == 0) {
            out.push_back(bar(x, x, x, x, v));
            continue;
        }
        out.push_back(bar(o, std::max(o, x) + std::fabs(test::unit(seed)), std::min(o, x) - std::fabs(test::unit(seed)), x, v));
    }
    return out;
}

Series run(const std::string& type, const Vec& p, const Candles& bars) {
    auto built = build_indicator(type, p);
    Series out;
    for (const Candle& c : bars) {
        BarContext ctx;
        ctx.candle = &c;
        out.push_back((*built)->update(ctx));
    }
    return out;
}

double sum(const Vec& v, std::size_t from, std::size_t to) {
    double s = 0.0;
    for (std::size_t i = from; i <= to; ++i) s += v[i];
    return s;
}

Series ref_wave(const Candles& k, std::size_t n) {
    Series out(k.size());
    std::optional<double> last;
    int wave = 0, side = 0;
    for (std::size_t t = 2 * n; t < k.size(); ++t) {
        bool hi = true, lo = true;
        for (std::size_t i = t - 2 * n; i <= t; ++i)
            if (i != t - n) hi = hi && k[i].high < k[t - n].high, lo = lo && k[i].low > k[t - n].low;
        if (hi != lo && (hi ? 1 : -1) != side) side = hi ? 1 : -1, wave = wave % 8 + 1, last = wave;
        out[t] = last;
    }
    return out;
}

Series ref_demarker(const Candles& k, std::size_t n) {
    Series out(k.size());
    Vec up(k.size()), down(k.size());
    for (std::size_t t = 1; t < k.size(); ++t) {
        up[t] = std::max(k[t].high - k[t - 1].high, 0.0), down[t] = std::max(k[t - 1].low - k[t].low, 0.0);
        if (t < n) continue;
        const double au = sum(up, t + 1 - n, t) / n, ad = sum(down, t + 1 - n, t) / n;
        out[t] = au + ad == 0.0 ? 0.5 : au / (au + ad);
    }
    return out;
}

Series ref_pressure(const Candles& k, std::size_t n) {
    Series out(k.size());
    Vec p(k.size()), v(k.size());
    for (std::size_t t = 0; t < k.size(); ++t) {
        const double r = k[t].high - k[t].low;
        p[t] = r > 0.0 ? k[t].volume * ((k[t].close - k[t].open) / r) : 0.0, v[t] = k[t].volume;
        if (t + 1 < n) continue;
        const double ap = sum(p, t + 1 - n, t) / n, av = sum(v, t + 1 - n, t) / n;
        out[t] = av == 0.0 ? 0.0 : (ap * 100.0) / av;
    }
    return out;
}

Series ref_rei(const Candles& k, std::size_t n) {
    Series out(k.size());
    Vec num(k.size()), den(k.size());
    for (std::size_t t = 8; t < k.size(); ++t) {
        const auto H = [&](std::size_t b) { return k[t - b].high; };
        const auto L = [&](std::size_t b) { return k[t - b].low; };
        const auto C = [&](std::size_t b) { return k[t - b].close; };
        const bool a = (H(0) >= L(5) || H(0) >= L(6)) && (L(0) <= H(5) || L(0) <= H(6));
        const bool b = (H(2) >= C(7) || H(2) >= C(8)) && (L(2) <= C(7) || L(2) <= C(8));
        num[t] = a || b ? (H(0) - H(2)) + (L(0) - L(2)) : 0.0;
        den[t] = std::fabs(H(0) - H(2)) + std::fabs(L(0) - L(2));
        if (t < n + 7) continue;
        const double d = sum(den, t + 1 - n, t);
        out[t] = d == 0.0 ? 0.0 : std::clamp((sum(num, t + 1 - n, t) * 100.0) / d, -100.0, 100.0);
    }
    return out;
}

TEST(DemarkOscillatorsTest, EveryTypeAgainstItsDefinition) {
    std::size_t waves = 0;
    for (std::uint64_t seed : {1u, 2u}) {
        const Candles k = walk(700, seed);
        for (std::size_t n : {1u, 2u, 3u, 5u, 14u}) {
            const Vec p = {double(n)};
            const Series wave = ref_wave(k, n);
            test::expect_series(run("TdDWave", p, k), wave, 0.0, test::describe("TdDWave", p));
            test::expect_series(run("TdDeMarker", p, k), ref_demarker(k, n), 0.0, test::describe("TdDeMarker", p));
            test::expect_series(run("TdPressure", p, k), ref_pressure(k, n), 0.0, test::describe("TdPressure", p));
            test::expect_series(run("TdRei", p, k), ref_rei(k, n), 0.0, test::describe("TdRei", p));
            waves += wave.back().has_value() && std::count(wave.begin(), wave.end(), 8.0) > 0;
        }
    }
    EXPECT_GE(waves, 6u);  // the count went round past wave 8
}

TEST(DemarkOscillatorsTest, WorkedCases) {
    // The middle bar is a swing high (not a swing low: the first low 0.5 is below its low 1).
    test::expect_series(run("TdDWave", {1}, {bar(1, 1, 0.5, 1), bar(2, 3, 1, 2), bar(2, 2, 1.5, 2)}), {N, N, 1.0});
    // Two candles with the same top high make no swing high.
    test::expect_series(run("TdDWave", {1}, {bar(1, 1, 0.5, 1), bar(2, 3, 1, 2), bar(2, 3, 1.5, 2), bar(2, 2, 1.8, 2)}),
                        {N, N, N, N});
    const Candles flat(6, bar(1, 2, 0.5, 1.5));
    test::expect_series(run("TdDeMarker", {3}, flat), {N, N, N, 0.5, 0.5, 0.5});
    const Candles rising = {bar(1, 2, 1, 2), bar(2, 3, 2, 3), bar(3, 4, 3, 4), bar(4, 5, 4, 5)};
    test::expect_series(run("TdDeMarker", {2}, rising), {N, N, 1.0, 1.0});
    test::expect_series(run("TdPressure", {2}, Candles(3, bar(1, 2, 0.5, 1.5, 0.0))), {N, 0.0, 0.0});
    // TdRei: first value on bar n + 8; a window where neither condition holds gives 0 (each bar
    // far above the bars five and six back, and two back far above the closes seven and eight back).
    Candles steps;
    for (int i = 0; i < 14; ++i) steps.push_back(bar(100.0 * i, 100.0 * i + 1, 100.0 * i, 100.0 * i + 1));
    const Series rei = run("TdRei", {3}, steps);
    EXPECT_EQ(test::first_value_bar(rei), 11u);
    EXPECT_EQ(rei.back(), 0.0);
}

// The bars `bad` spliced in before bar `at` are refused: no value on them, and every other bar
// gives, bit for bit, what `bars` give without them.
void expect_refused(const std::string& type, const Vec& p, Candles bars, std::size_t at, const Candles& bad) {
    Series want = run(type, p, bars);
    want.insert(want.begin() + static_cast<std::ptrdiff_t>(at), bad.size(), N);
    bars.insert(bars.begin() + static_cast<std::ptrdiff_t>(at), bad.begin(), bad.end());
    test::expect_series(run(type, p, bars), want, 0.0, test::describe(type, p) + " refusing at " + std::to_string(at));
}

// A derived value that leaves the doubles would give NaN, a value beyond its bounds or a value
// pinned to a bound for as long as the bar stayed in the window: such a bar is refused.
TEST(DemarkOscillatorsTest, BarsWhoseTermsLeaveTheDoublesAreRefused) {
    Candles base = walk(60, 4);
    base[20] = bar(-1e308, -1e308, -1e308, -1e308);
    for (double n : {1.0, 3.0, 30.0}) {  // 30: refused while the window fills
        // An up move of 1e308 + 1e308; then, with a window of 3, the sum of two moves of 1e308
        // (from -1e308 to 100, from 100 to 1e308).
        expect_refused("TdDeMarker", {n}, base, 21, {bar(1e308, 1e308, 1e308, 1e308)});
        if (n > 1) expect_refused("TdDeMarker", {n}, base, 22, {bar(1e308, 1e308, 1e308, 1e308)});
        // A range beyond the doubles; a mean pressure of 1e307 scaled by 100.
        expect_refused("TdPressure", {n}, base, 10, {bar(0, 1e308, -1e308, 0)});
        expect_refused("TdPressure", {n}, base, 10, {bar(0, 1, 0, 1, 1e307 * n)});
        // Moves summing past the doubles.
        expect_refused("TdRei", {n}, base, 30, {bar(1.5e308, 1.5e308, 1.5e308, 1.5e308)});
    }
    // A numerator of 5e306 over a denominator of 1.5e307 is 33.3; scaled by 100 first it
    // overflows, and the bound would give 100.
    expect_refused("TdRei", {1}, Candles(12, bar(0, 1, 0, 1)), 10, {bar(0, 1e307, -5e306, 0)});
}

}  // namespace
}  // namespace prynox
