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

// The sums of the last n (or fewer) values of `v` up to its newest.
double tail_sum(const Vec& v, std::size_t n) { return sum(v, v.size() > n ? v.size() - n : 0, v.size() - 1); }

// A bar whose extensions or their means leave the doubles is refused: none, the windows as they
// were, and the next extensions measured from it all the same.
Series ref_demarker(const Candles& k, std::size_t n) {
    Series out(k.size());
    Vec up, down;  // of the bars taken
    for (std::size_t t = 1; t < k.size(); ++t) {
        up.push_back(std::max(k[t].high - k[t - 1].high, 0.0)), down.push_back(std::max(k[t - 1].low - k[t].low, 0.0));
        const double au = tail_sum(up, n) / n, ad = tail_sum(down, n) / n;
        if (!std::isfinite(tail_sum(up, n)) || !std::isfinite(tail_sum(down, n)) || !std::isfinite(au + ad)) {
            up.pop_back(), down.pop_back();
            continue;
        }
        if (up.size() < n) continue;
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

// A bar whose moves or sums leave the doubles is refused: none, the sums' windows as they were;
// it is still one of the candles the later moves look back to.
Series ref_rei(const Candles& k, std::size_t n) {
    Series out(k.size());
    Vec num, den;  // of the bars taken
    for (std::size_t t = 8; t < k.size(); ++t) {
        const auto H = [&](std::size_t b) { return k[t - b].high; };
        const auto L = [&](std::size_t b) { return k[t - b].low; };
        const auto C = [&](std::size_t b) { return k[t - b].close; };
        const bool a = (H(0) >= L(5) || H(0) >= L(6)) && (L(0) <= H(5) || L(0) <= H(6));
        const bool b = (H(2) >= C(7) || H(2) >= C(8)) && (L(2) <= C(7) || L(2) <= C(8));
        num.push_back(a || b ? (H(0) - H(2)) + (L(0) - L(2)) : 0.0);
        den.push_back(std::fabs(H(0) - H(2)) + std::fabs(L(0) - L(2)));
        const double d = tail_sum(den, n), s = tail_sum(num, n);
        if (!std::isfinite(d) || !std::isfinite(s * 100.0)) {
            num.pop_back(), den.pop_back();
            continue;
        }
        if (num.size() < n) continue;
        out[t] = d == 0.0 ? 0.0 : std::clamp((s * 100.0) / d, -100.0, 100.0);
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
    for (std::size_t n : {1u, 2u, 5u}) {
        const Candles k = test::edge_tie_candles(n, n, false);
        test::expect_series(test::run_candles("TdDWave", {double(n)}, k), ref_wave(k, n), 0.0, "ties at the window's edges");
    }
}

// A derived value that leaves the doubles would give NaN, a value beyond its bounds or a value
// pinned to a bound for as long as the bar stayed in the window: such a bar is refused.
// The candle `bad` spliced in before bar `at` is refused, and the run follows the definition: the
// windows as they were, the later moves measured from it all the same.
void expect_spliced(const char* type, double n, const Candles& k, std::size_t at, const Candle& bad,
                    Series (*ref)(const Candles&, std::size_t)) {
    Candles spliced = k;
    spliced.insert(spliced.begin() + static_cast<std::ptrdiff_t>(at), bad);
    const Series want = ref(spliced, static_cast<std::size_t>(n));
    ASSERT_FALSE(want[at]) << type << " " << n;
    test::expect_series(test::run_candles(type, {n}, spliced), want, 0.0, test::describe(type, {n}) + " refusing at " + std::to_string(at));
}

TEST(DemarkOscillatorsTest, BarsWhoseTermsLeaveTheDoublesAreRefused) {
    Candles base = walk(60, 4);
    base[20] = bar(-1e308, -1e308, -1e308, -1e308);
    const Candle top = bar(1e308, 1e308, 1e308, 1e308);
    for (double n : {1.0, 3.0, 30.0}) {  // 30: refused while the window fills
        // An up move of 1e308 + 1e308; then, with a window of 3, the sum of two moves of 1e308
        // (from -1e308 to 100, from 100 to 1e308). Followed by the candle before it (a move
        // beyond the doubles back), the run goes on as without them.
        test::expect_candles_refused("TdDeMarker", {n}, base, 21, {top, base[20]});
        expect_spliced("TdDeMarker", n, base, 21, top, ref_demarker);
        if (n > 1) expect_spliced("TdDeMarker", n, base, 22, top, ref_demarker);
        // A range beyond the doubles; a mean pressure of 1e307 scaled by 100.
        test::expect_candles_refused("TdPressure", {n}, base, 10, {bar(0, 1e308, -1e308, 0)});
        test::expect_candles_refused("TdPressure", {n}, base, 10, {bar(0, 1, 0, 1, 1e307 * n)});
        // Moves summing past the doubles.
        expect_spliced("TdRei", n, base, 30, bar(1.5e308, 1.5e308, 1.5e308, 1.5e308), ref_rei);
    }
    // A numerator of 5e306 over a denominator of 1.5e307 is 33.3; scaled by 100 first it
    // overflows, and the bound would give 100.
    expect_spliced("TdRei", 1, Candles(12, bar(0, 1, 0, 1)), 10, bar(0, 1e307, -5e306, 0), ref_rei);
    // The bar after a refused one is measured from it: 1e308 again is no move, the window holds
    // no extension (0.5).
    EXPECT_EQ(test::run_candles("TdDeMarker", {1}, {bar(-1e308, -1e308, -1e308, -1e308), top, top}).back(), 0.5);
}

}  // namespace
}  // namespace prynox
