// The cycle measurement types against straightforward recomputations over the accepted closes
// (the Hilbert pipeline on plain arrays indexed by bar, the periodogram recomputed from the whole
// filtered history with its trigonometry evaluated on every bar), their warm-ups, the edge cases
// and the refusals of closes whose derived numbers would leave the double range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "indicators/cycles/adaptive_cycle.hpp"
#include "indicators/cycles/autocorrelation_periodogram.hpp"
#include "indicators/cores/cycle_phase.hpp"
#include "indicators/cycles/hilbert_dominant_cycle.hpp"
#include "indicators/cycles/ht_dc_phase.hpp"
#include "indicators/cycles/ht_trend_mode.hpp"
#include "indicators/invariant.hpp"
#include "indicators/cores/sincos_table.hpp"
#include "indicators/cycles/sine_wave.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::size_t kBars = 400;

// ------------------------------------------------------------------ data

const Vec& closes() {
    static const Vec c = test::varied_closes(kBars, 42, true);
    return c;
}

// Sine waves of a few cycle lengths on a drift, so that measured periods reach both ends of the
// pipeline's [6, 50] range and the phase sum runs over all 50 smoothed prices.
Vec cyclic_closes(std::size_t n, double length, double amplitude = 5.0) {
    Vec out;
    std::uint64_t seed = 7;
    for (std::size_t i = 0; i < n; ++i)
        out.push_back(100.0 + 0.01 * static_cast<double>(i) +
                      amplitude * std::sin(2.0 * M_PI * static_cast<double>(i) / length) + 0.05 * test::unit(seed));
    return out;
}

// Each series is run through the state and compared, bar by bar, with a reference computed over
// its accepted closes.
std::vector<Vec> all_series() {
    return {closes(), cyclic_closes(kBars, 45.0), cyclic_closes(kBars, 9.0), cyclic_closes(kBars, 70.0, 30.0),
            Vec(120, 103.25)};
}

template <class State, class Ref>
void expect_near_reference(const State& fresh, Ref reference, double rel = 1e-12) {
    for (const Vec& xs : all_series()) test::expect_near(fresh, xs, reference(test::accepted(xs)), rel);
}

template <class State, class Ref>
void expect_exact_reference(const State& fresh, Ref reference) {
    for (const Vec& xs : all_series()) test::expect_exact(fresh, xs, reference(test::accepted(xs)));
}

// ------------------------------------------------------------------ Hilbert pipeline reference

struct HilbertTrace {
    Vec smooth;                  // from input 4 (t >= 3)
    std::vector<char> measured;  // the period was updated on this input (t >= 21)
    Vec period;                  // after the input
    Vec smooth_period;           // after the input
};

HilbertTrace trace_hilbert(const Vec& x) {
    const std::size_t n = x.size();
    HilbertTrace tr{Vec(n), std::vector<char>(n), Vec(n), Vec(n)};
    test::RefHilbert h(n);
    double sp = 0;
    for (std::size_t t = 0; t < n; ++t) {
        tr.period[t] = h.period;
        tr.smooth_period[t] = sp;
        const auto stage = h.step(x, t);
        tr.smooth[t] = h.smooth[t];
        if (stage != test::RefHilbert::Measured) continue;
        sp = 0.33 * h.period + 0.67 * sp;
        tr.measured[t] = 1;
        tr.period[t] = h.period;
        tr.smooth_period[t] = sp;
    }
    return tr;
}

struct RefPhase {
    std::size_t n;
    double degrees;
};

// The phase on input t from the smoothed prices held then (at most 50).
RefPhase ref_phase(const HilbertTrace& tr, std::size_t t) {
    std::size_t held = std::min<std::size_t>(t - 2, 50);
    double sp = tr.smooth_period[t];
    std::size_t n = std::clamp<std::size_t>(static_cast<std::size_t>(std::floor(sp + 0.5)), 1, held);
    double real = 0, imag = 0;
    for (std::size_t k = 0; k < n; ++k) {
        double a = (2.0 * k) * M_PI / n;
        real += std::sin(a) * tr.smooth[t - k];
        imag += std::cos(a) * tr.smooth[t - k];
    }
    double phase = std::fabs(imag) > 0.001 ? std::atan(real / imag) * (180 / M_PI) + 90 : (real < 0 ? 0.0 : 180.0);
    phase += 360 / sp;
    if (imag < 0) phase += 180;
    if (phase > 315) phase -= 360;
    return {n, phase};
}

