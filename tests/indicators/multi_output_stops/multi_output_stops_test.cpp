// The trailing stops and exits against plain recomputations (window extremes by scan, window
// means summed afresh each bar, moments in two passes), the worked examples, flat markets, and
// candles whose ranges or lines leave the doubles.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using Vec = std::vector<double>;
using Candles = std::vector<Candle>;
using Pair = std::array<double, 2>;
using Outs = std::vector<std::optional<Pair>>;
using test::same_bits;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

Candle bar(double h, double l, double c) { return {0, c, h, l, c, 1.0}; }

// A walk around `level` with wicks of random length and a jump now and then; `grid` rounds every
// price to quarters, so that sums and means of a window of 4 are exact.
Candles walk(std::size_t n, std::uint64_t seed, double level, double scale, bool grid = false) {
    Candles out;
    const auto q = [grid](double x) { return grid ? std::round(x * 4.0) / 4.0 : x; };
    double x = level;
    for (std::size_t i = 0; i < n; ++i) {
        const double c = x = q(x + test::unit(seed) * scale * (test::splitmix(seed) % 19 == 0 ? 8.0 : 1.0));
        out.push_back(bar(q(c + std::fabs(test::unit(seed)) * scale), q(c - std::fabs(test::unit(seed)) * scale), c));
    }
    return out;
}

// Ranges that vary, then runs of one repeated candle: a wide one (where sums about an anchor keep
// a residue), flat at 0.1, flat at 0.
Candles flats() {
    Candles out;
    for (double h : {1.3, 0.4, 1.3, 1.7, 1.1, 1.5, 1.4, 0.2, 1.5}) out.push_back(bar(h, 0.0, h / 2));
    out.insert(out.end(), 30, bar(0.7, 0.0, 0.35));
    for (const Candle& c : walk(30, 4, 0.1, 0.05)) out.push_back(c);
    out.insert(out.end(), 30, bar(0.1, 0.1, 0.1));
    out.insert(out.end(), 25, bar(0.0, 0.0, 0.0));
    return out;
}

// The built type's value and second output per bar (NaN for the single-output yo-yo exit),
// checking that the value is the first output.
Outs run(const std::string& type, const Vec& params, const Candles& k) {
    auto built = build_indicator(type, params);
    if (!built) ADD_FAILURE() << type << ": " << built.error().display();
    Outs out(k.size());
    for (std::size_t t = 0; built && t < k.size(); ++t) {
        BarContext ctx;
        ctx.candle = &k[t];
        const OptionalValue v = (*built)->update(ctx);
        const auto list = (*built)->outputs();
        EXPECT_TRUE(!v || list.empty() || (list.size() == 2 && same_bits(list[0].value, *v))) << type;
        if (v) out[t] = list.empty() ? Pair{*v, kNaN} : Pair{list[0].value, list[1].value};
    }
    return out;
}

// Both outputs bit for bit, or within tol times max(|want|, 1).
bool same(const std::optional<Pair>& got, const std::optional<Pair>& want, double tol = 0.0) {
    if (!got || !want) return got.has_value() == want.has_value();
    for (int j = 0; j < 2; ++j)
        if (tol > 0 ? !(std::fabs((*got)[j] - (*want)[j]) <= tol * std::max(std::fabs((*want)[j]), 1.0)) : !same_bits((*got)[j], (*want)[j]))
            return false;
    return true;
}

// ------------------------------------------------------------------ plain recomputations

double mid(const Candle& c) { return (c.high + c.low) * 0.5; }

// Wilder's ATR: the mean of the first n true ranges (the first is high - low), then
// fma(ATR, n - 1, TR) * (1 / n).
test::Series ref_atr(const Candles& k, std::size_t n) {
    test::Series out(k.size());
    double seed = 0.0, atr = 0.0;
    for (std::size_t t = 0; t < k.size(); ++t) {
        const double hl = k[t].high - k[t].low;
        const double tr = t == 0 ? hl : std::max({hl, std::fabs(k[t].high - k[t - 1].close), std::fabs(k[t].low - k[t - 1].close)});
        if (t + 1 < n) seed += tr;
        else out[t] = atr = t + 1 == n ? (seed + tr) / double(n) : std::fma(atr, double(n) - 1.0, tr) * (1.0 / double(n));
    }
    return out;
}

// The highest high and the lowest low of the last n candles up to t, by scan.
Pair extremes(const Candles& k, std::size_t t, std::size_t n) {
    Pair e{-INFINITY, INFINITY};
    for (std::size_t i = t + 1 - n; i <= t; ++i) e = {std::max(e[0], k[i].high), std::min(e[1], k[i].low)};
    return e;
}

