// The digital filters, built through the registry, against plain recomputations of their
// definitions: one reference per formula and one table of types and parameters, run on a varied
// series with rejected bars and on closes near the largest double, whose overflowing steps give
// no value and change nothing. Then the values promised for flat series, the first values the
// definitions spell out, and windows far longer than the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/digital_filters/adaptive_laguerre_filter.hpp"
#include "indicators/digital_filters/bandpass_filter.hpp"
#include "indicators/digital_filters/center_of_gravity.hpp"
#include "indicators/digital_filters/ehlers_stochastic.hpp"
#include "indicators/digital_filters/empirical_mode_decomposition.hpp"
#include "indicators/digital_filters/fisher_transform.hpp"
#include "indicators/digital_filters/inverse_fisher_transform.hpp"
#include "indicators/digital_filters/laguerre_rsi.hpp"
#include "indicators/digital_filters/reflex.hpp"
#include "indicators/digital_filters/trendflex.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::run_built;
using test::same_bits;
using test::Series;
using Vec = std::vector<double>;
using Params = std::vector<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kBig = 1.7e308;
// A reference's mark for an input the type refuses: a step beyond the double range.
const std::optional<double> kRefused = kNaN;

// ------------------------------------------------------------------ building blocks
// Plain recurrences over the accepted closes, indexed by input.

double mid(double a, double b) {
    const double half_max = std::numeric_limits<double>::max() / 2;
    return std::fabs(a) > half_max || std::fabs(b) > half_max ? a / 2 + b / 2 : (a + b) / 2;
}

Series lift(const Vec& v) { return Series(v.begin(), v.end()); }

// Two-pole high-pass on 0.707 * 2 pi / p.
Vec highpass2(const Vec& x, double p) {
    double t = 4.442212012175967 / p, a = (std::cos(t) + std::sin(t) - 1) / std::cos(t);
    Vec h(x.size(), 0.0);
    for (std::size_t i = 2; i < x.size(); ++i)
        h[i] = (1 - a / 2) * (1 - a / 2) * (x[i] - 2 * x[i - 1] + x[i - 2]) + 2 * (1 - a) * h[i - 1] -
               (1 - a) * (1 - a) * h[i - 2];
    return h;
}

// One-pole high-pass on 2 pi / p.
Vec highpass1(const Vec& x, double p) {
    double w = 6.283185307179586 / p, a = (std::cos(w) + std::sin(w) - 1) / std::cos(w);
    Vec h(x.size(), 0.0);
    for (std::size_t i = 1; i < x.size(); ++i) h[i] = (1 - a / 2) * (x[i] - x[i - 1]) + (1 - a) * h[i - 1];
    return h;
}

// Super smoother on sqrt(2) pi / length; a constant input over a constant history stays put.
Vec smoother(const Vec& u, double length) {
    double t = 4.442882938158366 / length, a = std::exp(-t), c2 = 2 * a * std::cos(t), c3 = -(a * a);
    Vec f(u);
    for (std::size_t i = 2; i < u.size(); ++i) {
        bool flat = same_bits(u[i], u[i - 1]) && same_bits(u[i], f[i - 1]) && same_bits(u[i], f[i - 2]);
        f[i] = flat ? u[i] : (1 - c2 - c3) * mid(u[i], u[i - 1]) + c2 * f[i - 1] + c3 * f[i - 2];
    }
    return f;
}

Vec bandpass(const Vec& x, double p, double width_angle) {
    double beta = std::cos(6.283185307179586 / p), g = 1 / std::cos(width_angle), a = g - std::sqrt(g * g - 1);
    Vec b(x.size(), 0.0);
    for (std::size_t i = 2; i < x.size(); ++i)
        b[i] = 0.5 * (1 - a) * (x[i] - x[i - 2]) + beta * (1 + a) * b[i - 1] - a * b[i - 2];
    return b;
}

// Largest and smallest of the n values ending at `last`.
std::pair<double, double> extremes(const Vec& v, std::size_t last, std::size_t n) {
    auto [lo, hi] = std::minmax_element(v.begin() + static_cast<long>(last + 1 - n), v.begin() + static_cast<long>(last) + 1);
    return {*hi, *lo};
}

