// The digital filters of the close: each type against a straightforward recomputation over the
// accepted closes of a varied series with rejected bars, their warm-ups, the edge cases, and
// steps that overflow (no value, nothing changed).
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "support/indicator_test_support.hpp"
#include "indicators/digital_filters/adaptive_laguerre_filter.hpp"
#include "indicators/digital_filters/bandpass_filter.hpp"
#include "indicators/digital_filters/center_of_gravity.hpp"
#include "indicators/digital_filters/cybernetic_cycle.hpp"
#include "indicators/digital_filters/decycler.hpp"
#include "indicators/digital_filters/decycler_oscillator.hpp"
#include "indicators/digital_filters/ehlers_stochastic.hpp"
#include "indicators/digital_filters/empirical_mode_decomposition.hpp"
#include "indicators/digital_filters/even_better_sinewave.hpp"
#include "indicators/digital_filters/fisher_transform.hpp"
#include "indicators/digital_filters/highpass_filter.hpp"
#include "indicators/digital_filters/instantaneous_trendline.hpp"
#include "indicators/digital_filters/inverse_fisher_transform.hpp"
#include "indicators/digital_filters/laguerre_rsi.hpp"
#include "indicators/digital_filters/reflex.hpp"
#include "indicators/digital_filters/roofing_filter.hpp"
#include "indicators/digital_filters/super_smoother.hpp"
#include "indicators/digital_filters/trendflex.hpp"
#include "indicators/digital_filters/universal_oscillator.hpp"

