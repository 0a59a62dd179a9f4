// The volume lines, built from the registry, against plain recomputations over the accepted
// candles; their worked cases; degenerate windows; and the bars they refuse because a derived
// term is not finite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
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

Series ref_obv(const Candles& a) {
    Series out;
    double total = 0.0;
    for (std::size_t t = 0; t < a.size(); ++t) {
        if (t > 0 && a[t].close > a[t - 1].close) total = a[t].volume + total;
        if (t > 0 && a[t].close < a[t - 1].close) total = total - a[t].volume;
        out.push_back(total);
    }
    return out;
}

Series ref_adl(const Candles& a) {
    Series out;
    double total = 0.0;
    for (const Candle& c : a) {
        const double range = c.high - c.low;
        total = (range == 0.0 ? 0.0 : c.volume * (((c.close - c.low) - (c.high - c.close)) / range)) + total;
        out.push_back(total);
    }
    return out;
}

// The Williams totals; none on the first candle.
Series ref_wad(const Candles& a) {
    Series out = {N};
    double total = 0.0;
    for (std::size_t t = 1; t < a.size(); ++t) {
        const double c = a[t].close, pc = a[t - 1].close;
        const double ad = c > pc ? c - std::min(a[t].low, pc) : c < pc ? c - std::max(a[t].high, pc) : 0.0;
        out.push_back(total = ad + total);
    }
    return out;
}

Series ref_vpt(const Candles& a) {
    Series out;
    double total = 0.0;
    for (std::size_t t = 0; t < a.size(); ++t) {
        if (t > 0) {
            const double pc = a[t - 1].close;
            total = total + a[t].volume * (pc == 0.0 ? 0.0 : (a[t].close - pc) / pc);
        }
        out.push_back(total);
    }
    return out;
}

Series ref_volume_index(const Candles& a, bool positive) {
    Series out;
    double value = 1000.0;
    for (std::size_t t = 0; t < a.size(); ++t) {
        if (t > 0) {
            const double pc = a[t - 1].close, v = a[t].volume, pv = a[t - 1].volume;
            if (pc != 0.0 && (positive ? v > pv : v < pv)) value = value + ((a[t].close - pc) / pc) * value;
        }
        out.push_back(value);
    }
    return out;
}

// The Williams total less its 13-bar average.
Series ref_ad_oscillator(const Candles& a) {
    const Series totals = ref_wad(a);
    const Series average = test::through(totals, [](const Vec& v) { return test::ref_sma(v, 13); });
    return test::zip(totals, average, [](double total, double mean) { return total - mean; });
}

