// The MACD family and adaptive averages, built from the registry: every named output on every bar
// against plain recomputations over the accepted inputs, exact where the arithmetic is + - * /,
// 1e-12 through the Hilbert pipeline's atan, 1e-10 on the VWMA's running sums (against sums taken
// afresh), so that the first values come where the definitions put them; bars that one of several
// averages would refuse are refused by all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"
#include "indicators/volume_lines/volume_candles.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Candles;
using test::cv;
using test::Series;
using test::zip;
using Vec = std::vector<double>;
using Lines = std::vector<Series>;  // one Series per output, in output order

// Every output per bar; the update's value is the first.
Lines run(const std::string& type, const Vec& params, const Candles& bars) {
    auto built = build_indicator(type, params);
    Lines out((*built)->output_names().size(), Series(bars.size()));
    BarContext ctx;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        ctx.candle = &bars[i];
        const auto v = (*built)->update(ctx);
        for (std::size_t k = 0; v && k < out.size(); ++k) out[k][i] = (*built)->outputs()[k].value;
        EXPECT_TRUE(!v || test::same_bits(*v, *out[0][i])) << type << " bar " << i;
    }
    return out;
}

// ------------------------------------------------------------------ plain recomputations

// Seeded by the mean of the first n values (an input whose seed sum leaves the doubles is
// refused), then fma(a, x, b * value).
Series ema(const Series& in, std::size_t n, double a, double b) {
    return test::through(in, [&](const Vec& xs) {
        Series out(xs.size());
        double v = 0.0, seed = -0.0;
        for (std::size_t t = 0, seen = 0; t < xs.size(); ++t)
            if (seen == n) out[t] = v = std::fma(a, xs[t], b * v);
            else if (std::isfinite(seed + xs[t]) && ++seen == n) out[t] = v = (seed + xs[t]) / static_cast<double>(n);
            else if (std::isfinite(seed + xs[t])) seed += xs[t];
        return out;
    });
}
Series ema(const Series& in, std::size_t n) { return ema(in, n, 2.0 / (n + 1.0), 1.0 - 2.0 / (n + 1.0)); }

// The EMA of 2x minus the value (p - 1) / 2 back, skipping differences beyond the doubles (2x
// is exact: one rounding differs from two only where 2x itself would overflow).
Series zlema(const Series& in, std::size_t p) {
    return test::through(in, [p](const Vec& xs) {
        Series adjusted(xs.size());
        for (std::size_t t = (p - 1) / 2; t < xs.size(); ++t)
            if (const double d = std::fma(2.0, xs[t], -xs[t - (p - 1) / 2]); std::isfinite(d)) adjusted[t] = d;
        return ema(adjusted, p);
    });
}

// macd = fast - slow (0 while every close so far is the same, with `flat_zero`), none when not
// finite; its signal line by `smooth`; the histogram.
Lines macd(const Vec& x, const Series& fast, const Series& slow, bool flat_zero,
           const std::function<Series(const Series&)>& smooth) {
    Series m(x.size());
    for (std::size_t t = 0, flat = 1; t < x.size(); ++t)
        if ((flat = flat && test::same_bits(x[t], x[0]), fast[t] && slow[t]))
            if (const double d = flat && flat_zero ? 0.0 : *fast[t] - *slow[t]; std::isfinite(d)) m[t] = d;
    const Series signal = smooth(m);
    return {zip(m, signal, [](double a, double) { return a; }), signal, zip(m, signal, std::minus<double>())};
}

// (mama, fama), or with `phasor` (inphase, quadrature), from the Hilbert pipeline.
Lines hilbert(const Vec& x, bool phasor, double fast, double slow) {
    test::RefHilbert h(x.size());
    double prev = 0, mama = 0, fama = 0;
    Lines out(2, Series(x.size()));
    for (std::size_t t = 0; t < x.size(); ++t) {
        const auto stage = h.step(x, t);
        if (stage == test::RefHilbert::Smoothing) mama = fama = h.smooth[t];
        if (stage != test::RefHilbert::Measured) continue;
        const double phase = std::fabs(h.i1[t]) > 0x1p-52 ? std::atan(h.q1[t] / h.i1[t]) * (180 / M_PI) : prev;
        const double a = std::max(fast / std::max(prev - phase, 1.0), slow);
        mama = a * x[t] + (1 - a) * mama, fama = fama * (1 - 0.5 * a) + 0.5 * a * mama, prev = phase;
        if (phasor || t + 1 >= 33) out[0][t] = phasor ? h.i1[t] : mama, out[1][t] = phasor ? h.q1[t] : fama;
    }
    return out;
}

// Jaw, teeth, lips: Wilder averages of the median seeded by their mean, all present once the
// longest has seeded.
Lines alligator(const Candles& a, const Vec& p) {
    Lines out;
    for (double n : p) {
        Series line(a.size());
        double v = 0.0;
        for (std::size_t t = 0; t < a.size(); ++t) {
            const double m = (a[t].high + a[t].low) * 0.5;
            v = t < n ? v + m : (m + v * (n - 1)) / n;
            if (t + 1 == n) v /= n;
            if (t + 1 >= *std::ranges::max_element(p)) line[t] = v;
        }
        out.push_back(line);
    }
    return out;
}

// ------------------------------------------------------------------ the table