// Whether the close breaks the line of trend D (at or beyond it holds).
bool breaks(double D, double close, double line) { return D > 0 ? close < line : close > line; }

// The trend machine: long, the line rises to the long candidate and holds while the close is at
// or above it, else it flips to the short candidate; short, the mirror image.
struct Trend {
    double line = 0.0, dir = 0.0;
    Pair step(double close, double lc, double sc, double first = 1.0) {
        if (dir == 0.0) dir = first, line = first > 0 ? lc : sc;
        else if (line = dir > 0 ? std::max(line, lc) : std::min(line, sc); breaks(dir, close, line))
            dir = -dir, line = dir > 0 ? lc : sc;
        return {line, dir};
    }
};

Outs ref_super_trend(const Candles& k, std::size_t n, double m) {
    const auto atr = ref_atr(k, n);
    Outs out(k.size());
    double U = 0, L = 0, C = 0, D = 0;
    for (std::size_t t = 0; t < k.size(); ++t) {
        if (!atr[t]) continue;
        const double up = mid(k[t]) + m * *atr[t], lo = mid(k[t]) - m * *atr[t], c = k[t].close;
        U = D == 0 || up < U || C > U ? up : U, L = D == 0 || lo > L || C < L ? lo : L;
        D = D == 0 ? 1 : D > 0 ? (c >= L ? 1 : -1) : (c <= U ? -1 : 1);
        C = c, out[t] = Pair{D > 0 ? L : U, D};
    }
    return out;
}

// Starts a stops a ATRs from the close, then steps it s ATRs toward the price each bar.
Outs ref_atr_ratchet(const Candles& k, std::size_t n, double a, double s) {
    const auto atr = ref_atr(k, n);
    Outs out(k.size());
    double S = 0, D = 0;
    for (std::size_t t = 0; t < k.size(); ++t) {
        if (!atr[t]) continue;
        const double c = k[t].close, x = *atr[t];
        if (D != 0) S += D * s * x;
        if (D == 0 || breaks(D, c, S)) D = D == 0 ? 1 : -D, S = c - D * a * x;
        out[t] = Pair{S, D};
    }
    return out;
}

// Armed or not, the exit line only ever rises to close - k ATR: firing leaves it where it is, and
// re-arming needs a close above line + k ATR, which raises it to close - k ATR all the same.
Outs ref_yoyo(const Candles& k, std::size_t n, double m) {
    const auto atr = ref_atr(k, n);
    Outs out(k.size());
    std::optional<double> line;
    for (std::size_t t = 0; t < k.size(); ++t) {
        if (!atr[t]) continue;
        const double x = k[t].close - m * *atr[t];
        line = line ? std::max(*line, x) : x, out[t] = Pair{*line, kNaN};
    }
    return out;
}

Outs ref_nrtr(const Candles& k, double p) {
    Outs out(k.size());
    double E = 0, S = 0, D = 0;
    for (const Candle& b : k) {
        const double c = b.close;
        if (D != 0) E = D > 0 ? std::max(E, c) : std::min(E, c), S = (1 - D * p / 100) * E;
        if (D == 0 || breaks(D, c, S)) D = D == 0 ? 1 : -D, E = c, S = (1 - D * p / 100) * c;
        out[&b - k.data()] = Pair{S, D};
    }
    return out;
}

Outs ref_modified_ma(const Candles& k, std::size_t n) {
    Outs out(k.size());
    double sum = 0, ma = 0;
    Trend trend;
    for (std::size_t t = 0; t < k.size(); ++t) {
        const double c = k[t].close;
        if (t + 1 < n) sum += c;
        else ma = t + 1 == n ? (sum + c) / double(n) : (ma * (double(n) - 1) + c) / double(n);
        if (t + 1 >= n) out[t] = trend.step(c, ma, ma, c < ma ? -1.0 : 1.0);
    }
    return out;
}