Series ref_ht_dc_phase(const Vec& x) {
    HilbertTrace tr = trace_hilbert(x);
    Series out(x.size());
    for (std::size_t t = 49; t < x.size(); ++t) out[t] = ref_phase(tr, t).degrees;
    return out;
}

Series ref_sine_wave(const Vec& x) {
    Series out = ref_ht_dc_phase(x);
    for (auto& v : out)
        if (v) v = std::sin(*v * M_PI / 180);
    return out;
}

Series ref_dominant_cycle(const Vec& x) {
    HilbertTrace tr = trace_hilbert(x);
    Series out(x.size());
    for (std::size_t t = 49; t < x.size(); ++t) out[t] = tr.smooth_period[t];
    return out;
}

Series ref_adaptive_cycle(const Vec& x) {
    Series out = ref_dominant_cycle(x);
    for (auto& v : out)
        if (v) v = std::clamp(std::round(*v / 2), 3.0, 25.0);
    return out;
}

Series ref_trend_mode(const Vec& x) {
    HilbertTrace tr = trace_hilbert(x);
    Series out(x.size());
    double prev_phase = 0, prev_sine = 0, prev_lead = 0, days = 0, t1 = 0, t2 = 0, t3 = 0;
    for (std::size_t t = 21; t < x.size(); ++t) {
        auto [n, phase] = ref_phase(tr, t);
        double sine = std::sin(phase * M_PI / 180), lead = std::sin((phase + 45) * M_PI / 180);
        double sum = 0;
        for (std::size_t k = 0; k < n; ++k) sum += x[t - k];
        double avg = sum / n;
        double trendline = (4 * avg + 3 * t1 + 2 * t2 + t3) / 10;
        t3 = t2;
        t2 = t1;
        t1 = avg;
        double sp = tr.smooth_period[t];
        bool crossed = (sine > lead && prev_sine <= prev_lead) || (sine < lead && prev_sine >= prev_lead);
        if (crossed) days = 0;
        days += 1;
        bool trend = !crossed;
        double dphase = phase - prev_phase;
        if (days < 0.5 * sp || (sp != 0 && 0.67 * 360 / sp < dphase && dphase < 1.5 * 360 / sp)) trend = false;
        if (trendline != 0 && std::fabs((tr.smooth[t] - trendline) / trendline) >= 0.015) trend = true;
        prev_phase = phase;
        prev_sine = sine;
        prev_lead = lead;
        if (t >= 49) out[t] = trend ? 1.0 : 0.0;
    }
    return out;
}

// ------------------------------------------------------------------ the Hilbert types

TEST(CycleTest, HtDcPhase) { expect_exact_reference(*HtDcPhase::create(), ref_ht_dc_phase); }
TEST(CycleTest, SineWave) { expect_near_reference(*SineWave::create(), ref_sine_wave); }
TEST(CycleTest, HilbertDominantCycle) { expect_exact_reference(*HilbertDominantCycle::create(), ref_dominant_cycle); }
TEST(CycleTest, AdaptiveCycle) { expect_exact_reference(*AdaptiveCycle::create(), ref_adaptive_cycle); }
TEST(CycleTest, HtTrendMode) { expect_exact_reference(*HtTrendMode::create(), ref_trend_mode); }