// The outputs of `ref` over the bars, none on a rejected bar, and every refused input dropped
// as if it had never come: runs `ref` on the kept inputs, drops the first it marks refused, and
// again, until none is.
template <class Ref>
Series without_refused(const Vec& xs, Ref ref) {
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (std::isfinite(xs[i])) kept.push_back(i);
    for (;;) {
        Vec in;
        for (std::size_t i : kept) in.push_back(xs[i]);
        Series r = ref(in), out(xs.size());
        auto bad = std::find_if(r.begin(), r.end(), [](const auto& v) { return v && !std::isfinite(*v); });
        if (bad == r.end()) {
            for (std::size_t j = 0; j < kept.size(); ++j) out[kept[j]] = r[j];
            return out;
        }
        kept.erase(kept.begin() + (bad - r.begin()));
    }
}

// ------------------------------------------------------------------ one reference per formula

Series highpass(const Vec& x, const Params& p) { return lift(highpass2(x, p[0])); }

Vec minus(Vec a, const Vec& b) {
    for (std::size_t i = 0; i < a.size(); ++i) a[i] -= b[i];
    return a;
}
Series decycler(const Vec& x, const Params& p) { return lift(minus(x, highpass2(x, p[0]))); }
Series decycler_oscillator(const Vec& x, const Params& p) {
    return lift(minus(minus(x, highpass2(x, p[0])), minus(x, highpass2(x, p[1]))));
}

Series super_smoother(const Vec& x, const Params& p) { return lift(smoother(x, p[0])); }
Series roofing(const Vec& x, const Params& p) { return lift(smoother(highpass1(x, p[1]), p[0])); }
Series band(const Vec& x, const Params& p) { return lift(bandpass(x, p[0], p[1] * 12.566370614359172 / p[0])); }

Series inverse_fisher(const Vec& x, const Params& p) {
    Series t;
    for (double v : x) t.push_back(std::tanh(v * p[0]));
    return t;
}

Series trendline(const Vec& x, const Params& p) {
    double a = 2 / (p[0] + 1);
    Vec it(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        double p1 = x[i > 0 ? i - 1 : i], p2 = x[i > 1 ? i - 2 : i];  // the close itself before the first
        it[i] = i < 6 ? (x[i] + 2 * p1 + p2) / 4
                      : (a - a * a / 4) * x[i] + (a * a / 2) * p1 - (a - 0.75 * (a * a)) * p2 + 2 * (1 - a) * it[i - 1] -
                            (1 - a) * (1 - a) * it[i - 2];
    }
    return lift(it);
}

Series cybernetic_cycle(const Vec& x, const Params& p) {
    double a = 2 / (p[0] + 1);
    Vec s(x.size()), c(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        s[i] = i >= 3 ? (x[i] + 2 * x[i - 1] + 2 * x[i - 2] + x[i - 3]) / 6 : x[i];
        c[i] = i < 2 ? (x[i] - 2 * x[i > 0 ? i - 1 : i] + x[i]) / 4
                     : (1 - a / 2) * (1 - a / 2) * (s[i] - 2 * s[i - 1] + s[i - 2]) + 2 * (1 - a) * c[i - 1] -
                           (1 - a) * (1 - a) * c[i - 2];
        if (!std::isfinite(s[i])) c[i] = kNaN;
    }
    return lift(c);
}

// Trendflex (reflex = false) and Reflex (reflex = true).
Series flex(const Vec& x, std::size_t p, bool reflex) {
    Vec f = smoother(x, 0.5 * static_cast<double>(p));
    double n = static_cast<double>(p), ms = 0;
    Series out(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (!std::isfinite(f[i]) || i < p) {
            out[i] = std::isfinite(f[i]) ? std::nullopt : kRefused;
            continue;
        }
        double slope = (f[i - p] - f[i]) / n, sum = 0;
        for (std::size_t k = 1; k <= p; ++k) sum += reflex ? f[i] + k * slope - f[i - k] : f[i] - f[i - k];
        sum /= n;
        ms = 0.96 * ms + sum * (sum * 0.04);
        out[i] = !std::isfinite(ms) ? kNaN : ms > 0 ? sum / std::sqrt(ms) : 0.0;
    }
    return out;
}
Series trendflex(const Vec& x, const Params& p) { return flex(x, static_cast<std::size_t>(p[0]), false); }
Series reflex(const Vec& x, const Params& p) { return flex(x, static_cast<std::size_t>(p[0]), true); }

