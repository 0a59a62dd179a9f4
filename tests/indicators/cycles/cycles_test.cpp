// The cycle measurement types, built through the registry, against plain recomputations: the
// Hilbert pipeline on arrays indexed by input, the phase and trend rules on top of it, and the
// periodogram from the whole filtered history with its trigonometry evaluated on every bar. Then
// the worked numbers, the shared table and clamp, and closes whose derived numbers would leave
// the double range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/cores/cycle_phase.hpp"
#include "indicators/cores/sincos_table.hpp"
#include "indicators/cycles/autocorrelation_periodogram.hpp"
#include "indicators/cycles/hilbert_dominant_cycle.hpp"
#include "indicators/invariant.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::run_built;
using test::Series;
using Vec = std::vector<double>;
using Params = std::vector<double>;

// Sine waves on a drift, so that measured periods reach both ends of the pipeline's [6, 50]
// range and the phase sum runs over all 50 smoothed prices.
Vec cyclic(double length, double amplitude = 5.0, std::size_t n = 400) {
    Vec out;
    std::uint64_t seed = 7;
    for (std::size_t i = 0; i < n; ++i)
        out.push_back(100.0 + 0.01 * static_cast<double>(i) +
                      amplitude * std::sin(2.0 * M_PI * static_cast<double>(i) / length) + 0.05 * test::unit(seed));
    return out;
}

const std::vector<Vec>& all_series() {
    static const std::vector<Vec> s = {test::varied_closes(400, 42, true), cyclic(45.0), cyclic(9.0), cyclic(70.0, 30.0),
                                       cyclic(25.0), cyclic(60.0, 20.0), Vec(120, 103.25)};
    return s;
}


// ------------------------------------------------------------------ Hilbert references

struct Trace {
    Vec smooth, smooth_period;  // after each input
};

Trace trace(const Vec& x) {
    Trace tr{Vec(x.size()), Vec(x.size())};
    test::RefHilbert h(x.size());
    double sp = 0;
    for (std::size_t t = 0; t < x.size(); ++t) {
        if (h.step(x, t) == test::RefHilbert::Measured) sp = 0.33 * h.period + 0.67 * sp;
        tr.smooth[t] = h.smooth[t];
        tr.smooth_period[t] = sp;
    }
    return tr;
}

// The phase on input t from the smoothed prices held then (at most 50): the cycle length used
// and the degrees.
std::pair<std::size_t, double> phase(const Trace& tr, std::size_t t) {
    double sp = tr.smooth_period[t], real = 0, imag = 0;
    std::size_t n = std::clamp<std::size_t>(static_cast<std::size_t>(std::floor(sp + 0.5)), 1, std::min<std::size_t>(t - 2, 50));
    for (std::size_t k = 0; k < n; ++k) {
        real += std::sin((2.0 * k) * M_PI / n) * tr.smooth[t - k];
        imag += std::cos((2.0 * k) * M_PI / n) * tr.smooth[t - k];
    }
    double deg = std::fabs(imag) > 0.001 ? std::atan(real / imag) * (180 / M_PI) + 90 : (real < 0 ? 0.0 : 180.0);
    deg += 360 / sp;
    if (imag < 0) deg += 180;
    return {n, deg > 315 ? deg - 360 : deg};
}

// From input 50 on, by kind: the phase, its sine, the smoothed period, half of it rounded into
// [3, 25].
Series hilbert(const Vec& x, int kind) {
    Trace tr = trace(x);
    Series out(x.size());
    for (std::size_t t = 49; t < x.size(); ++t) {
        double ph = phase(tr, t).second, sp = tr.smooth_period[t];
        out[t] = kind == 0 ? ph : kind == 1 ? std::sin(ph * M_PI / 180) : kind == 2 ? sp : std::clamp(std::round(sp / 2), 3.0, 25.0);
    }
    return out;
}
Series ht_dc_phase(const Vec& x, const Params&) { return hilbert(x, 0); }
Series sine_wave(const Vec& x, const Params&) { return hilbert(x, 1); }
Series dominant_cycle(const Vec& x, const Params&) { return hilbert(x, 2); }
Series adaptive_cycle(const Vec& x, const Params&) { return hilbert(x, 3); }