namespace prynox {
namespace {

using test::Series;
using test::run_on;
using Vec = std::vector<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kBig = 1.7e308;
constexpr std::size_t kBars = 400;

// ------------------------------------------------------------------ reference building blocks
// Plain recurrences over a vector of accepted inputs, indexed by bar.

bool same(double a, double b) { return test::same_bits(a, b); }

double mid(double a, double b) {
    const double half_max = std::numeric_limits<double>::max() / 2;
    if (std::fabs(a) > half_max || std::fabs(b) > half_max) return a / 2 + b / 2;
    return (a + b) / 2;
}

double clamp(double v, double lo, double hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Two-pole high-pass on 0.707 * 2 pi / p.
Vec ref_highpass2(const Vec& x, double p) {
    double t = 4.442212012175967 / p;
    double a = (std::cos(t) + std::sin(t) - 1) / std::cos(t);
    Vec h(x.size(), 0.0);
    for (std::size_t i = 2; i < x.size(); ++i)
        h[i] = (1 - a / 2) * (1 - a / 2) * (x[i] - 2 * x[i - 1] + x[i - 2]) + 2 * (1 - a) * h[i - 1] -
               (1 - a) * (1 - a) * h[i - 2];
    return h;
}

// One-pole high-pass on 2 pi / p.
Vec ref_highpass1(const Vec& x, double p) {
    double w = 6.283185307179586 / p;
    double a = (std::cos(w) + std::sin(w) - 1) / std::cos(w);
    Vec h(x.size(), 0.0);
    for (std::size_t i = 1; i < x.size(); ++i) h[i] = (1 - a / 2) * (x[i] - x[i - 1]) + (1 - a) * h[i - 1];
    return h;
}

// Super smoother on sqrt(2) pi / length; a constant input over a constant history stays put.
Vec ref_smoother(const Vec& u, double length) {
    double t = 4.442882938158366 / length;
    double a = std::exp(-t);
    double c2 = 2 * a * std::cos(t), c3 = -(a * a), c1 = 1 - c2 - c3;
    Vec f(u.begin(), u.end());
    for (std::size_t i = 2; i < u.size(); ++i) {
        bool flat = same(u[i], u[i - 1]) && same(u[i], f[i - 1]) && same(u[i], f[i - 2]);
        f[i] = flat ? u[i] : c1 * mid(u[i], u[i - 1]) + c2 * f[i - 1] + c3 * f[i - 2];
    }
    return f;
}

Vec ref_bandpass(const Vec& x, double p, double width_angle) {
    double beta = std::cos(6.283185307179586 / p);
    double g = 1 / std::cos(width_angle);
    double a = g - std::sqrt(g * g - 1);
    Vec b(x.size(), 0.0);
    for (std::size_t i = 2; i < x.size(); ++i)
        b[i] = 0.5 * (1 - a) * (x[i] - x[i - 2]) + beta * (1 + a) * b[i - 1] - a * b[i - 2];
    return b;
}

Series lift(const Vec& v) { return Series(v.begin(), v.end()); }

// A filter whose step overflows gives no value for that input and goes on as if it had never
// seen it: runs `ref` over the inputs, drops the first input whose value is not finite, and
// again, until every value is finite.
template <class Ref>
Series rejecting_overflow(const Vec& xs, Ref ref) {
    std::vector<std::size_t> kept(xs.size());
    for (std::size_t i = 0; i < kept.size(); ++i) kept[i] = i;
    for (;;) {
        Vec in;
        for (std::size_t i : kept) in.push_back(xs[i]);
        Series r = ref(in);
        auto bad = std::find_if(r.begin(), r.end(), [](const auto& v) { return v && !std::isfinite(*v); });
        if (bad == r.end()) {
            Series out(xs.size());
            for (std::size_t j = 0; j < kept.size(); ++j) out[kept[j]] = r[j];
            return out;
        }
        kept.erase(kept.begin() + (bad - r.begin()));
    }
}

// ------------------------------------------------------------------ per-type references

Vec ref_instantaneous_trendline(const Vec& x, double p) {
    double a = 2 / (p + 1);
    Vec it(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        double p1 = i >= 1 ? x[i - 1] : x[i], p2 = i >= 2 ? x[i - 2] : x[i];
        if (i + 1 < 7)
            it[i] = (x[i] + 2 * p1 + p2) / 4;
        else
            it[i] = (a - a * a / 4) * x[i] + (a * a / 2) * p1 - (a - 0.75 * (a * a)) * p2 + 2 * (1 - a) * it[i - 1] -
                    (1 - a) * (1 - a) * it[i - 2];
    }
    return it;
}

Vec ref_cybernetic_cycle(const Vec& x, double p) {
    double a = 2 / (p + 1);
    Vec s(x.size()), c(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        s[i] = i >= 3 ? (x[i] + 2 * x[i - 1] + 2 * x[i - 2] + x[i - 3]) / 6 : x[i];
        if (i >= 2)
            c[i] = (1 - a / 2) * (1 - a / 2) * (s[i] - 2 * s[i - 1] + s[i - 2]) + 2 * (1 - a) * c[i - 1] -
                   (1 - a) * (1 - a) * c[i - 2];
        else
            c[i] = (x[i] - 2 * (i >= 1 ? x[i - 1] : x[i]) + x[i]) / 4;
    }
    return c;
}

// Trendflex (reflex = false) and Reflex (reflex = true).
Series ref_flex(const Vec& x, std::size_t p, bool reflex) {
    Vec f = ref_smoother(x, 0.5 * static_cast<double>(p));
    double n = static_cast<double>(p), ms = 0;
    Series out(x.size());
    for (std::size_t i = p; i < x.size(); ++i) {
        double slope = (f[i - p] - f[i]) / n, sum = 0;
        for (std::size_t k = 1; k <= p; ++k) sum += reflex ? f[i] + k * slope - f[i - k] : f[i] - f[i - k];
        sum /= n;
        ms = 0.96 * ms + sum * (sum * 0.04);
        out[i] = ms > 0 ? sum / std::sqrt(ms) : 0.0;
    }
    return out;
}

Series ref_universal_oscillator(const Vec& x, double p) {
    Vec w;
    for (std::size_t i = 2; i < x.size(); ++i) w.push_back((x[i] - x[i - 2]) * 0.5);
    Vec f = ref_smoother(w, p);
    Series out(x.size());
    double peak = 0;
    for (std::size_t i = 2; i < x.size(); ++i) {
        double v = f[i - 2];
        peak = std::max(std::fabs(v), 0.991 * peak);
        out[i] = peak > 0 ? clamp(v / peak, -1, 1) : 0.0;
    }
    return out;
}

Series ref_adaptive_laguerre(const Vec& x, std::size_t p) {
    Series out(x.size());
    Vec d(x.size()), u;
    double l[4], alpha = 1, prev = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (i == 0) std::fill(l, l + 4, x[0]);
        d[i] = i == 0 ? 0 : std::fabs(x[i] - prev);
        std::size_t lo_i = i + 1 >= p ? i + 1 - p : 0;
        double hi = *std::max_element(d.begin() + lo_i, d.begin() + i + 1);
        double lo = *std::min_element(d.begin() + lo_i, d.begin() + i + 1);
        if (hi - lo > 0) {
            u.push_back((d[i] - lo) / (hi - lo));
            if (u.size() > 5) u.erase(u.begin());
            Vec s = u;
            std::sort(s.begin(), s.end());
            alpha = s.size() % 2 ? s[s.size() / 2] : mid(s[s.size() / 2 - 1], s[s.size() / 2]);
        }
        double g = 1 - alpha, n0 = alpha * x[i] + g * l[0];
        double n1 = g * l[1] + (l[0] - g * n0), n2 = g * l[2] + (l[1] - g * n1), n3 = g * l[3] + (l[2] - g * n2);
        l[0] = n0, l[1] = n1, l[2] = n2, l[3] = n3;
        prev = (n0 + 2 * n1 + 2 * n2 + n3) / 6;
        if (i + 1 >= p) out[i] = prev;
    }
    return out;
}

Series ref_laguerre_rsi(const Vec& x, double gamma) {
    Series out;
    double l[4] = {x[0], x[0], x[0], x[0]};
    out.push_back(50.0);
    for (std::size_t i = 1; i < x.size(); ++i) {
        if (same(x[i], l[0]) && same(x[i], l[1]) && same(x[i], l[2]) && same(x[i], l[3])) {
            out.push_back(50.0);
            continue;
        }
        double n0 = (1 - gamma) * x[i] + gamma * l[0];
        double n1 = gamma * l[1] + (l[0] - gamma * n0), n2 = gamma * l[2] + (l[1] - gamma * n1);
        double n3 = gamma * l[3] + (l[2] - gamma * n2);
        l[0] = n0, l[1] = n1, l[2] = n2, l[3] = n3;
        double cu = 0, cd = 0;
        for (int k = 0; k < 3; ++k) (l[k] >= l[k + 1] ? cu : cd) += std::fabs(l[k] - l[k + 1]);
        out.push_back(cu + cd > 0 ? clamp(100 * cu / (cu + cd), 0, 100) : 50.0);
    }
    return out;
}

Series ref_center_of_gravity(const Vec& x, std::size_t p) {
    Series out(x.size());
    for (std::size_t i = p - 1; i < x.size(); ++i) {
        bool flat = true;
        double num = 0, den = 0;
        for (std::size_t k = 0; k < p; ++k) {
            flat = flat && same(x[i - k], x[i]);
            num += (k + 1.0) * x[i - k];
            den += x[i - k];
        }
        // A sum that overflows gives no value where it is read; closes summing to (nearly) zero
        // give 0 without reading the weighted sum.
        if (flat || (std::isfinite(den) && std::fabs(den) <= 2.220446049250313e-16))
            out[i] = 0.0;
        else if (std::isfinite(num) && std::isfinite(den))
            out[i] = (p + 1.0) / 2 - num / den;
    }
    return out;
}

std::pair<double, double> extremes(const Vec& v, std::size_t last, std::size_t n) {
    auto b = v.begin() + static_cast<std::ptrdiff_t>(last + 1 - n), e = v.begin() + static_cast<std::ptrdiff_t>(last + 1);
    return {*std::max_element(b, e), *std::min_element(b, e)};
}

Series ref_fisher(const Vec& x, std::size_t p) {
    Series out(x.size());
    double v = 0, prev = 0;
    for (std::size_t i = p - 1; i < x.size(); ++i) {
        auto [hi, lo] = extremes(x, i, p);
        double n = hi - lo > 0 ? std::fma(2, (x[i] - lo) / (hi - lo), -1) : 0;
        if (!std::isfinite(n)) continue;  // no value; the smoothing stays
        v = clamp(std::fma(0.33, n, 0.67 * v), -0.999, 0.999);
        prev = 0.5 * std::log((1 + v) / (1 - v)) + 0.5 * prev;
        out[i] = prev;
    }
    return out;
}

Series ref_ehlers_stochastic(const Vec& x, std::size_t p) {
    // A roofed value that overflows never joins the window.
    Series roofed = rejecting_overflow(x, [](const Vec& v) { return lift(ref_smoother(ref_highpass1(v, 48), 10)); });
    Vec r;
    Series out(x.size());
    std::optional<double> prev;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (!roofed[i]) continue;
        r.push_back(*roofed[i]);
        if (r.size() < p) continue;
        auto [hi, lo] = extremes(r, r.size() - 1, p);
        double s = hi - lo > 0 ? 2 * (r.back() - lo) / (hi - lo) - 1 : 0;
        if (!std::isfinite(s)) continue;  // no value; not kept as the previous placement
        out[i] = prev ? mid(s, *prev) : s;
        prev = s;
    }
    return out;
}

Series ref_even_better_sinewave(const Vec& x, double d, double s) {
    double w = 6.283185307179586 / d, a1 = (1 - std::sin(w)) / std::cos(w);
    Vec hp(x.size(), 0.0);
    for (std::size_t i = 1; i < x.size(); ++i) hp[i] = a1 * hp[i - 1] + (x[i] - x[i - 1]) * mid(a1, 1);
    Vec f = ref_smoother(hp, s);
    Series out(x.size());
    for (std::size_t i = 2; i < x.size(); ++i) {
        double wave = (f[i] + f[i - 1] + f[i - 2]) / 3;
        double power = (f[i] * f[i] + f[i - 1] * f[i - 1] + f[i - 2] * f[i - 2]) / 3;
        out[i] = power > 0 ? clamp(wave / std::sqrt(power), -1, 1) : 0.0;
    }
    return out;
}

// The plain mean of the last 2p band-pass values (the type keeps a running sum).
Series ref_emd(const Vec& x, std::size_t p) {
    Vec b = ref_bandpass(x, static_cast<double>(p), 1.2566370614359172 / static_cast<double>(p));
    Series out(x.size());
    for (std::size_t i = std::max<std::size_t>(2 * p, 50) - 1; i < x.size(); ++i) {
        double sum = 0;
        for (std::size_t k = 0; k < 2 * p; ++k) sum += b[i - k];
        out[i] = sum / (2.0 * p);
    }
    return out;
}

// ------------------------------------------------------------------ harness

const test::ClosesCase& data() {
    static const test::ClosesCase d(test::varied_closes(kBars, 42, true), kBars);
    return d;
}
Vec constant(double c, std::size_t n = 60) { return Vec(n, c); }

// ------------------------------------------------------------------ the types

TEST(DigitalFilterTest, HighpassDecyclerAndOscillator) {
    for (std::size_t p : {1u, 2u, 3u, 10u, 48u}) {
        SCOPED_TRACE(p);
        // Periods 1 and 2 make an unstable filter that overflows within the series.
        auto highpass = [p](const Vec& x) { return lift(ref_highpass2(x, static_cast<double>(p))); };
        auto decycler = [p](const Vec& x) {
            Vec h = ref_highpass2(x, static_cast<double>(p));
            for (std::size_t i = 0; i < h.size(); ++i) h[i] = x[i] - h[i];
            return lift(h);
        };
        data().expect_near(*HighpassFilter::create(p), rejecting_overflow(data().finite(), highpass));
        data().expect_near(*Decycler::create(p), rejecting_overflow(data().finite(), decycler));
        data().expect_warmup_matches(*HighpassFilter::create(p));
        data().expect_warmup_matches(*Decycler::create(p));
    }
    for (auto [f, s] : {std::pair<std::size_t, std::size_t>{1, 2}, {5, 20}, {10, 60}}) {
        auto oscillator = [f, s](const Vec& x) {
            Vec hf = ref_highpass2(x, static_cast<double>(f)), hs = ref_highpass2(x, static_cast<double>(s));
            Vec v(x.size());
            for (std::size_t i = 0; i < v.size(); ++i) v[i] = (x[i] - hf[i]) - (x[i] - hs[i]);
            return lift(v);
        };
        data().expect_near(*DecyclerOscillator::create(f, s), rejecting_overflow(data().finite(), oscillator));
        data().expect_warmup_matches(*DecyclerOscillator::create(f, s));
    }
}

TEST(DigitalFilterTest, SuperSmootherRoofingAndBandpass) {
    for (std::size_t p : {1u, 2u, 3u, 10u, 40u}) {
        SCOPED_TRACE(p);
        data().expect_near(*SuperSmoother::create(p), lift(ref_smoother(data().finite(), static_cast<double>(p))));
        data().expect_warmup_matches(*SuperSmoother::create(p));
    }
    for (auto [lp, hp] : {std::pair<std::size_t, std::size_t>{1, 2}, {10, 48}, {20, 125}}) {
        SCOPED_TRACE(lp);
        Vec r = ref_smoother(ref_highpass1(data().finite(), static_cast<double>(hp)), static_cast<double>(lp));
        data().expect_near(*RoofingFilter::create(lp, hp), lift(r));
        data().expect_warmup_matches(*RoofingFilter::create(lp, hp));
    }
    for (auto [p, bw] : {std::pair<std::size_t, double>{2, 0.3}, {10, 0.5}, {20, 0.1}, {40, 0.05}}) {
        SCOPED_TRACE(p);
        double angle = bw * 12.566370614359172 / static_cast<double>(p);
        auto bandpass = [p, angle](const Vec& x) { return lift(ref_bandpass(x, static_cast<double>(p), angle)); };
        data().expect_near(*BandpassFilter::create(p, bw), rejecting_overflow(data().finite(), bandpass));
        data().expect_warmup_matches(*BandpassFilter::create(p, bw));
    }
}

TEST(DigitalFilterTest, CoefficientsOfTheEmbeddedRoofingFilter) {
    RoofingFilter r(10, 48);
    EXPECT_NEAR(r.smoother().c1(), 0.2531948016118099, 1e-15);
    EXPECT_NEAR(r.smoother().c2(), 1.1580458998309644, 1e-15);
    EXPECT_NEAR(r.smoother().c3(), -0.4112407014427743, 1e-15);
    EXPECT_NEAR(r.highpass().alpha(), 0.1230235370072432, 1e-15);
}

TEST(DigitalFilterTest, TrendlineAndCyberneticCycle) {
    for (std::size_t p : {1u, 2u, 7u, 20u}) {
        SCOPED_TRACE(p);
        data().expect_exact(*InstantaneousTrendline::create(p), lift(ref_instantaneous_trendline(data().finite(), p)));
        data().expect_exact(*CyberneticCycle::create(p), lift(ref_cybernetic_cycle(data().finite(), p)));
        data().expect_warmup_matches(*InstantaneousTrendline::create(p));
        data().expect_warmup_matches(*CyberneticCycle::create(p));
    }
    // Four-point average for closes 1 to 6 (a missing earlier close counts as the current
    // one), then the recursion.
    Vec line = {1, 2, 3, 4, 5, 6, 7, 8};
    Series it = run_on(*InstantaneousTrendline::create(3), line);
    EXPECT_EQ(it[0], 1.0);
    EXPECT_EQ(it[1], (2 + 2 * 1 + 2) / 4.0);
    EXPECT_EQ(it[5], (6 + 2 * 5 + 4) / 4.0);
    EXPECT_EQ(it[6], lift(ref_instantaneous_trendline(line, 3))[6]);
    Series cc = run_on(*CyberneticCycle::create(3), Vec{4, 9, 1});
    EXPECT_EQ(cc[0], 0.0);
    EXPECT_EQ(cc[1], (9 - 2 * 4 + 9) / 4.0);
}

TEST(DigitalFilterTest, TrendflexAndReflex) {
    for (std::size_t p : {1u, 2u, 5u, 20u}) {
        SCOPED_TRACE(p);
        data().expect_near(*Trendflex::create(p), ref_flex(data().finite(), p, false));
        data().expect_near(*Reflex::create(p), ref_flex(data().finite(), p, true));
        data().expect_warmup_matches(*Trendflex::create(p));
        data().expect_warmup_matches(*Reflex::create(p));
    }
}

TEST(DigitalFilterTest, UniversalOscillator) {
    for (std::size_t p : {1u, 2u, 20u}) {
        SCOPED_TRACE(p);
        data().expect_near(*UniversalOscillator::create(p),
                           ref_universal_oscillator(data().finite(), static_cast<double>(p)));
        data().expect_warmup_matches(*UniversalOscillator::create(p));
    }
    for (const auto& v : run_on(*UniversalOscillator::create(10), data().closes())) {
        if (v) {
            EXPECT_TRUE(*v >= -1 && *v <= 1);
        }
    }
}

TEST(DigitalFilterTest, AdaptiveLaguerreFilter) {
    for (std::size_t p : {1u, 2u, 5u, 13u, 40u}) {
        SCOPED_TRACE(p);
        data().expect_exact(*AdaptiveLaguerreFilter::create(p), ref_adaptive_laguerre(data().finite(), p));
        data().expect_warmup_matches(*AdaptiveLaguerreFilter::create(p));
    }
    // A close near the filter right after a jump puts an even count of unlike distances in
    // the median early on.
    Vec early = {10, 20, 12, 13, 30, 11, 12, 12.5, 40, 5, 6, 7, 30, 31, 2};
    test::expect_series_exact(run_on(*AdaptiveLaguerreFilter::create(4), early), ref_adaptive_laguerre(early, 4));
    // Period 1: alpha stays 1 and the value is the four-close weighted mean, earlier closes
    // counting as the first.
    Vec xs = {3, 7, 2, 11, 5};
    Series s = run_on(*AdaptiveLaguerreFilter::create(1), xs);
    EXPECT_EQ(s[0], (3 + 2 * 3 + 2 * 3 + 3) / 6.0);
    EXPECT_EQ(s[1], (7 + 2 * 3 + 2 * 3 + 3) / 6.0);
    EXPECT_EQ(s[4], (5 + 2 * 11 + 2 * 2 + 7) / 6.0);
}

TEST(DigitalFilterTest, LaguerreRsi) {
    for (double gamma : {0.0, 0.2, 0.5, 0.8, 1.0}) {
        SCOPED_TRACE(gamma);
        data().expect_exact(*LaguerreRsi::create(gamma), ref_laguerre_rsi(data().finite(), gamma));
        data().expect_warmup_matches(*LaguerreRsi::create(gamma));
    }
    // gamma 0: the elements are the last four closes.
    Series s = run_on(*LaguerreRsi::create(0), Vec{5, 6, 4, 7, 8});
    EXPECT_EQ(s[0], 50.0);
    EXPECT_EQ(s[4], 100.0 * (1 + 3) / (1 + 3 + 2));  // 8-7 up, 7-4 up, 4-6 down
}

TEST(DigitalFilterTest, CenterOfGravity) {
    for (std::size_t p : {1u, 2u, 3u, 10u, 31u}) {
        SCOPED_TRACE(p);
        data().expect_exact(*CenterOfGravity::create(p), ref_center_of_gravity(data().finite(), p));
        data().expect_warmup_matches(*CenterOfGravity::create(p));
    }
    // Closes summing to less than the smallest sum give 0.
    Series s = run_on(*CenterOfGravity::create(2), Vec{1, -1, 2});
    EXPECT_EQ(s[1], 0.0);
    EXPECT_EQ(s[2], 1.5 - (2 + 2 * -1.0) / (2 + -1.0));
    // However large their weighted sum: -kBig + 2 * kBig overflows, yet the closes sum to 0. A
    // sum that is read and overflows gives none (the weighted sum, then the sum of the closes,
    // then the weighted sum again), and the window moves on.
    Series h = run_on(*CenterOfGravity::create(2), Vec{kBig, -kBig, kBig / 2, kBig, 1, 3});
    EXPECT_EQ(h[1], 0.0);
    EXPECT_FALSE(h[2]);
    EXPECT_FALSE(h[3]);
    EXPECT_FALSE(h[4]);
    EXPECT_EQ(h[5], 1.5 - (3 + 2 * 1.0) / (3 + 1.0));
}

TEST(DigitalFilterTest, FisherAndInverseFisher) {
    for (std::size_t p : {1u, 2u, 9u, 30u}) {
        SCOPED_TRACE(p);
        data().expect_near(*FisherTransform::create(p), ref_fisher(data().finite(), p));
        data().expect_warmup_matches(*FisherTransform::create(p));
    }
    for (double scale : {0.01, 1.0, 3.5}) {
        Vec t;
        for (double x : data().finite()) t.push_back(std::tanh(x * scale));
        data().expect_near(*InverseFisherTransform::create(scale), lift(t));
        data().expect_warmup_matches(*InverseFisherTransform::create(scale));
    }
    auto ift = *InverseFisherTransform::create(1e300);
    EXPECT_EQ(ift.update_value(1e300), 1.0);
    EXPECT_EQ(ift.update_value(-5), -1.0);
    EXPECT_EQ(ift.update_value(0), 0.0);
}

TEST(DigitalFilterTest, EhlersStochastic) {
    for (std::size_t p : {1u, 2u, 14u, 40u}) {
        SCOPED_TRACE(p);
        data().expect_near(*EhlersStochastic::create(p), ref_ehlers_stochastic(data().finite(), p));
        data().expect_warmup_matches(*EhlersStochastic::create(p));
    }
}

TEST(DigitalFilterTest, EvenBetterSinewave) {
    for (auto [d, s] : {std::pair<std::size_t, std::size_t>{1, 1}, {4, 3}, {40, 10}, {100000000, 2}}) {
        SCOPED_TRACE(d);
        data().expect_near(*EvenBetterSinewave::create(d, s),
                           ref_even_better_sinewave(data().finite(), static_cast<double>(d), static_cast<double>(s)));
        data().expect_warmup_matches(*EvenBetterSinewave::create(d, s));
    }
}

TEST(DigitalFilterTest, EmpiricalModeDecomposition) {
    for (std::size_t p : {1u, 10u, 20u, 30u, 60u}) {
        SCOPED_TRACE(p);
        data().expect_near(*EmpiricalModeDecomposition::create(p, 0.5), ref_emd(data().finite(), p));
        data().expect_warmup_matches(*EmpiricalModeDecomposition::create(p, 0.5));
    }
    EXPECT_EQ(EmpiricalModeDecomposition::create(10, 1)->warmup_period(), 50u);
    EXPECT_EQ(EmpiricalModeDecomposition::create(30, 1)->warmup_period(), 60u);
    // Peaks and valleys: the middle of three band-pass values above (below) both neighbours.
    auto emd = *EmpiricalModeDecomposition::create(8, 0.3);
    Vec b = ref_bandpass(data().finite(), 8, 1.2566370614359172 / 8);
    double peak = 0, valley = 0;
    for (std::size_t i = 0; i < data().finite().size(); ++i) {
        (void)emd.update_value(data().finite()[i]);
        double b1 = i >= 1 ? b[i - 1] : 0, b2 = i >= 2 ? b[i - 2] : 0;
        if (b1 > b[i] && b1 > b2) peak = b1;
        if (b1 < b[i] && b1 < b2) valley = b1;
        ASSERT_NEAR(emd.peak(), peak, 1e-12) << i;
        ASSERT_NEAR(emd.valley(), valley, 1e-12) << i;
    }
    EXPECT_EQ(emd.fraction(), 0.3);
}

// ------------------------------------------------------------------ edge cases

TEST(DigitalFilterTest, FirstClosesOfTheRecursiveFilters) {
    Vec xs = {10, 12, 9, 14};
    for (const Series& s : {run_on(*HighpassFilter::create(10), xs), run_on(*BandpassFilter::create(10, 0.3), xs),
                            run_on(*DecyclerOscillator::create(5, 10), xs)}) {
        EXPECT_EQ(s[0], 0.0);
        EXPECT_EQ(s[1], 0.0);
        EXPECT_NE(s[2], 0.0);
    }
    for (const Series& s : {run_on(*Decycler::create(10), xs), run_on(*SuperSmoother::create(10), xs)}) {
        EXPECT_EQ(s[0], 10.0);
        EXPECT_EQ(s[1], 12.0);
    }
    EXPECT_EQ(run_on(*RoofingFilter::create(10, 48), xs)[0], 0.0);
    for (const Series& s : {run_on(*UniversalOscillator::create(10), xs), run_on(*EvenBetterSinewave::create(10, 5), xs)}) {
        EXPECT_FALSE(s[0]);
        EXPECT_FALSE(s[1]);
        EXPECT_TRUE(s[2]);
    }
    // Period 1: the flex window holds two values and the first value comes with the second close.
    EXPECT_EQ(test::first_value_bar(run_on(*Trendflex::create(1), xs)), 2u);
    EXPECT_EQ(test::first_value_bar(run_on(*Reflex::create(1), xs)), 2u);
}

TEST(DigitalFilterTest, ConstantSeriesGiveTheirPromisedValuesExactly) {
    // Values whose plain sums leave a rounding residue.
    for (double c : {103.25, 0.1, 7.3, 1234.5678, -2.7}) {
        SCOPED_TRACE(c);
        auto all = [&](const Series& s, double want) {
            for (std::size_t i = 0; i < s.size(); ++i)
                if (s[i]) {
                    ASSERT_TRUE(same(*s[i], want)) << i << ": " << *s[i];
                }
        };
        Vec xs = constant(c);
        for (std::size_t p : {1u, 3u, 10u, 20u}) {
            all(run_on(*HighpassFilter::create(p), xs), 0.0);
            all(run_on(*BandpassFilter::create(p, 0.3), xs), 0.0);
            all(run_on(*SuperSmoother::create(p), xs), c);
            all(run_on(*Decycler::create(p), xs), c);
            all(run_on(*FisherTransform::create(p), xs), 0.0);
            all(run_on(*EhlersStochastic::create(p), xs), 0.0);
            all(run_on(*CenterOfGravity::create(p), xs), 0.0);
            all(run_on(*Trendflex::create(p), xs), 0.0);
            all(run_on(*Reflex::create(p), xs), 0.0);
            all(run_on(*UniversalOscillator::create(p), xs), 0.0);
        }
        for (double gamma : {0.1, 0.3, 0.7, 0.9}) all(run_on(*LaguerreRsi::create(gamma), xs), 50.0);
        all(run_on(*EmpiricalModeDecomposition::create(10, 0.5), constant(c, 120)), 0.0);
    }
    // A flat stretch after varied closes: the centre of gravity is exactly 0 once the window
    // is flat.
    Vec xs = test::varied_closes(60, 5, false);
    for (int i = 0; i < 12; ++i) xs.push_back(0.1);
    EXPECT_EQ(run_on(*CenterOfGravity::create(10), xs).back(), 0.0);
}

TEST(DigitalFilterTest, AConstantBandpassWindowGivesItsValueExactly) {
    // Period 1 settles the band-pass on a constant after the closes go flat; the running sum
    // still carries the rounding of the values it has dropped, the mean does not.
    Vec xs = test::varied_closes(80, 11, false);
    for (int i = 0; i < 300; ++i) xs.push_back(50.0);
    Vec b = ref_bandpass(xs, 1, 1.2566370614359172);
    ASSERT_TRUE(same(b[b.size() - 1], b[b.size() - 2]));
    Series s = run_on(*EmpiricalModeDecomposition::create(1, 1), xs);
    ASSERT_TRUE(s.back());
    EXPECT_TRUE(same(*s.back(), b.back())) << *s.back() << " vs " << b.back();
}

TEST(DigitalFilterTest, NonFiniteClosesChangeNothing) {
    // Covered bar by bar above (the varied series has NaN and infinite closes); here the
    // first close itself is rejected.
    auto s = *SuperSmoother::create(3);
    EXPECT_FALSE(s.update_value(kNaN));
    EXPECT_EQ(s.update_value(5), 5.0);
    auto l = *LaguerreRsi::create(0.5);
    EXPECT_FALSE(l.update_value(-std::numeric_limits<double>::infinity()));
    EXPECT_EQ(l.update_value(5), 50.0);
}

TEST(DigitalFilterTest, LongWindowsOverShortSeriesStaySmall) {
    const std::uint64_t max = 16'777'216;
    auto cog = *CenterOfGravity::create(max);
    auto fisher = *FisherTransform::create(max);
    auto stoch = *EhlersStochastic::create(max);
    auto alf = *AdaptiveLaguerreFilter::create(max);
    auto emd = *EmpiricalModeDecomposition::create(max, 1);
    auto flex = *Trendflex::create(max);
    auto reflex = *Reflex::create(max);
    Vec xs = test::varied_closes(500, 3, false);
    for (double x : xs) {
        EXPECT_FALSE(cog.update_value(x));
        EXPECT_FALSE(fisher.update_value(x));
        EXPECT_FALSE(stoch.update_value(x));
        EXPECT_FALSE(alf.update_value(x));
        EXPECT_FALSE(emd.update_value(x));
        EXPECT_FALSE(flex.update_value(x));
        EXPECT_FALSE(reflex.update_value(x));
    }
    for (std::size_t storage : {cog.storage(), fisher.storage(), stoch.storage(), alf.storage(), emd.storage(),
                                flex.storage(), reflex.storage()})
        EXPECT_LE(storage, 1024u);
    EXPECT_EQ(emd.warmup_period(), 2 * max);
    EXPECT_EQ(flex.warmup_period(), max + 1);
}

// ------------------------------------------------------------------ steps that overflow

// Closes near the largest double make differences, sums and recursions overflow. Every value
// given stays finite, and a bar that gives none after the warm-up leaves the state as it was:
// dropping those bars from the series gives the same values on the others.
Vec hostile_closes() {
    Vec xs = test::varied_closes(120, 21, false);
    for (double x : {kBig, -kBig, kBig, 100.0, -kBig, 1e308, -1e308, kNaN, 8e307, -8e307, 101.0}) xs.push_back(x);
    for (double x : {kBig, -kBig})
        for (int i = 0; i < 6; ++i) xs.push_back(x);
    Vec tail = test::varied_closes(150, 22, false);
    xs.insert(xs.end(), tail.begin(), tail.end());
    return xs;
}

template <class State>
void expect_rejections_change_nothing(const char* name, const State& fresh, bool rejects = true) {
    SCOPED_TRACE(name);
    Vec xs = hostile_closes();
    State s = fresh;
    Series out = test::run(s, xs);
    Vec kept;
    Series kept_out;
    std::size_t rejected = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (out[i]) {
            EXPECT_TRUE(std::isfinite(*out[i])) << i;
        }
        // The warm-up is over long before the first hostile close.
        if (i >= 100 && std::isfinite(xs[i]) && !out[i]) {
            ++rejected;
            continue;
        }
        kept.push_back(xs[i]);
        kept_out.push_back(out[i]);
    }
    State again = fresh;
    test::expect_series_exact(test::run(again, kept), kept_out);
    if (rejects) {
        EXPECT_GT(rejected, 0u);
    }
}