// White noise that overflows repeats the last value (none before the first) and skips the smoother.
Series universal_oscillator(const Vec& x, const Params& p) {
    Vec w;
    std::vector<std::size_t> at;
    for (std::size_t i = 2; i < x.size(); ++i)
        if (std::isfinite((x[i] - x[i - 2]) * 0.5)) w.push_back((x[i] - x[i - 2]) * 0.5), at.push_back(i);
    Vec f = smoother(w, p[0]);
    Series out(x.size());
    double peak = 0;
    for (std::size_t i = 2, k = 0; i < x.size(); ++i) {
        if (k == at.size() || at[k] != i) {
            out[i] = out[i - 1];
            continue;
        }
        double v = f[k++];
        peak = std::max(std::fabs(v), 0.991 * peak);
        out[i] = !std::isfinite(v) ? kNaN : peak > 0 ? std::clamp(v / peak, -1.0, 1.0) : 0.0;
    }
    return out;
}

Series adaptive_laguerre(const Vec& x, const Params& params) {
    std::size_t p = static_cast<std::size_t>(params[0]);
    Series out(x.size());
    Vec d(x.size()), u;
    double l[4], alpha = 1, filt = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (i == 0) std::fill(l, l + 4, x[0]);
        d[i] = i == 0 ? 0 : std::fabs(x[i] - filt);
        if (!std::isfinite(d[i])) return out[i] = kRefused, out;
        auto [hi, lo] = extremes(d, i, std::min(i + 1, p));
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
        filt = (n0 + 2 * n1 + 2 * n2 + n3) / 6;
        if (i + 1 >= p || !std::isfinite(filt)) out[i] = filt;
    }
    return out;
}

// A sum or scaled sum of the moves beyond the double range refuses the close.
Series laguerre_rsi(const Vec& x, const Params& p) {
    double gamma = p[0], l[4] = {x[0], x[0], x[0], x[0]};
    Series out = {50.0};
    for (std::size_t i = 1; i < x.size(); ++i) {
        if (std::all_of(l, l + 4, [&](double e) { return same_bits(e, x[i]); })) {
            out.push_back(50.0);
            continue;
        }
        double n0 = (1 - gamma) * x[i] + gamma * l[0], n1 = gamma * l[1] + (l[0] - gamma * n0);
        double n2 = gamma * l[2] + (l[1] - gamma * n1), n3 = gamma * l[3] + (l[2] - gamma * n2);
        l[0] = n0, l[1] = n1, l[2] = n2, l[3] = n3;
        double cu = 0, cd = 0;
        for (int k = 0; k < 3; ++k) (l[k] >= l[k + 1] ? cu : cd) += std::fabs(l[k] - l[k + 1]);
        bool wide = !std::isfinite(100 * cu) || !std::isfinite(cu + cd);
        out.push_back(wide ? kRefused : cu + cd > 0 ? std::clamp(100 * cu / (cu + cd), 0.0, 100.0) : 50.0);
    }
    return out;
}

// A sum beyond the double range gives no value where it is read (closes summing to about 0 give
// 0 without reading the weighted sum); the window moves on.
Series center_of_gravity(const Vec& x, const Params& params) {
    std::size_t p = static_cast<std::size_t>(params[0]);
    Series out(x.size());
    for (std::size_t i = p - 1; i < x.size(); ++i) {
        double num = 0, den = 0;
        for (std::size_t k = 0; k < p; ++k) num += (k + 1.0) * x[i - k], den += x[i - k];
        if (std::all_of(x.begin() + static_cast<long>(i + 1 - p), x.begin() + static_cast<long>(i),
                        [&](double v) { return same_bits(v, x[i]); }))
            out[i] = 0.0;
        else if (std::isfinite(den) && std::fabs(den) <= 2.220446049250313e-16)
            out[i] = 0.0;
        else if (std::isfinite(num) && std::isfinite(den))
            out[i] = (p + 1.0) / 2 - num / den;
    }
    return out;
}

// A placement beyond the double range gives no value and leaves the smoothing; the window moves on.
Series fisher(const Vec& x, const Params& params) {
    std::size_t p = static_cast<std::size_t>(params[0]);
    Series out(x.size());
    double v = 0, prev = 0;
    for (std::size_t i = p - 1; i < x.size(); ++i) {
        auto [hi, lo] = extremes(x, i, p);
        double n = hi - lo > 0 ? std::fma(2, (x[i] - lo) / (hi - lo), -1) : 0;
        if (!std::isfinite(n)) continue;
        v = std::clamp(std::fma(0.33, n, 0.67 * v), -0.999, 0.999);
        out[i] = prev = 0.5 * std::log((1 + v) / (1 - v)) + 0.5 * prev;
    }
    return out;
}

