// Williams %R and the Yang-Zhang volatility, built from the registry, against plain window
// recomputations over the accepted candles; their pinned edge cases; the candles Yang-Zhang
// refuses; degenerate windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "support/candle_runs.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Candles;
using test::flat;
using test::Series;
using Vec = std::vector<double>;
constexpr std::optional<double> N = std::nullopt;

Series williams_reference(std::size_t n, const Candles& c) {
    Series out(c.size());
    for (std::size_t t = n - 1; t < c.size(); ++t) {
        double hh = c[t].high, ll = c[t].low;
        for (std::size_t i = t + 1 - n; i <= t; ++i) hh = std::max(hh, c[i].high), ll = std::min(ll, c[i].low);
        out[t] = hh == ll ? -50.0 : (hh - c[t].close) * -100.0 / (hh - ll);
    }
    return out;
}

double mean(const Vec& x) {
    double sum = 0.0;
    for (double v : x) sum += v;
    return sum / static_cast<double>(x.size());
}

// Sample variance by two passes.
double sample_variance(const Vec& x) {
    const double m = mean(x);
    double ss = 0.0;
    for (double v : x) ss += (v - m) * (v - m);
    return ss / static_cast<double>(x.size() - 1);
}

// Over all bars: candles that fail their check (or a first close of 0) give nothing and change
// nothing; candles whose log terms are not finite give nothing and leave the windows as they
// were, but their close (unless 0) is the one the next overnight return is measured from.
// `terms` gets the number of terms taken so far on each bar.
Series yang_zhang_reference(std::size_t n, double periods, const Candles& bars, std::vector<std::size_t>* terms) {
    const double k = 0.34 / (1.34 + (n + 1.0) / (n - 1.0));
    Series out(bars.size());
    terms->assign(bars.size(), 0);
    std::optional<double> previous;
    Vec o, c, rs;
    for (std::size_t t = 0; t < bars.size(); ++t) {
        const Candle& b = bars[t];
        if (!candle_passes(b)) continue;
        if (!previous) {
            if (b.close != 0.0) previous = b.close;
            continue;
        }
        const double ot = std::log(b.open / *previous), ct = std::log(b.close / b.open);
        const double rt = std::log(b.high / b.close) * std::log(b.high / b.open) +
                          std::log(b.low / b.close) * std::log(b.low / b.open);
        if (!std::isfinite(ot) || !std::isfinite(ct) || !std::isfinite(rt)) {
            if (b.close != 0.0) previous = b.close;
            continue;
        }
        previous = b.close;
        o.push_back(ot), c.push_back(ct), rs.push_back(rt);
        (*terms)[t] = o.size();
        if (o.size() < n) continue;
        const Vec wo(o.end() - n, o.end()), wc(c.end() - n, c.end()), wr(rs.end() - n, rs.end());
        const double var = sample_variance(wo) + k * sample_variance(wc) + (1.0 - k) * std::max(0.0, mean(wr));
        out[t] = std::sqrt(std::max(0.0, var)) * std::sqrt(periods) * 100.0;
    }
    return out;
}

TEST(WilliamsYangZhangTest, WilliamsRAgainstItsDefinition) {
    for (const Candles& bars :
         {test::varied_candles(420, 5, true), test::varied_candles(300, 8, false), test::grid_candles(200, 3)})
        for (double n : {1.0, 2.0, 5.0, 14.0, 60.0}) {
            std::uint64_t warmup = 0;
            const Series got = test::run_candles("WilliamsR", {n}, bars, &warmup);
            test::expect_series(got, test::on_accepted(bars, williams_reference(static_cast<std::size_t>(n),
                                                                                  test::accepted_candles(bars))),
                                0.0, test::describe("WilliamsR", {n}));
            EXPECT_EQ(warmup, static_cast<std::uint64_t>(n));
        }
}

TEST(WilliamsYangZhangTest, YangZhangAgainstItsDefinition) {
    Candles mixed = test::varied_candles(420, 5, true);
    // Candles it refuses (a zero price, mixed signs, a ratio that overflows), and terms of a few
    // hundred that the running sums must carry until the next re-anchoring.
    mixed[40] = flat(0.0), mixed[41] = bar(-1, 2, -1, 1), mixed[90] = bar(1e-10, 1e300, 1e-10, 1e-10);
    mixed[200] = bar(1e200, 1e200, 1e200, 1e200), mixed[201] = bar(100, 101, 99, 100);
    const std::vector<Candles> data = {test::varied_candles(400, 8, false), mixed};
    for (std::size_t d = 0; d < data.size(); ++d)
        for (const Vec& p : {Vec{2, 252}, Vec{3, 1}, Vec{10, 365}, Vec{20, 252}, Vec{45, 52}}) {
            std::uint64_t warmup = 0;
            const Series got = test::run_candles("YangZhangVolatility", p, data[d], &warmup);
            // The sums of o and c are rebuilt from the window on every n-th term: there the value
            // is the plain one; between rebuilds the terms of a few hundred leave a residue.
            std::vector<std::size_t> terms;
            const std::size_t n = static_cast<std::size_t>(p[0]);
            const Series want = yang_zhang_reference(n, p[1], data[d], &terms);
            test::expect_series(got, want, [&](std::size_t i) { return d == 0 || terms[i] % n == 0 ? 1e-12 : 1e-6; },
                                test::describe("YangZhangVolatility", p), 1e-3);
            EXPECT_EQ(warmup, static_cast<std::uint64_t>(p[0]) + 1);
            if (d == 0) {
                EXPECT_EQ(test::first_value_bar(got), warmup);
            }
        }
}

