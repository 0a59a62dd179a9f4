// The directional movement and true range types, built from the registry, against plain
// recomputations over the accepted candles; flat candles from the start; the candles whose sums
// would stop being finite; windows beyond the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Candles;
using test::flat;
using test::Series;
using Vec = std::vector<double>;
constexpr std::optional<double> N = std::nullopt;

double tr_of(const Candle& c, const Candle& p) {
    return std::max({c.high - c.low, std::fabs(c.high - p.close), std::fabs(c.low - p.close)});
}

// Wilder's sum form over x[1..]: the plain sum of x[1..n] at n, then S - S/n + x.
Vec wilder_sum(const Vec& x, std::size_t n) {
    Vec s(x.size(), std::nan(""));
    double sum = 0.0;
    for (std::size_t t = 1; t < x.size(); ++t) {
        if (t <= n) {
            sum += x[t];
            if (t == n) s[t] = sum;
        } else {
            s[t] = (s[t - 1] - s[t - 1] / static_cast<double>(n)) + x[t];
        }
    }
    return s;
}

double di(double dm, double tr) { return tr == 0.0 ? 0.0 : 100.0 * dm / tr; }

// Each type's definition over the accepted candles, one value or none per candle.
Series reference(const std::string& type, std::size_t n, const Candles& c) {
    const std::size_t m = c.size();
    const double nd = static_cast<double>(n);
    Vec tr(m, 0.0), pdm(m, 0.0), mdm(m, 0.0);
    for (std::size_t t = 1; t < m; ++t) {
        tr[t] = tr_of(c[t], c[t - 1]);
        const double up = c[t].high - c[t - 1].high, down = c[t - 1].low - c[t].low;
        pdm[t] = up > down && up > 0 ? up : 0.0;
        mdm[t] = down > up && down > 0 ? down : 0.0;
    }
    const Vec str = wilder_sum(tr, n), sp = wilder_sum(pdm, n), sm = wilder_sum(mdm, n);
    Series out(m);
    if (type == "Atr" || type == "Natr") {
        double sum = 0.0, atr = 0.0;
        for (std::size_t t = 0; t < m; ++t) {
            const double x = t == 0 ? c[0].high - c[0].low : tr[t];
            if (t < n) {
                sum += x;
                if (t + 1 < n) continue;
                atr = sum / nd;
            } else {
                atr = std::fma(atr, nd - 1.0, x) * (1.0 / nd);
            }
            out[t] = type == "Atr" ? atr : c[t].close == 0.0 ? 0.0 : 100.0 * atr / c[t].close;
        }
    } else if (type == "VolatilityRatio") {
        const double alpha = 2.0 / (nd + 1.0);
        double sum = 0.0, a = 0.0;
        for (std::size_t t = 1; t < m; ++t) {
            if (t <= n) {
                sum += tr[t];
                if (t == n) a = sum / nd;
                continue;
            }
            out[t] = a > 0.0 ? tr[t] / a : 0.0;
            a = tr[t] * alpha + a * (1.0 - alpha);
        }
    } else if (type == "Adxr") {
        Vec adx(m, std::nan(""));
        double dx_sum = 0.0;
        for (std::size_t t = n; t < m; ++t) {
            const double p = di(sp[t], str[t]), q = di(sm[t], str[t]);
            const double dx = p + q == 0.0 ? 0.0 : std::fabs(p - q) * 100.0 / (p + q);
            if (t < 2 * n) {
                dx_sum += dx;
                if (t + 1 == 2 * n) adx[t] = dx_sum / nd;
            } else {
                adx[t] = (dx + (nd - 1.0) * adx[t - 1]) / nd;
            }
            if (t + 2 >= 3 * n) out[t] = (adx[t] + adx[t + 1 - n]) * 0.5;
        }
    } else {
        for (std::size_t t = n; t < m; ++t) {
            const double p = di(sp[t], str[t]), q = di(sm[t], str[t]);
            if (type == "PlusDm") out[t] = sp[t];
            if (type == "MinusDm") out[t] = sm[t];
            if (type == "PlusDi") out[t] = p;
            if (type == "MinusDi") out[t] = q;
            if (type == "Dx") out[t] = p + q == 0.0 ? 0.0 : 100.0 * std::fabs(p - q) / (p + q);
        }
    }
    return out;
}

const char* const kTypes[] = {"PlusDm", "MinusDm", "PlusDi", "MinusDi", "Dx", "Adxr", "Atr", "Natr", "VolatilityRatio"};

TEST(DirectionalMovementTest, EveryTypeAgainstItsDefinition) {
    const std::vector<Candles> data = {test::varied_candles(420, 5, true), test::varied_candles(300, 11, false),
                                       test::grid_candles(200, 3)};
    for (const Candles& bars : data)
        for (const char* type : kTypes)
            for (double n : {1.0, 2.0, 3.0, 14.0, 40.0}) {
                std::uint64_t warmup = 0;
                const Series got = test::run_candles(type, {n}, bars, &warmup);
                const Series want = test::on_accepted(bars, reference(type, static_cast<std::size_t>(n),
                                                                      test::accepted_candles(bars)));
                test::expect_series(got, want, 0.0, test::describe(type, {n}));
                if (&bars != &data[0]) {
                    EXPECT_EQ(test::first_value_bar(got), warmup) << test::describe(type, {n});
                }
            }
}