using P = const Vec&;  // parameters
using X = const Vec&;  // accepted closes
using A = const Candles&;  // accepted candles
using Ref = std::function<Lines(P, X, A)>;
struct Row {
    const char* type;
    std::vector<Vec> params;
    bool candles;  // reads the checked candle; else the close
    Ref ref;
    double tol = 0.0;
};
std::size_t n(double p) { return static_cast<std::size_t>(p); }
Series lift(X x) { return test::lift(x); }
auto ema_of(double g) { return [g](const Series& m) { return ema(m, n(g)); }; }

const Ref kMacd = [](P p, X x, A) { return macd(x, ema(lift(x), n(p[0])), ema(lift(x), n(p[1])), true, ema_of(p[2])); };
const std::vector<Row> kTable = {
    {"MacdIndicator", {{12, 26, 9}, {1, 2, 1}, {3, 5, 2}, {1, 26, 1}}, false, kMacd},
    {"Macd", {{3, 5, 2}}, false, kMacd},
    {"MacdFix", {{9}, {1}, {30}}, false, [](P p, X x, A) {
         return macd(x, ema(lift(x), 12, 0.15, 0.85), ema(lift(x), 26, 0.075, 0.925), true, ema_of(p[0])); }},
    {"ZeroLagMacd", {{12, 26, 9}, {3, 5, 3}, {1, 2, 1}, {2, 3, 4}}, false, [](P p, X x, A) {
         const auto signal = [g = n(p[2])](const Series& m) { return zlema(m, g); };
         return macd(x, zlema(lift(x), n(p[0])), zlema(lift(x), n(p[1])), false, signal); }},
    {"VolumeWeightedMacd", {{12, 26, 9}, {1, 2, 1}, {3, 7, 4}}, true,
     [](P p, X x, A a) { return macd(x, test::ref_vwma(a, n(p[0])), test::ref_vwma(a, n(p[1])), false, ema_of(p[2])); }, 1e-10},
    {"Mama", {{0.5, 0.05}, {1, 1}, {0.3, 0.1}}, false, [](P p, X x, A) { return hilbert(x, false, p[0], p[1]); }, 1e-12},
    {"HtPhasor", {{}}, false, [](P, X x, A) { return hilbert(x, true, 0, 0); }, 1e-12},
    {"Alligator", {{13, 8, 5}, {5, 8, 13}, {1, 1, 1}}, true, [](P p, X, A a) { return alligator(a, p); }},
    {"GatorOscillator", {{13, 8, 5}, {2, 5, 3}}, true, [](P p, X, A a) {
         const Lines l = alligator(a, p);
         return Lines{zip(l[0], l[1], [](double j, double t) { return std::fabs(j - t); }),
                      zip(l[1], l[2], [](double t, double l) { return -std::fabs(t - l); })}; }},
};

TEST(MacdFamilyTest, EveryOutputAgainstPlainRecomputations) {
    // Close series: the table closes; varied candles' closes, NaN among them; a constant close
    // (exponential lines of exactly 0, the others 0 up to rounding); closes whose fast and slow
    // averages lie on opposite ends of the doubles (not for the Hilbert types, which refuse them).
    std::vector<Candles> closes(4), candles = {test::volume_candles(5, true), test::volume_candles(8, false)};
    for (double c : test::table_closes()) closes[0].push_back(cv(c, 1));
    closes[1] = candles[0], closes[2] = Candles(60, cv(0.1, 0.7));
    for (std::size_t i = 0; i < 130; ++i)
        closes[3].push_back(cv(i < 26 ? -6e306 : i < 100 ? -1.7e308 : i % 3 ? 1.7e308 : i, 1));
    for (const Row& row : kTable)
        for (const Vec& p : row.params)
            for (const Candles& bars : row.candles ? candles : closes) {
                if (row.tol == 1e-12 && &bars == &closes[3]) continue;
                Vec x;
                std::vector<bool> taken;
                for (const Candle& c : bars)
                    if (taken.push_back(row.candles ? candle_passes(c) : std::isfinite(c.close)), taken.back())
                        x.push_back(c.close);
                const Lines want = row.ref(p, x, test::accepted_candles(bars)), got = run(row.type, p, bars);
                for (std::size_t k = 0; k < want.size(); ++k) {
                    Series spread;
                    for (std::size_t i = 0, t = 0; i < bars.size(); ++i)
                        spread.push_back(taken[i] ? want[k][t++] : std::nullopt);
                    const std::string what = test::describe(row.type, p) + " output " + std::to_string(k);
                    test::expect_series(got.at(k), spread, row.tol, what);
                }
            }
}

// A bar that one line or average would refuse (a sum beyond the doubles) is refused by all. A
// second median of 1.15e308 overflows the 3- and 5-bar lines but not the 2-bar jaw; a huge close
// 3 bars after another overflows the slow 4-bar window's sum of closes but not the fast 2-bar one.
TEST(MacdFamilyTest, InputsOneStageRefusesAreRefusedByAll) {
    Candles bars = test::accepted_candles(test::volume_candles(3, false));
    bars.insert(bars.begin() + 30, cv(1.15e308, 1));
    for (const char* type : {"Alligator", "GatorOscillator"})
        test::expect_candles_refused(type, {2, 3, 5}, bars, 31, {cv(1.15e308, 1)});
    bars[30] = cv(1.5e308, 1);
    test::expect_candles_refused("VolumeWeightedMacd", {2, 4, 2}, bars, 33, {bars[30]});
    // Closes whose products in the Hilbert pipeline would overflow.
    for (const char* type : {"HtPhasor", "Mama"})
        test::expect_candles_refused(type, {0.5, 0.05}, bars, 45, {cv(1e200, 1)});
}

}  // namespace
}  // namespace prynox