TEST(CycleTest, ReferencesReachTheEndsOfTheirRanges) {
    // The data above must exercise the clamps, the full 50-price phase sum, both trend states and
    // the pipeline's measured phasor; otherwise the comparisons prove little.
    double lo = 100, hi = 0;
    std::size_t longest = 0;
    bool trend = false, cycle = false;
    for (const Vec& xs : all_series()) {
        Vec acc = test::accepted(xs);
        for (const auto& v : ref_adaptive_cycle(acc))
            if (v) lo = std::min(lo, *v), hi = std::max(hi, *v);
        HilbertTrace tr = trace_hilbert(acc);
        for (std::size_t t = 49; t < acc.size(); ++t) longest = std::max(longest, ref_phase(tr, t).n);
        for (const auto& v : ref_trend_mode(acc))
            if (v) (*v == 1.0 ? trend : cycle) = true;
    }
    EXPECT_EQ(lo, 3.0);
    EXPECT_EQ(hi, 25.0);
    EXPECT_EQ(longest, 50u);
    EXPECT_TRUE(trend && cycle);
}

template <class State>
void expect_first_value_at_fifty(State fresh) {
    EXPECT_EQ(fresh.warmup_period(), 50u);
    Vec xs = test::varied_closes(120, 99, false);
    State a = fresh;
    Series s = test::run(a, xs);
    EXPECT_EQ(test::first_value_bar(s), 50u);
    for (std::size_t i = 49; i < s.size(); ++i) EXPECT_TRUE(s[i]) << i;
    // A non-finite close does not count.
    xs.insert(xs.begin() + 10, {kNaN, kInf, -kInf});
    State b = fresh;
    EXPECT_EQ(test::first_value_bar(test::run(b, xs)), 53u);
}

TEST(CycleTest, FirstValueOnTheFiftiethAcceptedClose) {
    expect_first_value_at_fifty(*HtDcPhase::create());
    expect_first_value_at_fifty(*SineWave::create());
    expect_first_value_at_fifty(*HtTrendMode::create());
    expect_first_value_at_fifty(*HilbertDominantCycle::create());
    expect_first_value_at_fifty(*AdaptiveCycle::create());
}

TEST(CycleTest, ValueRanges) {
    for (const Vec& xs : all_series()) {
        auto a = *AdaptiveCycle::create();
        auto m = *HtTrendMode::create();
        auto s = *SineWave::create();
        auto p = *HtDcPhase::create();
        for (double x : xs) {
            if (auto v = a.update_value(x)) {
                EXPECT_EQ(*v, std::round(*v));
                EXPECT_TRUE(*v >= 3 && *v <= 25) << *v;
            }
            if (auto v = m.update_value(x)) {
                EXPECT_TRUE(*v == 0.0 || *v == 1.0) << *v;
            }
            if (auto v = s.update_value(x)) {
                EXPECT_TRUE(*v >= -1 && *v <= 1) << *v;
            }
            if (auto v = p.update_value(x)) {
                EXPECT_TRUE(*v > -90 && *v <= 315) << *v;
            }
        }
    }
}

TEST(CycleTest, NoMeasurablePhasorLetsThePeriodGrowTowardsSix) {
    // A constant series has a zero detrender, so Re and Im stay 0 and p keeps the period: each
    // step is 0.2 * 6 + 0.8 * period from 0.
    auto dc = *HilbertDominantCycle::create();
    Vec periods;
    double smooth = 0, period = 0;
    for (int i = 1; i <= 60; ++i) {
        auto v = dc.update_value(42.5);
        if (i >= 22) {
            period = 0.2 * 6 + 0.8 * period;
            smooth = 0.33 * period + 0.67 * smooth;
            periods.push_back(dc.period());
        }
        EXPECT_EQ(v.has_value(), i >= 50);
        if (v) {
            EXPECT_EQ(*v, smooth);
        }
    }
    EXPECT_NEAR(periods[0], 1.2, 1e-15);
    EXPECT_NEAR(periods[1], 2.16, 1e-15);
    EXPECT_NEAR(periods[2], 2.928, 1e-15);
    EXPECT_EQ(periods.back(), period);
}

TEST(CycleTest, ListsStayAtTheirCaps) {
    auto p = *HtDcPhase::create();
    for (double x : cyclic_closes(300, 45.0)) (void)p.update_value(x);
    EXPECT_EQ(p.core().smooth_prices().size(), 50u);
    EXPECT_EQ(p.core().update_count(), 300u);
}

