// The volume lines, built from the registry, against plain recomputations over the accepted
// candles (closes of 0, runs of zero and of equal volumes included); windows emptied of volume;
// and the bars they refuse because a derived term is not finite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

#include "indicators/volume_lines/volume_candles.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Candles;
using test::cv;
using test::Series;
using Vec = std::vector<double>;
constexpr std::optional<double> N = std::nullopt;

// ------------------------------------------------------------------ plain recomputations
// Each over the accepted candles, one value (or none) per candle.
using C = const Candle&;

// Running totals from 0 of term(candle, previous candle), the first candle its own previous;
// none before `from`. A total that leaves the doubles is none and leaves the total as it was;
// the candle is still the next one's previous.
template <class F>
Series totals(const Candles& a, std::size_t from, F term) {
    Series out(a.size());
    double total = 0.0;
    for (std::size_t t = from; t < a.size(); ++t)
        if (const double next = term(a[t], a[t ? t - 1 : 0]) + total; std::isfinite(next)) out[t] = total = next;
    return out;
}

double williams(C c, C p) {
    return c.close > p.close ? c.close - std::min(c.low, p.close) : c.close < p.close ? c.close - std::max(c.high, p.close) : 0.0;
}

Series ref_wad(const Candles& a) { return totals(a, 1, williams); }

// The Williams total less its 13-bar average; none where that leaves the doubles (totals near
// -1.7e308 after a refused close of 1.7e308).
Series ref_ad_oscillator(const Candles& a) {
    const Series t = ref_wad(a), mean = test::through(t, [](const Vec& v) { return test::ref_sma(v, 13); });
    Series out = test::zip(t, mean, std::minus<double>());
    for (auto& v : out)
        if (v && !std::isfinite(*v)) v.reset();
    return out;
}

Series ref_volume_index(const Candles& a, bool positive) {
    Series out;
    double value = 1000.0;
    for (std::size_t t = 0; t < a.size(); ++t) {
        const double pc = t ? a[t - 1].close : 0.0, v = a[t].volume, pv = t ? a[t - 1].volume : v;
        if (pc != 0.0 && (positive ? v > pv : v < pv)) value = value + ((a[t].close - pc) / pc) * value;
        out.push_back(value);
    }
    return out;
}

Vec volumes(const Candles& a) {
    Vec v;
    for (C c : a) v.push_back(c.volume);
    return v;
}

// A window without a positive volume averages exactly 0.
Series ref_volume_oscillator(const Candles& a, std::size_t fast, std::size_t slow) {
    const Vec v = volumes(a);
    const Series f = test::ref_sma(v, fast), s = test::ref_sma(v, slow);
    Series out(a.size());
    for (std::size_t t = slow - 1; t < a.size(); ++t) {
        const auto empty = [&](std::size_t n) { return std::none_of(v.begin() + (t + 1 - n), v.begin() + (t + 1), [](double x) { return x > 0.0; }); };
        const double fv = empty(fast) ? 0.0 : *f[t], sv = empty(slow) ? 0.0 : *s[t];
        out[t] = sv == 0.0 ? 0.0 : ((fv - sv) * 100.0) / sv;
    }
    return out;
}

Series ref_volume_rsi(const Candles& a, std::size_t n) {
    Series out(a.size());
    double gains = 0.0, losses = 0.0, avg_gain = 0.0, avg_loss = 0.0;
    for (std::size_t t = 1; t < a.size(); ++t) {
        const double change = a[t].volume - a[t - 1].volume;
        const double gain = change > 0.0 ? change : 0.0, loss = change < 0.0 ? -change : 0.0;
        if (t <= n) {
            gains += gain, losses += loss;
            if (t < n) continue;
            avg_gain = gains / n, avg_loss = losses / n;
        } else {
            avg_gain = (gain + avg_gain * (n - 1.0)) / n;
            avg_loss = (loss + avg_loss * (n - 1.0)) / n;
        }
        out[t] = avg_gain + avg_loss == 0.0 ? 50.0 : (avg_gain / (avg_gain + avg_loss)) * 100.0;
    }
    return out;
}

Series ref_vzo(const Candles& a, std::size_t n) {
    Vec sv, v;
    for (std::size_t t = 1; t < a.size(); ++t) {
        const double c = a[t].close, pc = a[t - 1].close;
        sv.push_back(c > pc ? a[t].volume : c < pc ? -a[t].volume : 0.0);
        v.push_back(a[t].volume);
    }
    const Series s = test::ref_ema(sv, n), m = test::ref_ema(v, n);
    Series out = {N};
    for (std::size_t t = 0; t < sv.size(); ++t)
        out.push_back(s[t] ? std::optional<double>(*m[t] == 0.0 ? 0.0 : (*s[t] * 100.0) / *m[t]) : N);
    return out;
}

using P = const Vec&;
struct Row {
    const char* type;
    std::vector<Vec> params;
    std::function<Series(const Candles&, P)> ref;
};

std::size_t at(P p, std::size_t k) { return static_cast<std::size_t>(p[k]); }

