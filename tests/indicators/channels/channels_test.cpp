// The channel types, built from the registry and fed candles, against plain recomputations over
// the window of accepted inputs (exact: + - * / and sqrt only): every output on every bar, a
// line that leaves the doubles giving no value; equal closes giving three equal lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <span>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Candles;
using test::flat;
using Vec = std::vector<double>;
using Lines = std::optional<Vec>;
using Window = std::span<const Candle>;

// Every output list of the built type.
std::vector<Lines> run_lines(const char* type, const Vec& params, const Candles& bars) {
    auto built = build_indicator(type, params);
    std::vector<Lines> out;
    BarContext ctx;
    for (const Candle& c : bars) {
        ctx.candle = &c;
        const OptionalValue v = (*built)->update(ctx);
        Lines& l = out.emplace_back();
        if (!v) continue;
        l.emplace();
        for (const auto& o : (*built)->outputs()) l->push_back(o.value);
    }
    return out;
}

Vec of(Window w, double Candle::*f) {
    Vec v;
    for (const Candle& c : w) v.push_back(c.*f);
    return v;
}
// -0.0 before +0.0.
Vec sorted(Vec v) {
    std::sort(v.begin(), v.end(), [](double a, double b) { return a < b || (a == b && std::signbit(a) > std::signbit(b)); });
    return v;
}
double quantile(const Vec& s, double q) {
    const double pos = q * (s.size() - 1.0), i = std::floor(pos);
    return i < s.size() - 1.0 ? s[i] + (pos - i) * (s[i + 1] - s[i]) : s.back();
}
double mean(const Vec& v) {
    double s = 0.0;
    for (double x : v) s += x;
    return s / v.size();
}
double mid(double a, double b) {
    return std::fabs(a) <= 8.988465674311579e307 && std::fabs(b) <= 8.988465674311579e307 ? (a + b) * 0.5 : a * 0.5 + b * 0.5;
}
Lines band(double centre, double width) { return Vec{centre + width, centre, centre - width}; }
// The c-quantile of |v - centre| / scale.
double deviation(const Vec& v, double centre, double scale, double c) {
    Vec d;
    for (double x : v) d.push_back(scale == 0.0 ? 0.0 : std::fabs((x - centre) / scale));
    return quantile(sorted(d), c);
}
// The least-squares slope of v over 0 .. n - 1 with the mean taken out (projection), or the line's
// newest value with m residual deviations over n - lost either side (regression channels).
Lines fit(const Vec& y, double m, double lost, bool slope_only) {
    const double n = y.size(), sx = ((n - 1) * n) * 0.5, sxx = ((n - 1) * n) * (2 * n - 1) / 6, my = mean(y);
    double sy = 0, sxy = 0, ssr = 0;
    for (std::size_t i = 0; i < y.size(); ++i) sy += y[i] - my, sxy += (y[i] - my) * i;
    const double b = (sxy * n - sy * sx) / (sxx * n - sx * sx), a = (sy - sx * b) / n;
    if (slope_only) return Vec{b};
    for (std::size_t i = 0; i < y.size(); ++i) ssr += ((y[i] - my) - (a + b * i)) * ((y[i] - my) - (a + b * i));
    return band((n - 1) * b + (my + a), std::sqrt(ssr / (n - lost)) * m);
}

Lines donchian(Window w, const Vec&) {
    const Vec h = sorted(of(w, &Candle::high)), l = sorted(of(w, &Candle::low));
    return Vec{h.back(), mid(h.back(), l[0]), l[0]};
}
Lines quartiles(Window w, const Vec&) {
    const Vec s = sorted(of(w, &Candle::close));
    return Vec{quantile(s, 0.75), quantile(s, 0.5), quantile(s, 0.25)};
}
Lines median_channel(Window w, const Vec& p) {
    const double med = quantile(sorted(of(w, &Candle::close)), 0.5);
    return band(med, deviation(of(w, &Candle::close), med, 1.0, 0.5) * p[1]);
}
Lines bomar(Window w, const Vec& p) {
    const double m = mean(of(w, &Candle::close));
    return band(m, std::fabs(m) * deviation(of(w, &Candle::close), m, std::fabs(m), p[1]));
}
Lines linreg(Window w, const Vec& p) { return fit(of(w, &Candle::close), p[1], 0, false); }
Lines stderr_bands(Window w, const Vec& p) { return fit(of(w, &Candle::close), p[1], 2, false); }
Lines projection(Window w, const Vec&) {
    const Vec h = of(w, &Candle::high), l = of(w, &Candle::low);
    const double sh = (*fit(h, 0, 0, true))[0], sl = (*fit(l, 0, 0, true))[0];
    double up = -INFINITY, lo = INFINITY;
    for (std::size_t i = 0; i < h.size(); ++i)
        up = std::max(up, h[i] + sh * (h.size() - 1.0 - i)), lo = std::min(lo, l[i] + sl * (h.size() - 1.0 - i));
    return Vec{up, mid(up, lo), lo};
}

