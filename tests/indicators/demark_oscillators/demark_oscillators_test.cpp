// The DeMark wave count and oscillators against plain recomputations over whole candle series
// (swings, flat and empty windows included), and the candles whose derived values leave the doubles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
using test::Candles;

Candle bar(double o, double h, double l, double c, double v = 10.0) { return {0, o, h, l, c, v}; }

// Candles with wicks of random length (pivots on both sides), a doji or a zero-volume bar now
// and then, and a flat stretch.
Candles walk(std::size_t n, std::uint64_t seed) {
    Candles out;
    double x = 100.0;
    for (std::size_t i = 0; i < n; ++i) {
        const bool still = i >= 200 && i < 230;
        const double o = x, v = still || test::splitmix(seed) % 9 == 0 ? 0.0 : 5.0 + 20.0 * std::fabs(test::unit(seed));
        if (!still) x += test::unit(seed) * 2.0;
        if (still || test::splitmix(seed) % 13 == 0) out.push_back(bar(x, x, x, x, v));
        else out.push_back(bar(o, std::max(o, x) + std::fabs(test::unit(seed)), std::min(o, x) - std::fabs(test::unit(seed)), x, v));
    }
    return out;
}

double sum(const Vec& v, std::size_t from, std::size_t to) { return std::accumulate(v.begin() + from, v.begin() + to + 1, 0.0); }

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
            for (const auto& [type, ref] : std::vector<std::pair<const char*, Series (*)(const Candles&, std::size_t)>>{
                     {"TdDWave", ref_wave}, {"TdDeMarker", ref_demarker}, {"TdPressure", ref_pressure}, {"TdRei", ref_rei}})
                test::expect_series(test::run_candles(type, p, k), ref(k, n), 0.0, test::describe(type, p));
            waves += wave.back().has_value() && std::count(wave.begin(), wave.end(), 8.0) > 0;
        }
    }
    EXPECT_GE(waves, 6u);  // the count went round past wave 8
}

// A derived value that leaves the doubles would give NaN, a value beyond its bounds or a value
// pinned to a bound for as long as the bar stayed in the window: such a bar is refused.
TEST(DemarkOscillatorsTest, BarsWhoseTermsLeaveTheDoublesAreRefused) {
    Candles base = walk(60, 4);
    base[20] = bar(-1e308, -1e308, -1e308, -1e308);
    for (double n : {1.0, 3.0, 30.0}) {  // 30: refused while the window fills
        // An up move of 1e308 + 1e308; then, with a window of 3, the sum of two moves of 1e308
        // (from -1e308 to 100, from 100 to 1e308).
        test::expect_candles_refused("TdDeMarker", {n}, base, 21, {bar(1e308, 1e308, 1e308, 1e308)});
        if (n > 1) test::expect_candles_refused("TdDeMarker", {n}, base, 22, {bar(1e308, 1e308, 1e308, 1e308)});
        // A range beyond the doubles; a mean pressure of 1e307 scaled by 100.
        test::expect_candles_refused("TdPressure", {n}, base, 10, {bar(0, 1e308, -1e308, 0)});
        test::expect_candles_refused("TdPressure", {n}, base, 10, {bar(0, 1, 0, 1, 1e307 * n)});
        // Moves summing past the doubles.
        test::expect_candles_refused("TdRei", {n}, base, 30, {bar(1.5e308, 1.5e308, 1.5e308, 1.5e308)});
    }
    // A numerator of 5e306 over a denominator of 1.5e307 is 33.3; scaled by 100 first it
    // overflows, and the bound would give 100.
    test::expect_candles_refused("TdRei", {1}, Candles(12, bar(0, 1, 0, 1)), 10, {bar(0, 1e307, -5e306, 0)});
}

}  // namespace
}  // namespace prynox