TEST(CycleTest, SinCosTable) {
    EXPECT_TRUE(sincos_table_entry(0).empty());
    for (std::size_t n : {1u, 2u, 7u, 50u}) {
        auto e = sincos_table_entry(n);
        ASSERT_EQ(e.size(), n);
        for (std::size_t k = 0; k < n; ++k) {
            EXPECT_NEAR(e[k].sin, std::sin(2 * M_PI * k / n), 1e-15);
            EXPECT_NEAR(e[k].cos, std::cos(2 * M_PI * k / n), 1e-15);
        }
    }
    EXPECT_EQ(sincos_table_entry(4)[1].cos, std::cos(2.0 * M_PI / 4));  // angle (2k)pi/n, not rounded to 0
    EXPECT_EQ(sincos_table_entry(50).data(), sincos_table_entry(50).data());  // one table
    EXPECT_THROW((void)sincos_table_entry(51), InvariantViolation);
}

TEST(CycleTest, ClampCycleLength) {
    EXPECT_EQ(clamp_cycle_length(0, 5), 1u);
    EXPECT_EQ(clamp_cycle_length(3, 5), 3u);
    EXPECT_EQ(clamp_cycle_length(9, 5), 5u);
    EXPECT_EQ(clamp_cycle_length(std::numeric_limits<std::uint64_t>::max(), 50), 50u);
    EXPECT_EQ(clamp_cycle_length(0, 1), 1u);
    EXPECT_THROW((void)clamp_cycle_length(3, 0), InvariantViolation);
}

// ------------------------------------------------------------------ closes beyond the pipeline's range

template <class State>
void expect_wide_close_refused(State fresh) {
    Vec xs = closes();
    Vec with = xs;
    with.insert(with.begin() + 80, {1.0000001e150, -1e151, 1e300, -std::numeric_limits<double>::max()});
    with.insert(with.begin() + 30, 2e150);
    State a = fresh;
    State b = fresh;
    Series got = test::run(a, with);
    // Refused bars give nothing and change nothing: the rest is the run without them.
    got.erase(got.begin() + 30);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(got[80 + i]);
    got.erase(got.begin() + 80, got.begin() + 84);
    test::expect_series_exact(got, test::run(b, xs));
}

TEST(CycleTest, ClosesBeyondTheRangeAreRefused) {
    expect_wide_close_refused(*HtDcPhase::create());
    expect_wide_close_refused(*SineWave::create());
    expect_wide_close_refused(*HtTrendMode::create());
    expect_wide_close_refused(*HilbertDominantCycle::create());
    expect_wide_close_refused(*AdaptiveCycle::create());
}

TEST(CycleTest, LargestAcceptedClosesKeepEveryNumberFinite) {
    // The worst case for the phasor products: the largest accepted magnitude with alternating
    // and random signs.
    std::uint64_t seed = 3;
    Vec xs;
    for (int i = 0; i < 300; ++i) xs.push_back(i % 2 ? kMaxCycleClose : -kMaxCycleClose);
    for (int i = 0; i < 300; ++i) xs.push_back(kMaxCycleClose * test::unit(seed));
    EXPECT_TRUE(accepts_cycle_close(kMaxCycleClose));
    auto p = *HtDcPhase::create();
    auto d = *HilbertDominantCycle::create();
    auto m = *HtTrendMode::create();
    for (std::size_t i = 0; i < xs.size(); ++i) {
        auto a = p.update_value(xs[i]);
        auto b = d.update_value(xs[i]);
        auto c = m.update_value(xs[i]);
        ASSERT_EQ(a.has_value(), i >= 49);
        ASSERT_EQ(b.has_value(), i >= 49);
        ASSERT_EQ(c.has_value(), i >= 49);
        if (a) {
            ASSERT_TRUE(std::isfinite(*a) && std::isfinite(*b) && std::isfinite(*c)) << i;
        }
        ASSERT_TRUE(std::isfinite(d.period()) && d.period() <= 50) << i;
    }
    EXPECT_GT(d.period(), 6.0);  // the phasor is measured, not stalled
}