TEST(DigitalFilterTest, StepsThatOverflowGiveNothingAndChangeNothing) {
    expect_rejections_change_nothing("HighpassFilter", *HighpassFilter::create(10));
    expect_rejections_change_nothing("SuperSmoother", *SuperSmoother::create(10));
    expect_rejections_change_nothing("RoofingFilter", *RoofingFilter::create(10, 48));
    expect_rejections_change_nothing("BandpassFilter", *BandpassFilter::create(10, 0.3));
    expect_rejections_change_nothing("Decycler", *Decycler::create(10));
    expect_rejections_change_nothing("DecyclerOscillator", *DecyclerOscillator::create(5, 20));
    expect_rejections_change_nothing("InstantaneousTrendline", *InstantaneousTrendline::create(10));
    expect_rejections_change_nothing("CyberneticCycle", *CyberneticCycle::create(10));
    expect_rejections_change_nothing("Trendflex", *Trendflex::create(10));
    expect_rejections_change_nothing("Reflex", *Reflex::create(10));
    // Half a two-bar change that does not overflow stays below the largest double once smoothed.
    expect_rejections_change_nothing("UniversalOscillator", *UniversalOscillator::create(10), false);
    expect_rejections_change_nothing("AdaptiveLaguerreFilter", *AdaptiveLaguerreFilter::create(10));
    expect_rejections_change_nothing("LaguerreRsi", *LaguerreRsi::create(0.5));
    expect_rejections_change_nothing("InverseFisherTransform", *InverseFisherTransform::create(1), false);
    expect_rejections_change_nothing("EvenBetterSinewave", *EvenBetterSinewave::create(10, 5));
    expect_rejections_change_nothing("EmpiricalModeDecomposition", *EmpiricalModeDecomposition::create(10, 0.5));
}