// Penetrations of the previous bar's low (down) and high (up) averaged over the bars of the last
// n taken that penetrated, each window summed afresh. A bar whose penetrations, sums or candidates
// leave the doubles is refused: none, the windows as they were, and the next bar's penetrations
// measured from it all the same.
Outs ref_safe_zone(const Candles& k, std::size_t n, double m) {
    Outs out(k.size());
    Trend trend;
    Vec downs, ups;  // of the bars taken
    const auto avg = [n](const Vec& pens, double& sum) {
        double count = 0;
        sum = 0;
        for (std::size_t i = pens.size() - n; i < pens.size(); ++i) sum += pens[i], count += pens[i] > 0;
        return count > 0 ? sum / count : 0.0;
    };
    for (std::size_t t = 1; t < k.size(); ++t) {
        const double down = k[t - 1].low - k[t].low, up = k[t].high - k[t - 1].high;
        if (!std::isfinite(down) || !std::isfinite(up)) continue;
        downs.push_back(std::max(down, 0.0)), ups.push_back(std::max(up, 0.0));
        if (downs.size() < n) continue;
        double down_sum, up_sum;
        const double lc = k[t].low - m * avg(downs, down_sum), sc = k[t].high + m * avg(ups, up_sum);
        if (!(std::isfinite(down_sum) && std::isfinite(up_sum) && std::isfinite(lc) && std::isfinite(sc))) {
            downs.pop_back(), ups.pop_back();
            continue;
        }
        out[t] = trend.step(k[t].close, lc, sc);
    }
    return out;
}

// Mean and sample variance of the last n two-bar ranges taken, in two passes (a window of one
// range is that range with no spread); the line hangs from the trend's extreme. A bar whose
// range, spread or line leaves the doubles is refused: none, the window and line as they were,
// and the next range reaching to it all the same.
Outs ref_kase(const Candles& k, std::size_t n, double m) {
    Outs out(k.size());
    double E = 0, S = 0, D = 0;
    Vec ranges;  // of the bars taken
    for (std::size_t t = 1; t < k.size(); ++t) {
        const double r = std::max(k[t].high, k[t - 1].high) - std::min(k[t].low, k[t - 1].low);
        if (!std::isfinite(r)) continue;
        ranges.push_back(r);
        if (ranges.size() < n) continue;
        double sum = 0, ss = 0;
        bool same = true;
        for (std::size_t i = ranges.size() - n; i < ranges.size(); ++i) sum += ranges[i], same = same && same_bits(ranges[i], r);
        const double mean = same ? r : sum / double(n);
        for (std::size_t i = ranges.size() - n; i < ranges.size(); ++i) ss += (ranges[i] - mean) * (ranges[i] - mean);
        const double dev = mean + m * std::sqrt(same ? 0.0 : ss / double(n - 1));
        double e = E, s = S, d = D;
        if (d != 0) e = d > 0 ? std::max(e, k[t].high) : std::min(e, k[t].low), s = d > 0 ? std::max(s, e - dev) : std::min(s, e + dev);
        if (d == 0 || breaks(d, k[t].close, s)) d = d == 0 ? 1 : -d, e = d > 0 ? k[t].high : k[t].low, s = e - d * dev;
        if (!std::isfinite(dev) || !std::isfinite(s)) {
            ranges.pop_back();
            continue;
        }
        E = e, S = s, D = d, out[t] = Pair{S, D};
    }
    return out;
}

Outs ref_chandelier(const Candles& k, std::size_t n, double m) {
    const auto atr = ref_atr(k, n);
    Outs out(k.size());
    for (std::size_t t = n - 1; t < k.size(); ++t) out[t] = Pair{extremes(k, t, n)[0] - m * *atr[t], extremes(k, t, n)[1] + m * *atr[t]};
    return out;
}

// The lowest of the last q first low stops and the highest of the last q first high stops.
Outs ref_chande_kroll(const Candles& k, std::size_t p, double x, std::size_t q) {
    const Outs first = ref_chandelier(k, p, x);  // {first high stop, first low stop}
    Outs out(k.size());
    for (std::size_t t = p + q - 2; t < k.size(); ++t) {
        Pair s{INFINITY, -INFINITY};
        for (std::size_t i = t + 1 - q; i <= t; ++i) s = {std::min(s[0], (*first[i])[1]), std::max(s[1], (*first[i])[0])};
        out[t] = s;
    }
    return out;
}

Outs ref_donchian(const Candles& k, std::size_t n) {
    Outs out(k.size());
    for (std::size_t t = n - 1; t < k.size(); ++t) out[t] = Pair{extremes(k, t, n)[1], extremes(k, t, n)[0]};
    return out;
}

Outs ref_zigzag(const Candles& k, double th) {
    Outs out(k.size());
    double D = 1, E = k.empty() ? 0 : k[0].high;
    for (std::size_t t = 1; t < k.size(); ++t) {
        if (D > 0 && k[t].high > E) E = k[t].high;
        else if (D < 0 && k[t].low < E) E = k[t].low;
        else if (D > 0 ? k[t].low <= E * (1 - th) : k[t].high >= E * (1 + th))
            out[t] = Pair{E, D}, D = -D, E = D > 0 ? k[t].high : k[t].low;
    }
    return out;
}