// Warm-ups and first values are the harness's: these compare every value.
TEST(VolumeLinesTest, AgainstPlainRecomputations) {
    const std::vector<Row> rows = {
        {"Obv", {{}}, [](const Candles& a, P) {
             return totals(a, 0, [](C c, C p) { return c.close > p.close ? c.volume : c.close < p.close ? -c.volume : 0.0; }); }},
        {"Adl", {{}}, [](const Candles& a, P) {
             return totals(a, 0, [](C c, C) {
                 const double range = c.high - c.low;
                 return range == 0.0 ? 0.0 : c.volume * (((c.close - c.low) - (c.high - c.close)) / range); }); }},
        {"Wad", {{}}, [](const Candles& a, P) { return ref_wad(a); }},
        {"VolumePriceTrend", {{}}, [](const Candles& a, P) {
             return totals(a, 0, [](C c, C p) { return c.volume * (p.close == 0.0 ? 0.0 : (c.close - p.close) / p.close); }); }},
        {"Pvi", {{}}, [](const Candles& a, P) { return ref_volume_index(a, true); }},
        {"Nvi", {{}}, [](const Candles& a, P) { return ref_volume_index(a, false); }},
        {"AdOscillator", {{}}, [](const Candles& a, P) { return ref_ad_oscillator(a); }},
        // Windows of 2^24: memory for the data seen only, and no value.
        {"VolumeOscillator", {{1, 2}, {2, 5}, {5, 20}, {3, 40}, {16777215, 16777216}, {1, 16777216}},
         [](const Candles& a, P p) { return ref_volume_oscillator(a, at(p, 0), at(p, 1)); }},
        {"VolumeRsi", {{1}, {2}, {14}, {45}, {16777216}}, [](const Candles& a, P p) { return ref_volume_rsi(a, at(p, 0)); }},
        {"Vzo", {{1}, {3}, {14}, {45}, {16777216}}, [](const Candles& a, P p) { return ref_vzo(a, at(p, 0)); }},
    };
    for (const Candles& bars : {test::volume_candles(5, true), test::volume_candles(8, false)})
        for (const Row& row : rows)
            for (const Vec& p : row.params)
                test::expect_series(test::run_candles(row.type, p, bars),
                                    test::on_accepted(bars, row.ref(test::accepted_candles(bars), p)), 0.0,
                                    test::describe(row.type, p));
}

// Volumes whose slow window has emptied leave residues in both running sums: the counts of
// positive volumes give -100 once the fast window has emptied, and 0 once the slow one has.
TEST(VolumeLinesTest, VolumeOscillatorWindowsWithoutVolume) {
    Candles bars;
    for (double v : {0.043, 0.703, 0.983, 0.593, 0.394, 0.17}) bars.push_back(cv(10, v));
    bars.insert(bars.end(), 90, cv(10, 0.0));
    const Series got = test::run_candles("VolumeOscillator", {2, 5}, bars);
    // Bars 8 to 10 (1-based): the fast window holds no volume, the slow one some.
    for (std::size_t t : {7u, 8u, 9u}) EXPECT_EQ(got[t], -100.0) << t;
    for (std::size_t t = 10; t < got.size(); ++t) ASSERT_TRUE(*got[t] == 0.0 && !std::signbit(*got[t])) << t;
}