TEST(DigitalFilterTest, WindowsMoveOnPastPlacementsThatOverflow) {
    // The windowed types give no value while huge closes make their sums or placements
    // overflow, and values again once those closes have left the window.
    Vec xs = hostile_closes();
    Vec ok = test::accepted(xs);
    auto check = [&](const Series& got, const Series& want, std::size_t window) {
        test::expect_series_near(got, test::on_bars(xs, want), 1e-12);
        std::size_t missing = 0;
        for (std::size_t i = 0; i < xs.size(); ++i) missing += std::isfinite(xs[i]) && i >= 100 && !got[i];
        EXPECT_GT(missing, 0u);
        for (std::size_t i = xs.size() - 150 + window; i < xs.size(); ++i) EXPECT_TRUE(got[i]) << i;
    };
    check(run_on(*CenterOfGravity::create(10), xs), ref_center_of_gravity(ok, 10), 10);
    check(run_on(*FisherTransform::create(10), xs), ref_fisher(ok, 10), 10);
    check(run_on(*EhlersStochastic::create(10), xs), ref_ehlers_stochastic(ok, 10), 60);
}

TEST(DigitalFilterTest, AnOverflowingTwoBarChangeRepeatsTheLastOscillatorValue) {
    auto uo = *UniversalOscillator::create(10);
    EXPECT_FALSE(uo.update_value(-kBig));
    EXPECT_FALSE(uo.update_value(0));
    EXPECT_FALSE(uo.update_value(kBig));  // no value yet to repeat
    EXPECT_EQ(uo.update_value(1), 1.0);
    EXPECT_EQ(uo.update_value(-kBig), 1.0);  // repeated; the close still enters the history
    EXPECT_EQ(uo.update_value(3), 1.0);     // (3 - 1) / 2 passes the smoother unchanged
    auto v = uo.update_value(4);            // (4 + kBig) / 2, the history holds -kBig
    ASSERT_TRUE(v);
    EXPECT_TRUE(*v >= -1 && *v <= 1);
}

}  // namespace
}  // namespace prynox