// ------------------------------------------------------------------ the table

struct Row {
    std::string type;
    Vec params;
    std::function<Outs(const Candles&)> ref;
    double tol = 0.0;  // relative to max(|value|, 1); 0: bit for bit
};

TEST(MultiOutputStops, MatchPlainRecomputations) {
    const std::vector<Row> rows = {
        {"SuperTrend", {10, 3}, [](auto& k) { return ref_super_trend(k, 10, 3); }},
        {"SuperTrend", {1, 0.5}, [](auto& k) { return ref_super_trend(k, 1, 0.5); }},
        {"AtrRatchet", {5, 2, 0.2}, [](auto& k) { return ref_atr_ratchet(k, 5, 2, 0.2); }},
        {"AtrRatchet", {1, 1, 0.5}, [](auto& k) { return ref_atr_ratchet(k, 1, 1, 0.5); }},
        {"YoyoExit", {7, 1.5}, [](auto& k) { return ref_yoyo(k, 7, 1.5); }},
        {"Nrtr", {3}, [](auto& k) { return ref_nrtr(k, 3); }},
        {"ModifiedMaStop", {6}, [](auto& k) { return ref_modified_ma(k, 6); }},
        {"ModifiedMaStop", {2}, [](auto& k) { return ref_modified_ma(k, 2); }},
        {"ElderSafeZone", {10, 2}, [](auto& k) { return ref_safe_zone(k, 10, 2); }, 1e-12},
        {"ElderSafeZone", {1, 1}, [](auto& k) { return ref_safe_zone(k, 1, 1); }},
        {"KaseDevStop", {10, 1.5}, [](auto& k) { return ref_kase(k, 10, 1.5); }, 1e-12},
        {"KaseDevStop", {4, 1}, [](auto& k) { return ref_kase(k, 4, 1); }, 1e-12},
        {"ChandelierExit", {22, 3}, [](auto& k) { return ref_chandelier(k, 22, 3); }},
        {"ChandeKrollStop", {10, 1, 9}, [](auto& k) { return ref_chande_kroll(k, 10, 1, 9); }},
        {"ChandeKrollStop", {3, 2, 2}, [](auto& k) { return ref_chande_kroll(k, 3, 2, 2); }},
        {"DonchianStop", {20}, [](auto& k) { return ref_donchian(k, 20); }},
        {"ZigZag", {0.02}, [](auto& k) { return ref_zigzag(k, 0.02); }},
    };
    for (const Candles& k : {walk(400, 7, 100.0, 1.5), walk(300, 5, 0.0, 0.75, true), flats()})
        for (const Row& r : rows) {
            const Outs got = run(r.type, r.params, k), want = r.ref(k);
            for (std::size_t t = 0; t < k.size(); ++t)
                ASSERT_TRUE(same(got[t], want[t], r.tol)) << test::describe(r.type, r.params) << " bar " << t;
        }
}