// Over all accepted candles: the latest strict fractal high and low of each 2p + 1 span.
std::vector<Lines> fractals(const Candles& cs, std::size_t p) {
    std::vector<Lines> out(cs.size());
    std::optional<double> up, lo;
    for (std::size_t t = 2 * p; t < cs.size(); ++t) {
        bool h = true, l = true;
        for (std::size_t j = t - 2 * p; j <= t; ++j)
            if (j != t - p) h = h && cs[t - p].high > cs[j].high, l = l && cs[t - p].low < cs[j].low;
        if (h) up = cs[t - p].high;
        if (l) lo = cs[t - p].low;
        if (up && lo) out[t] = Vec{*up, *lo};
    }
    return out;
}

struct Row {
    const char* type;
    Vec params;  // the window first
    bool candle;
    Lines (*f)(Window, const Vec&);  // none: the fractal bands
};
const Row kRows[] = {
    {"Donchian", {1}, true, donchian}, {"Donchian", {20}, true, donchian}, {"QuartileBands", {1}, false, quartiles},
    {"QuartileBands", {4}, false, quartiles}, {"MedianChannel", {6, 1.5}, false, median_channel},
    {"MedianChannel", {25, 0.7}, false, median_channel}, {"BomarBands", {7, 0.9}, false, bomar},
    {"BomarBands", {40, 1.0}, false, bomar}, {"LinRegChannel", {2, 2}, false, linreg},
    {"LinRegChannel", {14, 1.5}, false, linreg}, {"StandardErrorBands", {3, 1}, false, stderr_bands},
    {"StandardErrorBands", {20, 2}, false, stderr_bands}, {"ProjectionBands", {2}, true, projection},
    {"ProjectionBands", {14}, true, projection}, {"FractalChaosBands", {1}, true, nullptr},
    {"FractalChaosBands", {3}, true, nullptr},
};

TEST(ChannelsTest, EveryOutputMatchesPlainRecomputation) {
    // Candles around 100 (rejected ones among them, flat runs), a grid around 0, the closes of the
    // shared table as flat candles (runs of 0.1, 0 and -1/3, a -0.0), prices at the ends of the doubles.
    Candles table, huge = test::varied_candles(40, 3, false), more = test::varied_candles(60, 4, false);
    for (double x : test::table_closes()) table.push_back(flat(x));
    for (double x : {1.7e308, 1.7e308, -1.7e308, -1.7e308}) huge.push_back(flat(x));
    huge.insert(huge.end(), more.begin(), more.end());
    // Ties at the edges of the fractal spans of the rows (p = 1 and 3).
    Candles ties = test::edge_tie_candles(1, 1, false);
    for (const Candle& c : test::edge_tie_candles(3, 3, false)) ties.push_back(c);
    for (const Candles& bars : {test::varied_candles(700, 5, true), test::grid_candles(400, 9), table, huge, ties})
        for (const Row& r : kRows) {
            const auto taken = [&r](const Candle& c) { return r.candle ? candle_passes(c) : std::isfinite(c.close); };
            Candles in;
            std::copy_if(bars.begin(), bars.end(), std::back_inserter(in), taken);
            const std::size_t n = r.params[0];
            std::vector<Lines> want = r.f ? std::vector<Lines>(in.size()) : fractals(in, n);
            for (std::size_t t = n - 1; r.f && t < in.size(); ++t) {
                want[t] = r.f(Window(in).subspan(t + 1 - n, n), r.params);
                if (!std::all_of(want[t]->begin(), want[t]->end(), [](double x) { return std::isfinite(x); })) want[t].reset();
            }
            const std::vector<Lines> got = run_lines(r.type, r.params, bars), none(1);
            for (std::size_t i = 0, k = 0; i < bars.size(); ++i) {
                const Lines& w = taken(bars[i]) ? want[k++] : none[0];
                ASSERT_TRUE(w.has_value() == got[i].has_value() &&
                            (!w || std::equal(w->begin(), w->end(), got[i]->begin(), got[i]->end(), test::same_bits)))
                    << test::describe(r.type, r.params) << " bar " << i;
            }
        }
}

// Equal closes after variation give three equal lines.
TEST(ChannelsTest, EqualClosesGiveThreeEqualLines) {
    Candles bars = {flat(1), flat(0.4), flat(7), flat(-2)};
    bars.insert(bars.end(), 9, flat(0.1));
    for (const char* type : {"QuartileBands", "MedianChannel", "LinRegChannel", "StandardErrorBands"})
        EXPECT_EQ(run_lines(type, {9, 2}, bars).back(), Vec(3, 0.1)) << type;
}

// A span whose ring would exceed MAX_PERIOD is no refusal: the warm-up saturates and the ring
// grows with the candles seen.
TEST(ChannelsTest, FractalSpanBeyondTheMaximumGrowsWithTheData) {
    auto built = build_indicator("FractalChaosBands", Vec{16777216});
    ASSERT_TRUE(built);
    EXPECT_EQ((*built)->warmup_period(), 33554433u);
    const std::vector<Lines> got = run_lines("FractalChaosBands", {16777216}, test::varied_candles(500, 1, false));
    EXPECT_TRUE(std::none_of(got.begin(), got.end(), [](const Lines& l) { return l.has_value(); }));
}

}  // namespace
}  // namespace prynox