// The close roofed with H = 48, L = 10; a roofed value that overflows never joins the window, and
// a placement that does gives no value and is not kept as the previous one.
Series ehlers_stochastic(const Vec& x, const Params& params) {
    std::size_t p = static_cast<std::size_t>(params[0]);
    Series roofed = without_refused(x, [](const Vec& v) { return roofing(v, {10, 48}); }), out(x.size());
    Vec r;
    std::optional<double> prev;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (!roofed[i]) continue;
        r.push_back(*roofed[i]);
        if (r.size() < p) continue;
        auto [hi, lo] = extremes(r, r.size() - 1, p);
        double s = hi - lo > 0 ? 2 * (r.back() - lo) / (hi - lo) - 1 : 0;
        if (std::isfinite(s)) out[i] = prev ? mid(s, *prev) : s, prev = s;
    }
    return out;
}

Series even_better_sinewave(const Vec& x, const Params& p) {
    double w = 6.283185307179586 / p[0], a1 = (1 - std::sin(w)) / std::cos(w);
    Vec hp(x.size(), 0.0);
    for (std::size_t i = 1; i < x.size(); ++i) hp[i] = a1 * hp[i - 1] + (x[i] - x[i - 1]) * mid(a1, 1);
    Vec f = smoother(hp, p[1]);
    Series out(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (!std::isfinite(f[i]) || i < 2) {
            out[i] = std::isfinite(f[i]) ? std::nullopt : kRefused;
            continue;
        }
        double wave = (f[i] + f[i - 1] + f[i - 2]) / 3, power = (f[i] * f[i] + f[i - 1] * f[i - 1] + f[i - 2] * f[i - 2]) / 3;
        out[i] = !std::isfinite(power) ? kNaN : power > 0 ? std::clamp(wave / std::sqrt(power), -1.0, 1.0) : 0.0;
    }
    return out;
}

// The mean of the last 2P band-pass values (bandwidth 0.1), exactly the value when they are
// equal. A close is refused when the sum the type keeps (the value pushed added, the value
// dropped subtracted) leaves the double range.
Series empirical_mode(const Vec& x, const Params& params) {
    std::size_t p = static_cast<std::size_t>(params[0]);
    Vec b = bandpass(x, params[0], 1.2566370614359172 / params[0]);
    Series out(x.size());
    double kept = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        kept = (kept + b[i]) - (i >= 2 * p ? b[i - 2 * p] : 0.0);
        double sum = 0;
        bool flat = true;
        for (std::size_t k = 0; k < std::min(i + 1, 2 * p); ++k) sum += b[i - k], flat = flat && same_bits(b[i - k], b[i]);
        if (!std::isfinite(kept))
            out[i] = kRefused;
        else if (i + 1 >= std::max<std::size_t>(2 * p, 50))
            out[i] = flat ? b[i] : sum / (2.0 * p);
    }
    return out;
}

// ------------------------------------------------------------------ the table

// exact: + - x / and sqrt in a fixed order from the closes.
struct Row { const char* type; Series (*ref)(const Vec&, const Params&); bool exact; std::vector<Params> params; };

