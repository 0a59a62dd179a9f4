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

double di(double dm, double tr) { return tr == 0.0 ? 0.0 : 100.0 * dm / tr; }

// Each type's definition over the accepted candles, one value or none per candle, taken bar by
// bar. A bar whose quantities or sums leave the doubles is refused: none, the sums as they were,
// and the next bar's movements and true range measured from it all the same.
Series reference(const std::string& type, std::size_t n, const Candles& c) {
    const std::size_t m = c.size();
    const double nd = static_cast<double>(n);
    Series out(m);
    if (type == "Atr" || type == "Natr") {
        double sum = 0.0, atr = 0.0;
        std::size_t taken = 0;
        for (std::size_t t = 0; t < m; ++t) {
            const double x = t == 0 ? c[0].high - c[0].low : tr_of(c[t], c[t - 1]);
            const double next = taken < n ? sum + x : std::fma(atr, nd - 1.0, x) * (1.0 / nd);
            if (!std::isfinite(x) || !std::isfinite(next)) continue;
            if (taken < n) {
                sum = next;
                if (++taken < n) continue;
                atr = sum / nd;
            } else {
                atr = next;
            }
            const double v = type == "Atr" ? atr : c[t].close == 0.0 ? 0.0 : 100.0 * atr / c[t].close;
            if (std::isfinite(v)) out[t] = v;
        }
    } else if (type == "VolatilityRatio") {
        const double alpha = 2.0 / (nd + 1.0);
        double sum = 0.0, a = 0.0;
        std::size_t taken = 0;
        for (std::size_t t = 1; t < m; ++t) {
            const double tr = tr_of(c[t], c[t - 1]);
            if (taken < n) {
                if (!std::isfinite(sum + tr)) continue;
                sum += tr;
                if (++taken == n) a = sum / nd;
                continue;
            }
            const double ratio = a > 0.0 ? tr / a : 0.0, next = tr * alpha + a * (1.0 - alpha);
            if (!std::isfinite(next)) continue;
            a = next;
            if (std::isfinite(ratio)) out[t] = ratio;
        }
    } else {
        // Wilder's sum form of each quantity a type reads (true range, +DM, -DM): the plain sum
        // of the first n taken, then S - S/n + x, all taken on the same bars.
        const bool plus = type != "MinusDm" && type != "MinusDi", minus = type != "PlusDm" && type != "PlusDi";
        const bool range = type != "PlusDm" && type != "MinusDm";
        double s[3] = {0.0, 0.0, 0.0};
        std::size_t taken = 0, dx_count = 0;
        double dx_sum = 0.0, adx = 0.0;
        std::vector<double> adxs;
        for (std::size_t t = 1; t < m; ++t) {
            const double up = c[t].high - c[t - 1].high, down = c[t - 1].low - c[t].low;
            const double x[3] = {range ? tr_of(c[t], c[t - 1]) : 0.0, plus && up > down && up > 0 ? up : 0.0,
                                 minus && down > up && down > 0 ? down : 0.0};
            double next[3];
            bool finite = true;
            for (int k = 0; k < 3; ++k) {
                next[k] = taken < n ? s[k] + x[k] : (s[k] - s[k] / nd) + x[k];
                finite = finite && std::isfinite(next[k]);
            }
            if (!finite) continue;
            const double p = di(next[1], next[0]), q = di(next[2], next[0]);
            // The DMI step of Adxr refuses indicators beyond the doubles with the sums.
            if (type == "Adxr" && taken + 1 >= n && !(std::isfinite(p) && std::isfinite(q))) continue;
            std::copy(next, next + 3, s);
            if (++taken < n) continue;
            double v = 0.0;
            if (type == "PlusDm") v = s[1];
            if (type == "MinusDm") v = s[2];
            if (type == "PlusDi") v = p;
            if (type == "MinusDi") v = q;
            if (type == "Dx") v = p + q == 0.0 ? 0.0 : 100.0 * std::fabs(p - q) / (p + q);
            if (type == "Adxr") {
                const double dx = p + q == 0.0 ? 0.0 : std::fabs(p - q) * 100.0 / (p + q);
                if (dx_count < n) {
                    dx_sum += dx;
                    if (++dx_count < n) continue;
                    adx = dx_sum / nd;
                } else {
                    adx = (dx + (nd - 1.0) * adx) / nd;
                }
                adxs.push_back(adx);
                if (adxs.size() < n) continue;
                v = (adx + adxs[adxs.size() - n]) * 0.5;
            }
            if (std::isfinite(v)) out[t] = v;
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
    // A move from one end of the doubles to the other is refused; the next candle, equal to it,
    // moves nothing from it. A range beyond the doubles is refused; the next true range reaches
    // to its close of 0.
    const double big = 1.7e308;
    const Candles across = {flat(-big), flat(big), flat(big)}, back = {flat(big), flat(-big), flat(-big)};
    const Candle wide = bar(0, big, -big, 0), after = bar(10, 12, 9, 11);
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
        // The bar after a refused one gives its value.
        {"PlusDm", across, {N, N, 0.0}},
        {"MinusDm", back, {N, N, 0.0}},
        {"PlusDi", across, {N, N, 0.0}},
        {"MinusDi", back, {N, N, 0.0}},
        {"Dx", across, {N, N, 0.0}},
        {"Adxr", across, {N, N, 0.0}},
        {"Atr", {after, wide, after}, {3.0, N, 12.0}},
        {"Natr", {after, wide, bar(10, 12, 9, 12)}, {(100.0 * 3.0) / 11.0, N, 100.0}},
        {"VolatilityRatio", {flat(10), after, wide, after}, {N, N, N, 4.0}},
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

// The candles `bad` spliced in before bar `at` are refused, and the run follows the definition:
// the sums as they were, the next movements and true range measured from the refused candle.
void expect_spliced(const char* type, double n, const Candles& bars, std::size_t at, const Candles& bad) {
    Candles spliced = bars;
    spliced.insert(spliced.begin() + static_cast<std::ptrdiff_t>(at), bad.begin(), bad.end());
    const Series want = reference(type, static_cast<std::size_t>(n), spliced);
    for (std::size_t k = at; k < at + bad.size(); ++k) ASSERT_FALSE(want[k]) << type << " " << n << " at " << at;
    test::expect_series(test::run_candles(type, {n}, spliced), want, 0.0,
                        test::describe(type, {n}) + " refusing at " + std::to_string(at));
}

// Candles whose ranges, movements or sums overflow are refused: the sums stay as they were, and
// the next candle is measured from the refused one. A refused candle with the close of the one
// before changes nothing for the types that read only the true range. Values that overflow
// where the sums do not are no value for that candle.
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
            expect_spliced(type, 3, bars, at, wide);
            expect_spliced(type, 14, bars, at, wide);
            if (at > 0 && (t == "Atr" || t == "Natr" || t == "VolatilityRatio")) {
                const double close = bars[at - 1].close;
                test::expect_candles_refused(type, {3}, bars, at, {bar(close, big, -big, close)});
            }
        }
    // A move from one end of the doubles to the other.
    for (double sign : {1.0, -1.0}) {
        Candles from = bars;
        from.insert(from.begin(), flat(-sign * big));
        for (const char* type : kTypes)
            if (std::string(type) != (sign > 0 ? "MinusDm" : "PlusDm")) expect_spliced(type, 3, from, 1, {flat(sign * big)});
    }
    // Movements of 1e307: the sums hold them, the directional indicators (100 DM / TR) do not.
    // The DMI step refuses the candle; the Wilder types give no value for it and go on.
    const Candles steps = {flat(0), flat(1), bar(1, 3, 0.5, 2.5), bar(2.5, 2.5, 1, 1.5), bar(1.5, 4, 1.5, 3)};
    expect_spliced("Adxr", 1, steps, 1, {flat(1e307)});
    expect_spliced("Adxr", 2, steps, 2, {flat(1e307)});
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