Series trend_mode(const Vec& x, const Params&) {
    Trace tr = trace(x);
    Series out(x.size());
    double prev_phase = 0, prev_sine = 0, prev_lead = 0, days = 0, t1 = 0, t2 = 0, t3 = 0;
    for (std::size_t t = 21; t < x.size(); ++t) {
        auto [n, ph] = phase(tr, t);
        double sine = std::sin(ph * M_PI / 180), lead = std::sin((ph + 45) * M_PI / 180), sum = 0;
        for (std::size_t k = 0; k < n; ++k) sum += x[t - k];
        double avg = sum / n, trendline = (4 * avg + 3 * t1 + 2 * t2 + t3) / 10, sp = tr.smooth_period[t];
        t3 = t2, t2 = t1, t1 = avg;
        bool crossed = (sine > lead && prev_sine <= prev_lead) || (sine < lead && prev_sine >= prev_lead);
        days = crossed ? 1 : days + 1;
        double dphase = ph - prev_phase;
        bool trend = !crossed && !(days < 0.5 * sp || (sp != 0 && 0.67 * 360 / sp < dphase && dphase < 1.5 * 360 / sp));
        if (trendline != 0 && std::fabs((tr.smooth[t] - trendline) / trendline) >= 0.015) trend = true;
        prev_phase = ph, prev_sine = sine, prev_lead = lead;
        if (t >= 49) out[t] = trend ? 1.0 : 0.0;
    }
    return out;
}

// ------------------------------------------------------------------ periodogram reference

Series periodogram(const Vec& x, const Params& params) {
    const std::size_t lo = static_cast<std::size_t>(params[0]), hi = static_cast<std::size_t>(params[1]), n = x.size();
    const double c1 = 0.2531948016118099, c2 = 1.1580458998309644, c3 = -0.4112407014427743;
    const double w = 2 * M_PI / hi, alpha = (std::cos(w) + std::sin(w) - 1) / std::cos(w);
    Vec h(n), f(n), power(hi + 1, 0.0), corr(hi + 1);
    for (std::size_t t = 0; t < n; ++t) {
        h[t] = t == 0 ? 0.0 : (1 - alpha / 2) * (x[t] - x[t - 1]) + (1 - alpha) * h[t - 1];
        f[t] = t < 2 ? h[t] : c1 * ((h[t] + h[t - 1]) / 2) + c2 * f[t - 1] + c3 * f[t - 2];
    }
    double maxpwr = 0;
    Series out(n);
    for (std::size_t t = hi + 2; t < n; ++t) {
        for (std::size_t lag = 0; lag <= hi; ++lag) {
            double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
            for (std::size_t k = 0; k < 3; ++k) {
                double a = f[t - k], b = f[t - lag - k];
                sx += a, sy += b, sxx += a * a, syy += b * b, sxy += a * b;
            }
            double den = (3 * sxx - sx * sx) * (3 * syy - sy * sy);
            corr[lag] = den > 0 ? (3 * sxy - sx * sy) / std::sqrt(den) : 0.0;
        }
        maxpwr *= 0.995;
        for (std::size_t p = lo; p <= hi; ++p) {
            double cs = 0, sn = 0;
            for (std::size_t lag = 3; lag <= hi; ++lag)
                cs += corr[lag] * std::cos(2 * M_PI * lag / p), sn += corr[lag] * std::sin(2 * M_PI * lag / p);
            power[p] = 0.2 * ((cs * cs + sn * sn) * (cs * cs + sn * sn)) + 0.8 * power[p];
            maxpwr = std::max(maxpwr, power[p]);
        }
        double spx = 0, sp = 0;
        for (std::size_t p = lo; maxpwr > 0 && p <= hi; ++p)
            if (power[p] / maxpwr >= 0.5) spx += p * (power[p] / maxpwr), sp += power[p] / maxpwr;
        out[t] = sp > 0 ? std::clamp(spx / sp, double(lo), double(hi)) : double(lo);
    }
    return out;
}