// Bars whose relative change, product or total is not finite are refused: no value, and the
// line and its averages as they were; the bar after gives its value, measured from the refused
// bar's close and volume, which the next bar is measured against as usual.
TEST(VolumeLinesTest, NonFiniteTermsAreRefused) {
    const Candles tiny = {cv(1e-300, 1), cv(1e10, 2), cv(1e10, 3), cv(9e9, 4)};
    const Candles resume = {cv(1e-300, 1), cv(1e10, 2), cv(3e-300, 2)};
    const double big = 1.7e308;
    const double moved = 1000.0 + ((1e300 - 1.0) / 1.0) * 1000.0;
    const std::vector<std::tuple<const char*, Vec, Candles, Series>> rows = {
        {"Pvi", {}, tiny, {1000.0, N, 1000.0, 900.0}},
        {"VolumePriceTrend", {}, tiny, {0.0, N, 0.0, -0.4}},
        {"Nvi", {}, {cv(1e-300, 4), cv(1e10, 3), cv(1e10, 2), cv(9e9, 1)}, {1000.0, N, 1000.0, 900.0}},
        {"Nvi", {}, tiny, {1000.0, 1000.0, 1000.0, 1000.0}},  // no move on rising volumes: no change formed
        // Each chain goes on from the refused bar's close and volume.
        {"Nvi", {}, {cv(1e-300, 4), cv(1e10, 3), cv(2e-300, 2)}, {1000.0, N, 1000.0 + ((2e-300 - 1e10) / 1e10) * 1000.0}},
        {"Pvi", {}, resume, {1000.0, N, 1000.0}},  // volume 2 after 2: no move
        {"VolumePriceTrend", {}, resume, {0.0, N, 0.0 + 2.0 * ((3e-300 - 1e10) / 1e10)}},
        // A product or a total beyond the doubles.
        {"VolumePriceTrend", {}, {cv(1, 1), cv(3, big), cv(4, 1)}, {0.0, N, 0.0 + 1.0 * ((4.0 - 3.0) / 3.0)}},
        {"Obv", {}, {cv(1, 1), cv(2, big), cv(3, big), cv(2, 1)}, {0.0, big, N, big}},
        // 2.5 is a fall from the refused 3, not a rise from 2.
        {"Obv", {}, {cv(1, 1), cv(2, 1e308), cv(3, 1e308), cv(2.5, 5e307)}, {0.0, 1e308, N, 1e308 - 5e307}},
        {"Pvi", {}, {cv(1, 1), cv(1e300, 2), cv(1e308, 3), cv(2e300, 1)}, {1000.0, moved, N, moved}},
        // Ratios whose product by 100 leaves the doubles give nothing on those bars only.
        {"VolumeOscillator", {1, 2}, {cv(1, 0), cv(1, big), cv(1, 0), cv(1, 0), cv(1, 2), cv(1, 2)}, {N, N, N, 0.0, 100.0, 0.0}},
        {"Vzo", {1}, {cv(1, 1), cv(2, big), cv(3, 1)}, {N, N, 100.0}},
        // Seed sums beyond the doubles; 2.5 is a fall from the refused 3 (a third of the volume
        // signed, not all of it). Averages that still take 100 times beyond the doubles give
        // nothing until they have decayed.
        {"Vzo", {2}, {cv(1, 1), cv(2, 1e308), cv(3, 1e308), cv(2.5, 5e307), cv(2.5, 0), cv(2.5, 0), cv(2.5, 0)},
         {N, N, N, N, N, N, (*test::ref_ema({1e308, -5e307, 0, 0, 0}, 2).back() * 100.0) /
                                *test::ref_ema({1e308, 5e307, 0, 0, 0}, 2).back()}},
        // A Williams term beyond the doubles; the next one is taken against its close of big.
        {"Wad", {}, {cv(1, 1), cv(2, 1), Candle{0, 0, big, -big, big, 1}, cv(1.6e308, 1)}, {N, 1.0, N, (1.6e308 - big) + 1.0}},
        // Volume RSI: averages beyond the doubles would leave it NaN for good. The change after a
        // refused bar is taken from its volume: 1 after big overflows in turn, big after big is
        // no change.
        {"VolumeRsi", {2}, {cv(1, 0), cv(1, big), cv(1, 0), cv(1, big), cv(1, 1)}, {N, N, 50.0, N, N}},
        {"VolumeRsi", {2}, {cv(1, 0), cv(1, big), cv(1, 0), cv(1, big), cv(1, big)}, {N, N, 50.0, N, 50.0}},
    };
    for (const auto& [type, p, candles, want] : rows)
        test::expect_series(test::run_candles(type, p, candles), want, 0.0, test::describe(type, p));
    // A range or a Williams term beyond the doubles, spliced into varied candles: Adl has no
    // previous close and is left as it was; the Williams lines measure the next term from the
    // refused close (1.7e308), as their recomputations do.
    const Candles bars = test::accepted_candles(test::volume_candles(21, false));
    const Candle wide{0, 0, big, -big, big, 1}, wide_range{0, 0, big, -big, 1e306, 1};
    for (std::size_t at : {1u, 2u, 30u, 200u}) {
        test::expect_candles_refused("Adl", {}, bars, at, {wide});
        Candles spliced = bars;
        spliced.insert(spliced.begin() + static_cast<std::ptrdiff_t>(at), wide);
        const Series wad = ref_wad(spliced);
        ASSERT_FALSE(wad[at]) << at;
        test::expect_series(test::run_candles("Wad", {}, spliced), wad, 0.0, "Wad refusing at " + std::to_string(at));
        test::expect_series(test::run_candles("AdOscillator", {}, spliced), ref_ad_oscillator(spliced), 0.0,
                            "AdOscillator refusing at " + std::to_string(at));
    }
    // A range beyond the doubles would turn a finite flow into 0.
    for (std::size_t at : {0u, 2u, 30u}) test::expect_candles_refused("Adl", {}, bars, at, {wide_range});
    // Vzo: a seed sum beyond the doubles is refused by both averages together, so the values
    // that follow (once the huge volume has decayed) are those of the series without it.
    Candles huge = {cv(1, 1), cv(2, 1e308), cv(2, 1), cv(1, 3)};
    huge.insert(huge.end(), bars.begin(), bars.begin() + 40);
    test::expect_candles_refused("Vzo", {2}, huge, 2, {cv(3, 1e308)});
    // A falling close: the signed seed sum (1e308 - 1e308) would be finite, the volume's is not.
    test::expect_candles_refused("Vzo", {2}, huge, 2, {cv(1, 1e308)});
    EXPECT_NE(test::first_value_bar(test::run_candles("Vzo", {2}, huge)), 0u);
}

}  // namespace
}  // namespace prynox
