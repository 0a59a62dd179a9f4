// The channel types, built from the registry and fed candles, against plain recomputations over
// the window of accepted inputs (exact: + - * / and sqrt only): every output on every bar, a
// line that leaves the doubles giving no value; equal closes giving three equal lines; the
// worked cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Candles;
using test::flat;
using Vec = std::vector<double>;
using Lines = std::optional<Vec>;
using Window = std::span<const Candle>;

// Every output list of the built type, checked against the value update gave.
std::vector<Lines> run_lines(const char* type, const Vec& params, const Candles& bars) {
    auto built = build_indicator(type, params);
    EXPECT_TRUE(built) << type;
    std::vector<Lines> out;
    BarContext ctx;
    for (const Candle& c : bars) {
        ctx.candle = &c;
        const OptionalValue v = (*built)->update(ctx);
        out.emplace_back();
        if (!v) continue;
        Vec& list = out.back().emplace();
        for (const auto& o : (*built)->outputs()) list.push_back(o.value);
        EXPECT_TRUE(test::same_bits(*v, out.back()->at(0))) << type;
    }
    return out;
}

Vec field(Window w, double Candle::*f) {
    Vec v;
    for (const Candle& c : w) v.push_back(c.*f);
    return v;
}
Vec ascending(Vec v) {
    std::sort(v.begin(), v.end(), [](double a, double b) { return a < b || (a == b && std::signbit(a) > std::signbit(b)); });
    return v;
}
double quantile(const Vec& s, double q) {
    const double pos = q * (s.size() - 1.0), i = std::floor(pos);
    return i < s.size() - 1.0 ? s[i] + (pos - i) * (s[i + 1] - s[i]) : s.back();
}
double sum(const Vec& v) {
    double s = 0.0;
    for (double x : v) s += x;
    return s;
}
double mid(double a, double b) {
    return std::fabs(a) <= 8.988465674311579e307 && std::fabs(b) <= 8.988465674311579e307 ? (a + b) * 0.5 : a * 0.5 + b * 0.5;
}
Lines band(double centre, double width) { return Vec{centre + width, centre, centre - width}; }

Lines donchian(Window w) {
    const Vec h = field(w, &Candle::high), l = field(w, &Candle::low);
    const double hh = *std::max_element(h.begin(), h.end()), ll = *std::min_element(l.begin(), l.end());
    return Vec{hh, mid(hh, ll), ll};
}
Lines quartiles(Window w) {
    const Vec s = ascending(field(w, &Candle::close));
    return Vec{quantile(s, 0.75), quantile(s, 0.5), quantile(s, 0.25)};
}
Lines median_channel(Window w, double m) {
    const Vec s = ascending(field(w, &Candle::close));
    const double med = quantile(s, 0.5);
    Vec d;
    for (double x : s) d.push_back(std::fabs(x - med));
    return band(med, quantile(ascending(d), 0.5) * m);
}
Lines bomar(Window w, double c) {
    const Vec v = field(w, &Candle::close);
    const double mean = sum(v) / v.size();
    Vec d;
    for (double x : v) d.push_back(mean == 0.0 ? 0.0 : std::fabs((x - mean) / std::fabs(mean)));
    return band(mean, std::fabs(mean) * quantile(ascending(d), c));
}
Lines regression(Window w, double m, double lost) {
    const Vec y = field(w, &Candle::close);
    const double n = y.size(), sx = ((n - 1) * n) * 0.5, sxx = ((n - 1) * n) * (2 * n - 1) / 6, mean = sum(y) / n;
    double sy = 0, sxy = 0, ssr = 0;
    for (std::size_t i = 0; i < y.size(); ++i) sy += y[i] - mean, sxy += (y[i] - mean) * i;
    const double b = (sxy * n - sy * sx) / (sxx * n - sx * sx), a = (sy - sx * b) / n;
    for (std::size_t i = 0; i < y.size(); ++i) ssr += ((y[i] - mean) - (a + b * i)) * ((y[i] - mean) - (a + b * i));
    return band((n - 1) * b + (mean + a), std::sqrt(ssr / (n - lost)) * m);
}
double slope(const Vec& v) {
    const double n = v.size(), sx = (n * (n - 1)) / 2, sx2 = (((n - 1) * n) * (2 * n - 1)) / 6, m = sum(v) / n;
    double s1 = 0, s2 = 0;
    for (std::size_t i = 0; i < v.size(); ++i) s1 += v[i] - m, s2 += i * (v[i] - m);
    return (s2 * n - s1 * sx) / (sx2 * n - sx * sx);
}
Lines projection(Window w) {
    const Vec h = field(w, &Candle::high), l = field(w, &Candle::low);
    const double sh = slope(h), sl = slope(l);
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
    Vec params;
    std::size_t n;  // window; 0 for the fractal bands (p = params[0])
    bool candle;
    std::function<Lines(Window)> f;
};

// A line that leaves the doubles gives no value.
Lines finite(Lines l) {
    if (l && !std::all_of(l->begin(), l->end(), [](double x) { return std::isfinite(x); })) return std::nullopt;
    return l;
}