// ------------------------------------------------------------------ the table

TEST(CycleTest, TypesMatchTheirReferences) {
    // exact: the same sines, cosines and arc tangents of the same arguments as the types, so the
    // periodogram's precomputed table must match its trigonometry on every bar bit for bit.
    struct Row { const char* type; Series (*ref)(const Vec&, const Params&); bool exact; std::vector<Params> params; };
    const Row rows[] = {
        {"HtDcPhase", ht_dc_phase, true, {{}}},
        {"SineWave", sine_wave, false, {{}}},
        {"HilbertDominantCycle", dominant_cycle, true, {{}}},
        {"AdaptiveCycle", adaptive_cycle, true, {{}}},
        {"HtTrendMode", trend_mode, true, {{}}},
        // (10, 300): 298 * 291 pairs exceed the table, so the type evaluates them on every bar.
        {"AutocorrelationPeriodogram", periodogram, true, {{8, 48}, {4, 11}, {10, 48}, {20, 90}, {10, 300}}},
    };
    std::map<std::string, std::set<double>> seen;
    for (const Row& row : rows)
        for (const Params& p : row.params)
            for (const Vec& xs : all_series()) {
                SCOPED_TRACE(row.type + testing::PrintToString(p));
                Series want = test::on_bars(xs, row.ref(test::accepted(xs), p)), got = run_built(row.type, p, xs);
                for (const auto& v : want) seen[row.type].insert(v ? *v : -1.0);
                if (row.exact)
                    test::expect_series(got, want);
                else
                    test::expect_series(got, want, 1e-12);
            }
    // The series must drive the references to the clamps and both trend states.
    auto& cycle = seen["AdaptiveCycle"];
    EXPECT_TRUE(cycle.count(3.0) && cycle.count(25.0) && seen["HtTrendMode"].count(0.0) && seen["HtTrendMode"].count(1.0));
}

// ------------------------------------------------------------------ worked numbers and shared parts

TEST(CycleTest, SinCosTableAndCycleLengthClamp) {
    // The entries' values are checked bit for bit through the phase above.
    for (std::size_t n : {0u, 1u, 2u, 7u, 50u}) EXPECT_EQ(sincos_table_entry(n).size(), n);
    EXPECT_EQ(sincos_table_entry(4)[1].cos, std::cos(2.0 * M_PI / 4));  // angle (2k)pi/n, not rounded to 0
    EXPECT_EQ(sincos_table_entry(50).data(), sincos_table_entry(50).data());  // one table
    EXPECT_THROW((void)sincos_table_entry(51), InvariantViolation);
    const std::uint64_t cases[][3] = {{0, 5, 1}, {3, 5, 3}, {9, 5, 5}, {std::numeric_limits<std::uint64_t>::max(), 50, 50}, {0, 1, 1}};
    for (const auto& [n, maximum, want] : cases) EXPECT_EQ(clamp_cycle_length(n, maximum), want) << n << " " << maximum;
    EXPECT_THROW((void)clamp_cycle_length(3, 0), InvariantViolation);
}

// ------------------------------------------------------------------ closes beyond the range

TEST(CycleTest, ClosesBeyondTheRangeAreRefusedAndTheLargestAcceptedStayFinite) {
    // Refused closes give nothing and change nothing: the rest is the run without them. The
    // largest accepted magnitude with alternating and random signs is the worst case for the
    // phasor products: every value stays finite.
    Vec xs = test::varied_closes(400, 42, true), with = xs, largest;
    with.insert(with.begin() + 80, {1.0000001e150, -1e151, 1e300, -std::numeric_limits<double>::max()});
    with.insert(with.begin() + 30, 2e150);
    std::uint64_t seed = 3;
    for (int i = 0; i < 600; ++i) largest.push_back(i < 300 ? (i % 2 ? kMaxCycleClose : -kMaxCycleClose) : kMaxCycleClose * test::unit(seed));
    for (const char* type : {"HtDcPhase", "SineWave", "HtTrendMode", "HilbertDominantCycle", "AdaptiveCycle"}) {
        Series got = run_built(type, {}, with);
        got.erase(got.begin() + 30);
        for (int i = 0; i < 4; ++i) EXPECT_FALSE(got[80 + i]) << type;
        got.erase(got.begin() + 80, got.begin() + 84);
        test::expect_series(got, run_built(type, {}, xs));
        got = run_built(type, {}, largest);
        for (std::size_t i = 0; i < got.size(); ++i) ASSERT_TRUE(i < 49 ? !got[i] : got[i] && std::isfinite(*got[i])) << type << " " << i;
    }
    auto d = *HilbertDominantCycle::create();
    for (double x : largest) {
        (void)d.update_value(x);
        ASSERT_TRUE(std::isfinite(d.period()) && d.period() <= 50);
    }
    EXPECT_GT(d.period(), 6.0);  // the phasor is measured, not stalled
}