// ------------------------------------------------------------------ AutocorrelationPeriodogram

Series ref_periodogram(const Vec& x, std::size_t lo, std::size_t hi) {
    const double c1 = 0.2531948016118099, c2 = 1.1580458998309644, c3 = -0.4112407014427743;
    const double w = 2 * M_PI / hi;
    const double alpha = (std::cos(w) + std::sin(w) - 1) / std::cos(w);
    const std::size_t n = x.size();
    Vec h(n), f(n);
    for (std::size_t t = 0; t < n; ++t) {
        h[t] = t == 0 ? 0.0 : (1 - alpha / 2) * (x[t] - x[t - 1]) + (1 - alpha) * h[t - 1];
        f[t] = t < 2 ? h[t] : c1 * ((h[t] + h[t - 1]) / 2) + c2 * f[t - 1] + c3 * f[t - 2];
    }
    Vec power(hi + 1, 0.0), corr(hi + 1);
    double maxpwr = 0;
    Series out(n);
    for (std::size_t t = hi + 2; t < n; ++t) {
        for (std::size_t lag = 0; lag <= hi; ++lag) {
            double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
            for (std::size_t k = 0; k < 3; ++k) {
                double a = f[t - k], b = f[t - lag - k];
                sx += a;
                sy += b;
                sxx += a * a;
                syy += b * b;
                sxy += a * b;
            }
            double den = (3 * sxx - sx * sx) * (3 * syy - sy * sy);
            corr[lag] = den > 0 ? (3 * sxy - sx * sy) / std::sqrt(den) : 0.0;
        }
        maxpwr *= 0.995;
        for (std::size_t p = lo; p <= hi; ++p) {
            double cs = 0, sn = 0;
            for (std::size_t lag = 3; lag <= hi; ++lag) {
                cs += corr[lag] * std::cos(2 * M_PI * lag / p);
                sn += corr[lag] * std::sin(2 * M_PI * lag / p);
            }
            double q = cs * cs + sn * sn;
            power[p] = 0.2 * (q * q) + 0.8 * power[p];
            maxpwr = std::max(maxpwr, power[p]);
        }
        double spx = 0, sp = 0;
        for (std::size_t p = lo; maxpwr > 0 && p <= hi; ++p) {
            double pwr = power[p] / maxpwr;
            if (pwr >= 0.5) {
                spx += p * pwr;
                sp += pwr;
            }
        }
        out[t] = sp > 0 ? std::clamp(spx / sp, double(lo), double(hi)) : double(lo);
    }
    return out;
}

AutocorrelationPeriodogram periodogram(std::uint64_t lo, std::uint64_t hi) {
    return *AutocorrelationPeriodogram::create(lo, hi);
}

TEST(CycleTest, AutocorrelationPeriodogramAgainstRecomputation) {
    struct Case {
        std::uint64_t lo, hi;
        bool table;
    };
    // (10, 300): 298 * 291 pairs exceed the table, so the trigonometry runs on every bar.
    for (Case c : {Case{8, 48, true}, Case{4, 11, true}, Case{10, 48, true}, Case{20, 90, true}, Case{10, 300, false}}) {
        SCOPED_TRACE(c.hi);
        auto fresh = periodogram(c.lo, c.hi);
        EXPECT_EQ(fresh.has_table(), c.table);
        EXPECT_EQ(fresh.warmup_period(), c.hi + 3);
        for (const Vec& xs : {closes(), cyclic_closes(kBars, 25.0), cyclic_closes(kBars, 60.0, 20.0)})
            test::expect_exact(fresh, xs, ref_periodogram(test::accepted(xs), c.lo, c.hi));
    }
}

TEST(CycleTest, AutocorrelationPeriodogramFindsTheCycle) {
    auto s = periodogram(8, 48);
    std::optional<double> v;
    for (double x : cyclic_closes(600, 20.0)) v = s.update_value(x);
    ASSERT_TRUE(v);
    EXPECT_NEAR(*v, 20.0, 2.0);
}