// Periods 1 and 2 make unstable filters that overflow within the series.
const Row kRows[] = {
    {"HighpassFilter", highpass, false, {{1}, {2}, {3}, {10}, {48}}},
    {"Decycler", decycler, false, {{1}, {2}, {3}, {10}, {48}}},
    {"DecyclerOscillator", decycler_oscillator, false, {{1, 2}, {5, 20}, {10, 60}}},
    {"SuperSmoother", super_smoother, false, {{1}, {2}, {3}, {10}, {40}}},
    {"RoofingFilter", roofing, false, {{1, 2}, {10, 48}, {20, 125}}},
    {"BandpassFilter", band, false, {{2, 0.3}, {10, 0.5}, {20, 0.1}, {40, 0.05}}},
    {"InstantaneousTrendline", trendline, true, {{1}, {2}, {7}, {20}}},
    {"CyberneticCycle", cybernetic_cycle, true, {{1}, {2}, {7}, {20}}},
    {"Trendflex", trendflex, false, {{1}, {2}, {5}, {20}}},
    {"Reflex", reflex, false, {{1}, {2}, {5}, {20}}},
    {"UniversalOscillator", universal_oscillator, false, {{1}, {2}, {20}}},
    {"AdaptiveLaguerreFilter", adaptive_laguerre, true, {{1}, {2}, {5}, {13}, {40}}},
    {"LaguerreRsi", laguerre_rsi, true, {{0}, {0.2}, {0.5}, {0.8}, {1}}},
    {"CenterOfGravity", center_of_gravity, true, {{1}, {2}, {3}, {10}, {31}}},
    {"FisherTransform", fisher, false, {{1}, {2}, {9}, {30}}},
    {"InverseFisherTransform", inverse_fisher, false, {{0.01}, {1}, {3.5}}},
    {"EhlersStochastic", ehlers_stochastic, false, {{1}, {2}, {14}, {40}}},
    {"EvenBetterSinewave", even_better_sinewave, false, {{1, 1}, {4, 3}, {40, 10}, {100000000, 2}}},
    {"EmpiricalModeDecomposition", empirical_mode, false, {{1, 0.5}, {10, 0.5}, {20, 0.5}, {30, 0.5}, {60, 0.5}}},
};

std::string describe(const char* type, const Params& params) { return type + testing::PrintToString(params); }

// Closes near the largest double after a warm-up: differences, sums and recursions overflow.
Vec hostile() {
    Vec xs = test::varied_closes(120, 21, false);
    for (double x : {kBig, -kBig, kBig, 100.0, -kBig, 1e308, -1e308, kNaN, 8e307, -8e307, 101.0}) xs.push_back(x);
    xs.insert(xs.end(), 6, kBig);
    xs.insert(xs.end(), 6, -kBig);
    for (double x : test::varied_closes(150, 22, false)) xs.push_back(x);
    return xs;
}

TEST(DigitalFilterTest, TypesMatchTheirReferences) {
    // A rejected first close, closes summing to less than the smallest sum, then the varied walk
    // with its rejected bars; the hostile closes; a series that overflows from the start, before
    // there is a value to repeat. (The first values each definition spells out for the first
    // closes and for periods and gammas of 0 and 1 follow from the references.)
    Vec varied = test::varied_closes(400, 42, true);
    varied.insert(varied.begin(), {kNaN, 1, -1, 2});
    Vec start = {-kBig, 0, kBig, kBig, 1, -kBig, 3, 4, kBig, 5, -kBig};
    for (double x : test::varied_closes(60, 5, false)) start.push_back(x);
    const Vec series[] = {varied, hostile(), start};
    for (const Vec& xs : series) {
        for (const Row& row : kRows) {
            for (const Params& p : row.params) {
                // The decomposition's running sum keeps the rounding of the huge values it has
                // dropped: the plain mean is no reference after them (see the next test).
                if (&xs == &series[1] && row.ref == empirical_mode) continue;
                SCOPED_TRACE(describe(row.type, p));
                Series want = without_refused(xs, [&](const Vec& v) { return row.ref(v, p); });
                if (row.exact)
                    test::expect_series(run_built(row.type, p, xs), want);
                else
                    test::expect_series(run_built(row.type, p, xs), want, 1e-12);
            }
        }
    }
}

TEST(DigitalFilterTest, DecompositionRefusalsChangeNothing) {
    // The bars refused after the warm-up (by bar 100), dropped from the series, change nothing:
    // band-pass values and, over a window of two, sums beyond the double range.
    for (const Params& p : {Params{1, 0.5}, Params{10, 0.5}}) {
        Vec xs = hostile(), kept;
        Series got = run_built("EmpiricalModeDecomposition", p, xs), kept_values;
        for (std::size_t i = 0; i < xs.size(); ++i) {
            ASSERT_TRUE(!got[i] || std::isfinite(*got[i])) << i;
            if (i < 100 || !std::isfinite(xs[i]) || got[i]) kept.push_back(xs[i]), kept_values.push_back(got[i]);
        }
        EXPECT_LT(kept.size(), xs.size() - 5);
        test::expect_series(run_built("EmpiricalModeDecomposition", p, kept), kept_values);
    }
}

// ------------------------------------------------------------------ promised values