// ------------------------------------------------------------------ periodogram

TEST(CycleTest, PeriodogramFindsTheCycleAndFollowsItsLimits) {
    EXPECT_NEAR(*run_built("AutocorrelationPeriodogram", {8, 48}, cyclic(20.0, 5.0, 600)).back(), 20.0, 2.0);
    auto make = [](std::uint64_t lo, std::uint64_t hi) { return *AutocorrelationPeriodogram::create(lo, hi); };
    // The table holds at most 65,536 pairs: 512 * 128 exactly fits, 512 * 129 does not.
    EXPECT_TRUE(make(387, 514).has_table() && !make(386, 514).has_table() && make(8, 48).has_table() &&
                !make(10, 300).has_table());
    // Neither period is bounded: a window of max_period + 3 over 500 closes costs memory for 500,
    // and the warm-up saturates.
    auto s = make(4, 20'000'000), t = make(16'777'217, std::numeric_limits<std::uint64_t>::max());
    for (double x : test::varied_closes(500, 3, false)) ASSERT_FALSE(s.update_value(x) || t.update_value(x));
    EXPECT_TRUE(s.window_storage() <= 1024 && t.window_storage() <= 1024);
    EXPECT_EQ(s.warmup_period(), 20'000'003u);
    EXPECT_EQ(t.warmup_period(), std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(build_indicator("AutocorrelationPeriodogram", Params{4, 1e300}).value()->warmup_period(),
              std::numeric_limits<std::uint64_t>::max());
}

TEST(CycleTest, PeriodogramIsScaleFreeAndSurvivesHugeCloses) {
    // Scaling the closes by a power of two scales every filtered value exactly; where the sums of
    // squares would overflow or underflow the correlation is taken in a scale-free form, so the
    // values are those of the unscaled series bit for bit.
    Vec xs = test::varied_closes(400, 42, true);
    Series want = run_built("AutocorrelationPeriodogram", {8, 48}, xs);
    for (int e : {700, -700, 200}) {
        Vec scaled;
        for (double x : xs) scaled.push_back(std::ldexp(x, e));
        test::expect_series(run_built("AutocorrelationPeriodogram", {8, 48}, scaled), want);
    }
    // A burst near the top of the range keeps being measured, and the closes after it get values.
    xs.insert(xs.begin() + 100, {1e300, -1e300, 1e300, -1e300});
    Series got = run_built("AutocorrelationPeriodogram", {8, 48}, xs);
    for (std::size_t i = 0, accepted = 0; i < got.size(); ++i) {
        accepted += std::isfinite(xs[i]) ? 1 : 0;
        ASSERT_EQ(got.at(i).has_value(), accepted >= 51 && std::isfinite(xs[i])) << i;
        ASSERT_TRUE(!got[i] || (*got[i] >= 8 && *got[i] <= 48)) << i << " " << *got[i];
    }
    // big - (-big) overflows: the close is refused and the filter keeps its state.
    const double big = std::numeric_limits<double>::max();
    auto a = *AutocorrelationPeriodogram::create(8, 48), b = a;
    for (double x : {100.0, -big}) (void)a.update_value(x), (void)b.update_value(x);
    EXPECT_FALSE(a.update_value(big));
    test::expect_series(test::run(a, xs), test::run(b, xs));
}

}  // namespace
}  // namespace prynox