// The last bar's outputs of worked cases.
TEST(MultiOutputStops, WorkedCases) {
    const std::vector<std::tuple<std::string, Vec, Candles, Pair>> pins = {
        // Down 1 and 0.5 leave the window [0.5, 0]: the mean over the one penetration is 0.5, so the
        // line rises to -1.5 - 0.5 and the trend holds.
        {"ElderSafeZone", {2, 1}, {bar(1e17, 1e17, 1e17), bar(1e17, 0, 0), bar(0, -1, -1), bar(-1, -1.5, -1.5),
                                   bar(-1.5, -1.5, -1.5)}, {-2, 1}},
        // n = 3: 1e17 absorbed 1 and 0.5 when last re-summed; once both 1e17 and 1 have left, the
        // running sum is -1 with 0.5 held. Its mean is 0, not negative: the line stays at the low.
        {"ElderSafeZone", {3, 1}, {bar(1e17, 1e17, 1e17), bar(1e17, 1e17, 1e17), bar(0, 0, 0), bar(-1, -1, -1),
                                   bar(-1.5, -1.5, -1.5), bar(-1.5, -1.5, -1.5), bar(-1.5, -1.5, -1.5)}, {-1.5, 1}},
        {"Nrtr", {10}, {bar(100, 100, 100), bar(110, 110, 110)}, {99, 1}},
        {"Nrtr", {10}, {bar(100, 100, 100), bar(110, 110, 110), bar(98, 98, 98)}, {1.1 * 98, -1}},
        // A high equal to the leg's extreme does not extend it: it is tested, and reverses.
        {"ZigZag", {0.1}, {bar(100, 99, 99), bar(110, 105, 105), bar(120, 115, 115), bar(120, 108, 108)}, {120, 1}},
        // A range beyond the doubles is refused; the next true range reaches to its close of 0:
        // 12 for a candle of 12 / 9 / 11, 20 for one of 20 / 19 / 19.5 (not 3 and 9 from 11).
        {"ChandelierExit", {1, 1}, {bar(12, 9, 11), bar(1.7e308, -1.7e308, 0), bar(12, 9, 11)}, {12 - 12, 9 + 12}},
        {"ChandeKrollStop", {1, 1, 1}, {bar(12, 9, 11), bar(1.7e308, -1.7e308, 0), bar(12, 9, 11)}, {9 + 12, 12 - 12}},
        {"AtrRatchet", {1, 1, 0.5}, {bar(12, 9, 11), bar(1.7e308, -1.7e308, 0), bar(12, 9, 11)}, {11 + 12, -1}},
        {"SuperTrend", {1, 1}, {bar(12, 9, 11), bar(1.7e308, -1.7e308, 0), bar(20, 19, 19.5)}, {10.5 - 3, 1}},
        {"YoyoExit", {1, 1}, {bar(12, 9, 11), bar(1.7e308, -1.7e308, 0), bar(20, 19, 19.5)}, {11 - 3, kNaN}},
    };
    for (const auto& [type, params, k, last] : pins) EXPECT_TRUE(same(run(type, params, k).back(), last)) << test::describe(type, params);
}

// A candle whose range, penetration or line leaves the doubles gives no value. With the close of
// the candle before (all that the ATR stops measure the next bar from) it changes nothing: the
// other bars give what they give without it.
TEST(MultiOutputStops, CandlesBeyondTheDoublesChangeNothing) {
    const Candles base = walk(60, 9, 50.0, 1.0);
    const Candle wide = bar(1.7e308, -1.7e308, base[29].close), deep = bar(-1.7e308, -1.7e308, -1.7e308);
    const std::vector<std::tuple<std::string, Vec, Candle>> rows = {
        {"SuperTrend", {5, 2}, wide}, {"ChandelierExit", {5, 2}, wide}, {"ChandeKrollStop", {4, 1, 3}, wide}, {"Nrtr", {50}, deep},
    };
    for (const auto& [type, params, bad] : rows) {
        Candles k = base;
        k.insert(k.begin() + 30, bad);
        Outs got = run(type, params, k), want = run(type, params, base);
        EXPECT_FALSE(got[30]) << type;
        got.erase(got.begin() + 30);
        for (std::size_t t = 0; t < base.size(); ++t) ASSERT_TRUE(same(got[t], want[t])) << type << " bar " << t;
    }
}

// The stops that measure a bar from the one before (its high and low) measure the bar after a
// refused one from it: the SafeZone's next penetrations are 0, and Kase's next two-bar range
// spans the refused candle too; then the run goes on.
TEST(MultiOutputStops, TheBarAfterARefusedOneIsMeasuredFromIt) {
    Candles k = walk(60, 9, 50.0, 1.0);
    k.insert(k.begin() + 30, bar(1.7e308, -1.7e308, 0.0));
    const std::vector<Row> rows = {
        {"ElderSafeZone", {5, 2}, [](auto& c) { return ref_safe_zone(c, 5, 2); }, 1e-12},
        {"ElderSafeZone", {1, 1}, [](auto& c) { return ref_safe_zone(c, 1, 1); }},
        {"KaseDevStop", {5, 2}, [](auto& c) { return ref_kase(c, 5, 2); }, 1e-12},
    };
    for (const Row& r : rows) {
        const Outs got = run(r.type, r.params, k), want = r.ref(k);
        EXPECT_FALSE(want[30]) << r.type;
        for (std::size_t t = 0; t < k.size(); ++t) ASSERT_TRUE(same(got[t], want[t], r.tol)) << test::describe(r.type, r.params) << " bar " << t;
    }
    // ElderSafeZone 1 1: no penetration of the refused candle's low, so the line rises from 7 to
    // the low of 7.8 (not 7.8 - 0.2, as from the candle before it).
    EXPECT_TRUE(same(run("ElderSafeZone", {1, 1}, {bar(10, 9, 9.5), bar(11, 8, 9), bar(1.7e308, -1.7e308, 9), bar(12, 7.8, 9.5)})[3],
                     Pair{7.8, 1.0}));
}

}  // namespace
}  // namespace prynox