TEST(CycleTest, AutocorrelationPeriodogramEdges) {
    // First value on close max_period + 3.
    auto a = periodogram(4, 11);
    EXPECT_EQ(test::first_value_bar(test::run(a, test::varied_closes(40, 5, false))), 14u);

    // A constant series filters to 0: no correlation, no power, the value is min_period.
    auto c = periodogram(8, 48);
    Series s = test::run(c, Vec(200, 103.25));
    for (std::size_t i = 0; i < s.size(); ++i) {
        ASSERT_EQ(s[i].has_value(), i >= 50);
        if (s[i]) {
            ASSERT_EQ(*s[i], 8.0);
        }
    }

    // The table holds at most 65,536 pairs: 512 * 128 exactly fits, 512 * 129 does not.
    EXPECT_TRUE(periodogram(387, 514).has_table());
    EXPECT_FALSE(periodogram(386, 514).has_table());
    EXPECT_TRUE(periodogram(8, 48).has_table());
    EXPECT_FALSE(periodogram(10, 300).has_table());
}

TEST(CycleTest, AutocorrelationPeriodogramStorageFollowsTheData) {
    // Neither period is bounded: a window of max_period + 3 over 500 closes costs memory for 500.
    auto s = periodogram(4, 20'000'000);
    auto t = periodogram(16'777'217, std::numeric_limits<std::uint64_t>::max());
    for (double x : test::varied_closes(500, 3, false)) {
        EXPECT_FALSE(s.update_value(x));
        EXPECT_FALSE(t.update_value(x));
    }
    EXPECT_LE(s.window_storage(), 1024u);
    EXPECT_LE(t.window_storage(), 1024u);
    EXPECT_FALSE(s.has_table());
    EXPECT_EQ(s.warmup_period(), 20'000'003u);
    EXPECT_EQ(t.warmup_period(), std::numeric_limits<std::uint64_t>::max());
}

TEST(CycleTest, AutocorrelationPeriodogramIsScaleFree) {
    // Scaling the closes by a power of two scales every filtered value exactly; where the sums of
    // squares would overflow or underflow the correlation is taken in a scale-free form, so the
    // values are those of the unscaled series bit for bit.
    Vec xs = closes();
    auto plain = periodogram(8, 48);
    Series want = test::run(plain, xs);
    for (int e : {700, -700, 200}) {
        SCOPED_TRACE(e);
        Vec scaled;
        for (double x : xs) scaled.push_back(std::ldexp(x, e));
        auto s = periodogram(8, 48);
        test::expect_series_exact(test::run(s, scaled), want);
    }
}

TEST(CycleTest, AutocorrelationPeriodogramSurvivesHugeCloses) {
    // A burst of closes near the top of the double range: filtered values of 1e300 keep being
    // measured (the correlations are scale-free), and the closes after the burst get values.
    Vec xs = closes();
    xs.insert(xs.begin() + 100, {1e300, -1e300, 1e300, -1e300});
    auto s = periodogram(8, 48);
    Series got = test::run(s, xs);
    std::size_t accepted = 0;
    for (std::size_t i = 0; i < got.size(); ++i) {
        accepted += std::isfinite(xs[i]) ? 1 : 0;
        ASSERT_EQ(got[i].has_value(), accepted >= 51 && std::isfinite(xs[i])) << i;
        if (got[i]) {
            ASSERT_TRUE(*got[i] >= 8 && *got[i] <= 48) << i << " " << *got[i];
        }
    }
}

TEST(CycleTest, AutocorrelationPeriodogramRefusesAnOverflowingHighPass) {
    // big - (-big) overflows: the close is refused and the filter keeps its state, so the run
    // goes on as if the close had never come.
    const double big = std::numeric_limits<double>::max();
    auto a = periodogram(8, 48);
    auto b = periodogram(8, 48);
    for (double x : {100.0, -big}) {
        (void)a.update_value(x);
        (void)b.update_value(x);
    }
    EXPECT_FALSE(a.update_value(big));
    test::expect_series_exact(test::run(a, closes()), test::run(b, closes()));
}

}  // namespace
}  // namespace prynox