Vec volumes(const Candles& a) {
    Vec v;
    for (const Candle& c : a) v.push_back(c.volume);
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

struct Row {
    const char* type;
    std::vector<Vec> params;
    std::function<Series(const Candles&, const Vec&)> ref;
};

std::size_t at(const Vec& p, std::size_t k) { return static_cast<std::size_t>(p[k]); }

// Warm-ups and first values are the harness's: these compare every value.
TEST(VolumeLinesTest, AgainstPlainRecomputations) {
    const std::vector<Row> rows = {
        {"Obv", {{}}, [](const Candles& a, const Vec&) { return ref_obv(a); }},
        {"Adl", {{}}, [](const Candles& a, const Vec&) { return ref_adl(a); }},
        {"Wad", {{}}, [](const Candles& a, const Vec&) { return ref_wad(a); }},
        {"VolumePriceTrend", {{}}, [](const Candles& a, const Vec&) { return ref_vpt(a); }},
        {"Pvi", {{}}, [](const Candles& a, const Vec&) { return ref_volume_index(a, true); }},
        {"Nvi", {{}}, [](const Candles& a, const Vec&) { return ref_volume_index(a, false); }},
        {"AdOscillator", {{}}, [](const Candles& a, const Vec&) { return ref_ad_oscillator(a); }},
        {"VolumeOscillator", {{1, 2}, {2, 5}, {5, 20}, {3, 40}},
         [](const Candles& a, const Vec& p) { return ref_volume_oscillator(a, at(p, 0), at(p, 1)); }},
        {"VolumeRsi", {{1}, {2}, {14}, {45}}, [](const Candles& a, const Vec& p) { return ref_volume_rsi(a, at(p, 0)); }},
        {"Vzo", {{1}, {3}, {14}, {45}}, [](const Candles& a, const Vec& p) { return ref_vzo(a, at(p, 0)); }},
    };
    for (const Candles& bars : {test::volume_candles(5, true), test::volume_candles(8, false)})
        for (const Row& row : rows)
            for (const Vec& p : row.params)
                test::expect_series(test::run_candles(row.type, p, bars),
                                    test::on_accepted(bars, row.ref(test::accepted_candles(bars), p)), 0.0,
                                    test::describe(row.type, p));
}

// Windows far beyond the data cost memory for the data seen and give nothing over it.
TEST(VolumeLinesTest, WindowsBeyondTheData) {
    const Candles bars = test::volume_candles(2, false);
    for (const Vec& p : {Vec{16777215, 16777216}, Vec{1, 16777216}}) {
        std::uint64_t warmup = 0;
        EXPECT_EQ(test::first_value_bar(test::run_candles("VolumeOscillator", p, bars, &warmup)), 0u);
        EXPECT_EQ(warmup, 16777216u);
    }
    for (const char* type : {"VolumeRsi", "Vzo"}) {
        std::uint64_t warmup = 0;
        EXPECT_EQ(test::first_value_bar(test::run_candles(type, {16777216}, bars, &warmup)), 0u);
        EXPECT_EQ(warmup, 16777217u);
    }
}

// The worked cases of the cumulative lines.
TEST(VolumeLinesTest, WorkedCases) {
    const auto run = [](const char* type, const Candles& bars) { return test::run_candles(type, {}, bars); };
    test::expect_series(run("Adl", {Candle{0, 11, 12, 10, 11.5, 100}}), {50.0});
    test::expect_series(run("Adl", {Candle{0, 11, 11, 11, 11, 100}}), {0.0});
    test::expect_series(run("Obv", {cv(10, 5), cv(11, 7), cv(11, 9), cv(10.5, 4)}), {0.0, 7.0, 7.0, 3.0});
    test::expect_series(run("Wad", {Candle{0, 11, 12, 10, 11, 1}, Candle{0, 12.5, 13, 10.5, 12.5, 1}}), {N, 2.0});
    // Down close: the close less the true high; an unchanged close adds nothing.
    test::expect_series(run("Wad", {cv(11, 1), Candle{0, 10, 10.5, 9, 10, 1}, Candle{0, 10, 12, 9, 10, 1}}),
                        {N, 10.0 - 11.0, -1.0});
    // After a close of 0 the price trend adds nothing and the indices stay; equal volumes move
    // neither index.
    const Candles zero = {cv(0, 5), cv(2, 9), cv(3, 1), cv(3.3, 1)};
    test::expect_series(run("VolumePriceTrend", zero), {0.0, 0.0, 1.0 * ((3.0 - 2.0) / 2.0), 0.5 + 1.0 * ((3.3 - 3.0) / 3.0)});
    test::expect_series(run("Pvi", zero), {1000.0, 1000.0, 1000.0, 1000.0});
    test::expect_series(run("Nvi", zero), {1000.0, 1000.0, 1000.0 + 0.5 * 1000.0, 1500.0});
    test::expect_series(run("Pvi", {cv(10, 1), cv(11, 2), cv(12, 1)}), {1000.0, 1100.0, 1100.0});
}

// Every value of `s` satisfies `ok`, and there is some value.
template <class Ok>
void expect_every(const Series& s, Ok ok, const std::string& what) {
    std::size_t values = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!s[i]) continue;
        ++values;
        ASSERT_TRUE(ok(*s[i])) << what << ", bar " << i << ": " << *s[i];
    }
    EXPECT_GT(values, 0u) << what;
}

bool positive_zero(double v) { return v == 0.0 && !std::signbit(v); }