// The pinned cases, one row each: the candles and the values on every bar.
TEST(WilliamsYangZhangTest, PinnedCases) {
    const double big = 1.7e308;
    Series constant(20, 0.0);
    std::fill_n(constant.begin(), 5, N);
    struct Row { const char* type; Vec params; Candles bars; Series want; double tol; };
    for (const Row& r : std::vector<Row>{
             // n = 1: the candle's own range; no range gives -50.
             {"WilliamsR", {1}, {bar(10, 12, 8, 11), flat(5), bar(3, 4, 2, 2)}, {-25.0, -50.0, -100.0}, 0},
             // A window whose range exceeds the doubles gives nothing while that candle is in it.
             {"WilliamsR", {2}, {bar(1, 2, 0, 1), bar(0, big, -big, 0), bar(1, 2, 0, 1), bar(1, 2, 0, 2)}, {N, N, N, -0.0}, 0},
             // A constant price gives +0 from candle n + 1.
             {"YangZhangVolatility", {5, 252}, Candles(20, flat(42.0)), constant, 0},
             // The overnight return after one beyond the doubles is measured from the refused
             // close: ln(1e10 / 1e10) = 0, then ln(0.9), a sample deviation of |ln 0.9| / sqrt 2.
             {"YangZhangVolatility", {2, 1}, {flat(1e-300), flat(1e10), flat(1e10), flat(9e9)},
              {N, N, N, std::fabs(std::log(0.9)) / std::sqrt(2.0) * 100.0}, 1e-12},
         })
        test::expect_series(test::run_candles(r.type, r.params, r.bars), r.want, r.tol, test::describe(r.type, r.params));
    // Windows far beyond the data give nothing over it.
    const Candles bars = test::varied_candles(500, 1, false);
    EXPECT_EQ(test::first_value_bar(test::run_candles("WilliamsR", {16777216}, bars)), 0u);
    EXPECT_EQ(test::first_value_bar(test::run_candles("YangZhangVolatility", {16777216, 1e30}, bars)), 0u);
    // Flat after variation, and a constant overnight return (closes doubling): every window of
    // them gives exactly 0, whatever the running sums kept of the variation before.
    for (std::size_t n : {3u, 7u, 16u}) {
        Candles flat_after = test::varied_candles(100, 13, false), doubling = flat_after;
        const double last = flat_after.back().close;
        for (int i = 0; i < 40; ++i) flat_after.push_back(flat(last)), doubling.push_back(flat(std::ldexp(1.0, i - 20)));
        for (const Candles* b : {&flat_after, &doubling}) {
            const Series got = test::run_candles("YangZhangVolatility", {static_cast<double>(n), 252}, *b);
            for (std::size_t t = 100 + n + (b == &doubling ? 1 : 0); t < got.size(); ++t) EXPECT_EQ(got[t], 0.0) << n << " " << t;
        }
    }
}

// A refused candle leaves the window as it was, and its close is the next previous close: a
// close of 0, which no return can be measured from, changes nothing; a first close of 0 is
// refused too; negative prices throughout have finite logs.
TEST(WilliamsYangZhangTest, YangZhangRefusesCandlesWithoutFiniteLogs) {
    const Candles bars = test::varied_candles(200, 17, false);
    for (std::size_t at : {1u, 3u, 50u}) {
        test::expect_candles_refused("YangZhangVolatility", {5, 252}, bars, at, {flat(0.0)});
        for (const Candle& bad : {bar(0, 1, 0, 1), bar(-1, 2, -1, 1), bar(1e-320, 100, 1e-320, 100),
                                  bar(1e-10, 1e300, 1e-10, 1e-10), bar(100, 100, -1, 100)}) {
            Candles spliced = bars;
            spliced.insert(spliced.begin() + static_cast<std::ptrdiff_t>(at), bad);
            std::vector<std::size_t> terms;
            const Series want = yang_zhang_reference(5, 252, spliced, &terms);
            ASSERT_FALSE(want[at]) << at;
            // An overnight return from a close of 1e-10 is a term of a few dozen: exact on the
            // re-anchoring bars, a residue between them.
            test::expect_series(test::run_candles("YangZhangVolatility", {5, 252}, spliced), want,
                                [&](std::size_t i) { return terms[i] % 5 == 0 ? 1e-12 : 1e-6; },
                                "YangZhangVolatility refusing at " + std::to_string(at), 1e-3);
        }
    }
    for (double zero : {0.0, -0.0}) test::expect_candles_refused("YangZhangVolatility", {5, 252}, bars, 0, {flat(zero)});
    Candles negative;
    for (const Candle& c : bars) negative.push_back(bar(-c.open, -c.low, -c.high, -c.close));
    EXPECT_EQ(test::first_value_bar(test::run_candles("YangZhangVolatility", {5, 252}, negative)), 6u);
}

}  // namespace
}  // namespace prynox