const std::vector<Row>& rows() {
    using namespace std::placeholders;
    static const std::vector<Row> all = {
        {"Donchian", {1}, 1, true, donchian},           {"Donchian", {20}, 20, true, donchian},
        {"QuartileBands", {1}, 1, false, quartiles},    {"QuartileBands", {4}, 4, false, quartiles},
        {"QuartileBands", {21}, 21, false, quartiles},  {"MedianChannel", {1, 2}, 1, false, std::bind(median_channel, _1, 2.0)},
        {"MedianChannel", {6, 1.5}, 6, false, std::bind(median_channel, _1, 1.5)},
        {"MedianChannel", {25, 0.7}, 25, false, std::bind(median_channel, _1, 0.7)},
        {"BomarBands", {1, 0.5}, 1, false, std::bind(bomar, _1, 0.5)}, {"BomarBands", {7, 0.9}, 7, false, std::bind(bomar, _1, 0.9)},
        {"BomarBands", {40, 1.0}, 40, false, std::bind(bomar, _1, 1.0)},
        {"LinRegChannel", {2, 2}, 2, false, std::bind(regression, _1, 2.0, 0.0)},
        {"LinRegChannel", {14, 1.5}, 14, false, std::bind(regression, _1, 1.5, 0.0)},
        {"StandardErrorBands", {3, 1}, 3, false, std::bind(regression, _1, 1.0, 2.0)},
        {"StandardErrorBands", {20, 2}, 20, false, std::bind(regression, _1, 2.0, 2.0)},
        {"ProjectionBands", {2}, 2, true, projection},  {"ProjectionBands", {14}, 14, true, projection},
        {"FractalChaosBands", {1}, 0, true, nullptr},   {"FractalChaosBands", {3}, 0, true, nullptr},
    };
    return all;
}

// Candles around 100 (rejected ones among them, flat runs), a grid around 0, the closes of the
// shared table as flat candles (runs of 0.1, 0 and -1/3, a -0.0), and prices at the ends of the
// doubles between ordinary ones.
std::vector<Candles> data() {
    Candles table, huge = test::varied_candles(40, 3, false);
    for (double x : test::table_closes()) table.push_back(flat(x));
    for (double x : {1.7e308, 1.7e308, -1.7e308, -1.7e308}) huge.push_back(x > 0 ? bar(x, x, 0, x) : bar(x, 0, x, x));
    for (const Candle& c : test::varied_candles(60, 4, false)) huge.push_back(c);
    return {test::varied_candles(700, 5, true), test::grid_candles(400, 9), table, huge};
}

TEST(ChannelsTest, EveryOutputMatchesPlainRecomputation) {
    for (const Candles& bars : data())
        for (const Row& r : rows()) {
            Candles in;
            for (const Candle& c : bars)
                if (r.candle ? candle_passes(c) : std::isfinite(c.close)) in.push_back(c);
            std::vector<Lines> per = r.n == 0 ? fractals(in, r.params[0]) : std::vector<Lines>(in.size());
            for (std::size_t t = r.n - 1; r.n > 0 && t < in.size(); ++t)
                per[t] = finite(r.f(Window(in).subspan(t + 1 - r.n, r.n)));
            const std::vector<Lines> got = run_lines(r.type, r.params, bars);
            for (std::size_t i = 0, k = 0; i < bars.size(); ++i) {
                const bool taken = r.candle ? candle_passes(bars[i]) : std::isfinite(bars[i].close);
                const Lines want = taken ? per[k++] : std::nullopt;
                ASSERT_EQ(got[i].has_value(), want.has_value()) << test::describe(r.type, r.params) << " bar " << i;
                ASSERT_TRUE(!want || std::equal(want->begin(), want->end(), got[i]->begin(), got[i]->end(), test::same_bits))
                    << test::describe(r.type, r.params) << " bar " << i;
            }
        }
}

TEST(ChannelsTest, WorkedCases) {
    struct Case {
        const char* type;
        Vec params;
        Candles bars;
        std::vector<Lines> last;
    };
    const Lines N;
    const Candles flat01(9, flat(0.1)), variation = {flat(1), flat(0.4), flat(7), flat(-2)};
    Candles after = variation;
    after.insert(after.end(), flat01.begin(), flat01.end());
    std::vector<Case> cases = {
        {"QuartileBands", {4}, {flat(1), flat(2), flat(3), flat(4)}, {Vec{3.25, 2.5, 1.75}}},
        {"QuartileBands", {1}, {flat(7.5)}, {Vec{7.5, 7.5, 7.5}}},
        {"MedianChannel", {5, 1}, {flat(1), flat(2), flat(3), flat(4), flat(100)}, {Vec{4, 3, 2}}},
        {"BomarBands", {2, 0.5}, {flat(3), flat(-1), flat(1)}, {Vec{0, 0, 0}}},
        // The middle bar is both the highest and the lowest: both levels on the third bar.
        {"FractalChaosBands", {1}, {flat(1), bar(1, 3, 0.5, 1), flat(2)}, {N, N, Vec{3, 0.5}}},
        // A high shared with a neighbour is no fractal high.
        {"FractalChaosBands", {1}, {flat(1), bar(1, 3, 0.5, 1), bar(2, 3, 2, 2), flat(1)}, {N, N}},
        {"Donchian", {1}, {bar(1.6e308, 1.7e308, 1.6e308, 1.6e308)}, {Vec{1.7e308, 1.7e308 * 0.5 + 1.6e308 * 0.5, 1.6e308}}},
        {"LinRegChannel", {4, 2}, {flat(1), flat(3), flat(5), flat(7)}, {Vec{7, 7, 7}}},
    };
    // Equal closes, after variation, give three equal lines.
    for (const char* type : {"QuartileBands", "MedianChannel", "LinRegChannel", "StandardErrorBands"})
        cases.push_back({type, {9, 2}, after, {Vec{0.1, 0.1, 0.1}}});
    for (const Case& c : cases) {
        const std::vector<Lines> got = run_lines(c.type, c.params, c.bars);
        EXPECT_TRUE(std::equal(c.last.begin(), c.last.end(), got.end() - c.last.size())) << test::describe(c.type, c.params);
    }
}

}  // namespace
}  // namespace prynox