// Constant and all-zero volume, and the promised fallbacks.
TEST(VolumeLinesTest, DegenerateVolumes) {
    Candles varied = test::accepted_candles(test::volume_candles(3, false));
    Candles constant = varied, rising = varied, none = varied;
    for (std::size_t i = 0; i < varied.size(); ++i)
        constant[i].volume = 300.25, rising[i].volume = 1.0 + 0.5 * static_cast<double>(i), none[i].volume = 0.0;
    for (double n : {1.0, 2.0, 14.0}) {
        const std::string p = std::to_string(n);
        expect_every(test::run_candles("VolumeRsi", {n}, constant), [](double v) { return v == 50.0; }, "constant " + p);
        expect_every(test::run_candles("VolumeRsi", {n}, rising), [](double v) { return v == 100.0; }, "rising " + p);
        expect_every(test::run_candles("Vzo", {n}, none), positive_zero, "Vzo " + p);
        expect_every(test::run_candles("VolumeOscillator", {n, n + 3}, none), positive_zero, "none " + p);
        expect_every(test::run_candles("VolumeOscillator", {n, n + 3}, constant), [](double v) { return v == 0.0; },
                     "constant " + p);
    }
    // No volume at all: the lines of volume stay at their start.
    for (const char* type : {"Obv", "Adl", "VolumePriceTrend"})
        expect_every(test::run_candles(type, {}, none), [](double v) { return v == 0.0; }, type);
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
    // The same volumes after varied ones, and a window refilling after the empty run.
    Candles again = test::accepted_candles(test::volume_candles(11, false));
    again.resize(200);
    again.insert(again.end(), bars.begin(), bars.end());
    again.insert(again.end(), bars.begin(), bars.begin() + 20);
    test::expect_series(test::run_candles("VolumeOscillator", {2, 5}, again), ref_volume_oscillator(again, 2, 5));
}

// Bars whose relative change, product or total is not finite are refused: no value, nothing
// changed, the close and volume included.
TEST(VolumeLinesTest, NonFiniteTermsAreRefused) {
    const Candles tiny = {cv(1e-300, 1), cv(1e10, 2), cv(1e10, 3), cv(9e9, 4)};
    test::expect_series(test::run_candles("Pvi", {}, tiny), {1000.0, N, N, N});
    test::expect_series(test::run_candles("VolumePriceTrend", {}, tiny), {0.0, N, N, N});
    // Nvi does not move on rising volumes, so it never forms the change there.
    test::expect_series(test::run_candles("Nvi", {}, tiny), {1000.0, 1000.0, 1000.0, 1000.0});
    // Each chain resumes from the last accepted close and volume.
    const double r2 = (2e-300 - 1e-300) / 1e-300, r3 = (3e-300 - 1e-300) / 1e-300;
    test::expect_series(test::run_candles("Nvi", {}, {cv(1e-300, 4), cv(1e10, 3), cv(2e-300, 2)}),
                        {1000.0, N, 1000.0 + r2 * 1000.0});
    const Candles resume = {cv(1e-300, 1), cv(1e10, 2), cv(3e-300, 2)};
    test::expect_series(test::run_candles("Pvi", {}, resume), {1000.0, N, 1000.0 + r3 * 1000.0});
    test::expect_series(test::run_candles("VolumePriceTrend", {}, resume), {0.0, N, 0.0 + 2.0 * r3});
    // A product or a total beyond the doubles.
    const double big = 1.7e308;
    test::expect_series(test::run_candles("VolumePriceTrend", {}, {cv(1, 1), cv(3, big), cv(4, 1)}), {0.0, N, 3.0});
    test::expect_series(test::run_candles("Obv", {}, {cv(1, 1), cv(2, big), cv(3, big), cv(2, 1)}), {0.0, big, N, big});
    const double moved = 1000.0 + ((1e300 - 1.0) / 1.0) * 1000.0;
    test::expect_series(test::run_candles("Pvi", {}, {cv(1, 1), cv(1e300, 2), cv(1e308, 3), cv(2e300, 1)}),
                        {1000.0, moved, N, moved});
    // Ratios whose product by 100 leaves the doubles give nothing on those bars only.
    test::expect_series(
        test::run_candles("VolumeOscillator", {1, 2}, {cv(1, 0), cv(1, big), cv(1, 0), cv(1, 0), cv(1, 2), cv(1, 2)}),
        {N, N, N, 0.0, 100.0, 0.0});
    test::expect_series(test::run_candles("Vzo", {1}, {cv(1, 1), cv(2, big), cv(3, 1)}), {N, N, 100.0});
    // Volume RSI: averages beyond the doubles would leave it NaN for good.
    test::expect_series(test::run_candles("VolumeRsi", {2}, {cv(1, 0), cv(1, big), cv(1, 0), cv(1, big), cv(1, 1)}),
                        {N, N, 50.0, N, 50.0});
    // A range or a Williams term beyond the doubles, spliced into varied candles.
    const Candles bars = test::accepted_candles(test::volume_candles(21, false));
    const Candle wide{0, 0, big, -big, big, 1}, wide_range{0, 0, big, -big, 1e306, 1};
    for (const char* type : {"Adl", "Wad", "AdOscillator"})
        for (std::size_t at : {1u, 2u, 30u, 200u}) test::expect_candles_refused(type, {}, bars, at, {wide});
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