// The pinned cases, one row each: the candles and the values on every bar.
TEST(DirectionalMovementTest, PinnedCases) {
    const Candles equal = {bar(9, 10, 8, 9), bar(9, 11, 7, 9)}, two = {bar(10, 11, 9, 10), bar(10, 13, 9.5, 12)};
    const struct {
        const char* type;
        Candles bars;
        Series want;
    } rows[] = {
        // Equal up and down moves (both 1) give no movement to either side.
        {"PlusDm", equal, {N, 0.0}},
        {"MinusDm", equal, {N, 0.0}},
        {"Dx", equal, {N, 0.0}},
        // Atr of 1: the range of the first candle, then the true range.
        {"Atr", {bar(10, 12, 9, 11), bar(14, 15, 13.5, 14), bar(8, 9, 7, 8.5)}, {3.0, 4.0, 7.0}},
        // Adxr of 1: its first value on candle 2, equal to that candle's ADX (= DX).
        {"Adxr", two, {N, 100.0}},
        {"Dx", two, {N, 100.0}},
        // Natr on an all-zero candle.
        {"Natr", {flat(0.0), bar(0, 1, 0, 0)}, {0.0, 0.0}},
    };
    for (const auto& r : rows) test::expect_series(test::run_candles(r.type, {1}, r.bars), r.want, 0.0, r.type);
}

// Equal-price candles from the start: the sums are exactly 0, and so are the values.
TEST(DirectionalMovementTest, FlatFromTheStart) {
    for (const auto& [type, first] : std::vector<std::pair<const char*, std::size_t>>{
             {"PlusDm", 6}, {"MinusDm", 6}, {"PlusDi", 6}, {"MinusDi", 6}, {"Dx", 6}, {"Adxr", 14}, {"Atr", 5}, {"Natr", 5},
             {"VolatilityRatio", 7}}) {
        const Series got = test::run_candles(type, {5}, Candles(30, flat(7.5)));
        EXPECT_EQ(test::first_value_bar(got), first) << type;
        for (const auto& v : got)
            if (v) {
                EXPECT_TRUE(test::same_bits(*v, 0.0)) << type;
            }
    }
}

// Candles whose ranges, movements or sums overflow are refused: nothing changes and the run goes
// on as without them. Values that overflow where the sums do not are no value for that candle.
TEST(DirectionalMovementTest, CandlesThatWouldPoisonTheSumsAreRefused) {
    const Candles bars = test::varied_candles(200, 21, false);
    const double big = 1.7e308;
    // The range overflows: refused by every type that reads it (as a first candle only by the
    // ATR stage, which takes its range).
    const Candles wide = {bar(0, big, -big, 0)};
    for (const char* type : kTypes)
        for (std::size_t at : {0u, 1u, 2u, 5u, 60u, 199u}) {
            const std::string t = type;
            if (t == "PlusDm" || t == "MinusDm" || (at == 0 && t != "Atr" && t != "Natr")) continue;
            test::expect_candles_refused(type, {3}, bars, at, wide);
            test::expect_candles_refused(type, {14}, bars, at, wide);
        }
    // A move from one end of the doubles to the other.
    for (double sign : {1.0, -1.0}) {
        Candles from = bars;
        from.insert(from.begin(), flat(-sign * big));
        for (const char* type : kTypes)
            if (std::string(type) != (sign > 0 ? "MinusDm" : "PlusDm"))
                test::expect_candles_refused(type, {3}, from, 1, {flat(sign * big)});
    }
    // Movements of 1e307: the sums hold them, the directional indicators (100 DM / TR) do not.
    // The DMI step refuses the candle; the Wilder types give no value for it and go on.
    const Candles steps = {flat(0), flat(1), bar(1, 3, 0.5, 2.5), bar(2.5, 2.5, 1, 1.5), bar(1.5, 4, 1.5, 3)};
    test::expect_candles_refused("Adxr", {1}, steps, 1, {flat(1e307)});
    test::expect_candles_refused("Adxr", {2}, steps, 2, {flat(1e307)});
    EXPECT_FALSE(test::run_candles("PlusDi", {1}, {flat(0), flat(1e307)})[1].has_value());
    // Seed sums that overflow: two ranges of 1.5e308 cannot be summed.
    const Candles huge = {bar(0, 1.5e308, 0, 0), bar(0, 1.5e308, 0, 0)};
    test::expect_candles_refused("Atr", {2}, {huge[0], bar(0, 1, 0, 0), bar(0, 2, 0, 1)}, 1, {huge[1]});
    test::expect_series(test::run_candles("Atr", {2}, huge), {N, N});
    // A close of 5e-324 under an average range of 1: no Natr value for it, the average goes on.
    const Candles tiny = {bar(0, 1, 0, 0), bar(0, 1, 0, 5e-324), bar(0, 1, 0, 0.5)};
    test::expect_series(test::run_candles("Natr", {1}, tiny), {0.0, N, 200.0});
    // A ratio that overflows over a tiny average is no value; the average takes the range.
    const Candles sub = {flat(0), bar(0, 5e-324, 0, 0), bar(0, 1, 0, 0), bar(0, 1, 0, 0)};
    const Series vr = test::run_candles("VolatilityRatio", {1}, sub);
    EXPECT_FALSE(vr[2].has_value());
    EXPECT_EQ(vr[3], 1.0);
}

TEST(DirectionalMovementTest, WindowsGrowWithTheData) {
    auto built = build_indicator("Adxr", Vec{16777216});
    ASSERT_TRUE(built);
    EXPECT_EQ((*built)->warmup_period(), 3u * 16777216u - 1u);
    EXPECT_EQ(test::first_value_bar(test::run_candles("Adxr", {16777216}, test::varied_candles(500, 2, false))), 0u);
}

}  // namespace
}  // namespace prynox