TEST(DigitalFilterTest, FlatSeriesGiveTheirPromisedValuesExactly) {
    // value NaN: the constant itself.
    struct Flat { std::vector<const char*> types; std::vector<Params> params; double value; };
    const std::vector<Params> periods = {{1}, {3}, {10}, {20}};
    const std::vector<Flat> flats = {
        {{"HighpassFilter", "FisherTransform", "EhlersStochastic", "CenterOfGravity", "Trendflex", "Reflex",
          "UniversalOscillator"}, periods, 0.0},
        {{"SuperSmoother", "Decycler"}, periods, kNaN},
        {{"BandpassFilter"}, {{1, 0.3}, {3, 0.3}, {10, 0.3}, {20, 0.3}}, 0.0},
        {{"LaguerreRsi"}, {{0.1}, {0.3}, {0.7}, {0.9}}, 50.0},
        {{"EmpiricalModeDecomposition"}, {{10, 0.5}}, 0.0},
    };
    // Values whose plain sums leave a rounding residue.
    for (double c : {103.25, 0.1, 7.3, 1234.5678, -2.7})
        for (const Flat& f : flats)
            for (const char* type : f.types)
                for (const Params& p : f.params)
                    for (const auto& v : run_built(type, p, Vec(120, c)))
                        ASSERT_TRUE(!v || same_bits(*v, std::isnan(f.value) ? c : f.value)) << describe(type, p) << " " << c;

    // Flat after variation: the centre of gravity is exactly 0 once its window is flat, and the
    // decomposition gives the band-pass value once that has settled on a constant (period 1),
    // though its running sum still carries the rounding of the values it has dropped.
    Vec cog = test::varied_closes(60, 5, false), xs = test::varied_closes(80, 11, false);
    cog.insert(cog.end(), 12, 0.1);
    xs.insert(xs.end(), 300, 50.0);
    EXPECT_TRUE(same_bits(*run_built("CenterOfGravity", {10}, cog).back(), 0.0));
    Vec b = bandpass(xs, 1, 1.2566370614359172);
    ASSERT_TRUE(same_bits(b[b.size() - 1], b[b.size() - 2]));
    EXPECT_TRUE(same_bits(*run_built("EmpiricalModeDecomposition", {1, 1}, xs).back(), b.back()));
}

// ------------------------------------------------------------------ parameters

TEST(DigitalFilterTest, LongWindowsOverShortSeriesStaySmall) {
    const std::uint64_t max = 16'777'216;
    auto storage = [](auto s) {
        for (double x : test::varied_closes(500, 3, false))
            if (s.update_value(x)) return std::size_t{1} << 40;
        return s.storage();
    };
    for (std::size_t bytes :
         {storage(*CenterOfGravity::create(max)), storage(*FisherTransform::create(max)),
          storage(*EhlersStochastic::create(max)), storage(*AdaptiveLaguerreFilter::create(max)),
          storage(*EmpiricalModeDecomposition::create(max, 1)), storage(*Trendflex::create(max)), storage(*Reflex::create(max))})
        EXPECT_LE(bytes, 1024u);
    EXPECT_EQ(EmpiricalModeDecomposition::create(max, 1)->warmup_period(), 2 * max);
    EXPECT_EQ(Trendflex::create(max)->warmup_period(), max + 1);
    EXPECT_EQ(Reflex::create(max)->warmup_period(), max + 1);
}

TEST(DigitalFilterTest, ChecksOnlyReachableThroughTheConstructors) {
    // The registry's readers refuse non-finite reals and exact zeros first.
    const double nan = std::nan("");
    EXPECT_EQ(BandpassFilter::create(0, 1.5).error().display(), "period must be greater than zero");
    EXPECT_EQ(BandpassFilter::create(20, nan).error().display(), "invalid parameter: bandpass bandwidth must be in (0, 1)");
    EXPECT_EQ(EmpiricalModeDecomposition::create(20, nan).error().display(), "invalid period: fraction must be in (0, 1]");
    EXPECT_EQ(InverseFisherTransform::create(std::numeric_limits<double>::infinity()).error().display(),
              "invalid period: scale must be a positive finite number");
    EXPECT_EQ(LaguerreRsi::create(nan).error().display(), "invalid period: LaguerreRSI gamma must be a finite value in [0, 1]");
}

}  // namespace
}  // namespace prynox
