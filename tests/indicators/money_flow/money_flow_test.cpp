// The money-flow and volume-force lines, built from the registry and fed candles, against plain
// recomputations over the accepted candles; windows without volume or flow after variation;
// candles whose derived terms leave the doubles.
#include <gtest/gtest.h>

#include <cmath>

#include "support/volume_candles.hpp"

namespace prynox {
namespace {

using namespace test;

double mfv(const Candle& c) {
    const double r = c.high - c.low;
    return r == 0.0 ? 0.0 : c.volume * (((c.close - c.low) - (c.high - c.close)) / r);
}

Series ref_cmf(const Candles& cs, const Vec& p) {
    return each_window(cs, at(p, 0), [](std::span<const Candle> w) {
        double flow = 0.0, volume = 0.0;
        for (const Candle& c : w) flow += mfv(c), volume += c.volume;
        return volume == 0.0 ? 0.0 : flow / volume;
    });
}

// Fast minus slow EMA of x.
Series ema_difference(const Vec& x, std::size_t fast, std::size_t slow) {
    return zip(ref_ema(x, fast), ref_ema(x, slow), [](double f, double s) { return f - s; });
}

Series ref_chaikin_oscillator(const Candles& cs, const Vec& p) {
    Vec line;
    for (const Candle& c : cs) line.push_back((line.empty() ? 0.0 : line.back()) + mfv(c));
    return ema_difference(line, at(p, 0), at(p, 1));
}

Series ref_twiggs(const Candles& cs, const Vec& p) {
    const double n = p[0];
    Series out(cs.size());
    double a = 0.0, v = 0.0;
    for (std::size_t t = 1; t < cs.size(); ++t) {
        const Candle& c = cs[t];
        const double pc = cs[t - 1].close, hi = std::max(c.high, pc), lo = std::min(c.low, pc), tr = hi - lo;
        const double ad = tr <= 0.0 ? 0.0 : (c.volume * (((c.close + c.close) - hi) - lo)) / tr;
        if (static_cast<double>(t) < n) a += ad, v += c.volume;
        else if (static_cast<double>(t) == n) a = (a + ad) / n, v = (v + c.volume) / n;
        else a += (ad - a) / n, v += (c.volume - v) / n;
        if (static_cast<double>(t) >= n) out[t] = v == 0.0 ? 0.0 : a / v;
    }
    return out;
}

Series ref_mfi(const Candles& cs, const Vec& p) {
    const auto flows = changes(cs, [](const Candle& c, const Candle& q) {
        const double tp = typical(c), prev = typical(q), raw = tp * c.volume;
        return std::pair(tp > prev ? raw : 0.0, tp < prev ? raw : 0.0);
    });
    return from_second(each_window(flows, at(p, 0), [](std::span<const std::pair<double, double>> w) {
        double up = 0.0, down = 0.0;
        for (auto [u, d] : w) up += u, down += d;
        return down == 0.0 ? (up == 0.0 ? 50.0 : 100.0) : 100.0 - 100.0 / (1.0 + up / down);
    }));
}

Series ref_force_index(const Candles& cs, const Vec& p) {
    return from_second(ref_ema(changes(cs, [](const Candle& c, const Candle& q) { return c.volume * (c.close - q.close); }), at(p, 0)));
}

// A movement whose window sum leaves the doubles is none and leaves the window as it was; the
// next movement is taken from that candle's midpoint all the same.
Series ref_eom(const Candles& cs, const Vec& p) {
    const std::size_t n = at(p, 0);
    Series out(cs.size());
    Vec taken;
    for (std::size_t t = 1; t < cs.size(); ++t) {
        const Candle &c = cs[t], &q = cs[t - 1];
        const double move = (c.high + c.low) * 0.5 - (q.high + q.low) * 0.5;
        taken.push_back(c.volume == 0.0 ? 0.0 : (1e8 * ((c.high - c.low) * move)) / c.volume);
        const std::size_t held = std::min(taken.size(), n);
        const double sum = sum_of(std::span<const double>(taken).subspan(taken.size() - held, held));
        if (!std::isfinite(sum)) {
            taken.pop_back();
            continue;
        }
        if (held == n) out[t] = sum / p[0];
    }
    return out;
}

Series ref_kvo(const Candles& cs, const Vec& p) {
    Vec vf;
    double trend = 0.0, cm = 0.0;
    for (std::size_t t = 1; t < cs.size(); ++t) {
        const Candle &c = cs[t], &q = cs[t - 1];
        const double hlc = (c.high + c.low) + c.close, prev = (q.high + q.low) + q.close, dm = c.high - c.low;
        const double next = hlc > prev ? 1.0 : hlc < prev ? -1.0 : trend;
        cm = trend != 0.0 && next == trend ? cm + dm : (q.high - q.low) + dm;
        trend = next;
        vf.push_back(cm == 0.0 ? 0.0 : ((c.volume * std::fabs(2.0 * (dm / cm - 1.0))) * trend) * 100.0);
    }
    return from_second(ema_difference(vf, at(p, 0), at(p, 1)));
}

const VolumeFormula kFormulas[] = {
    {"ChaikinMoneyFlow", {{1}, {3}, {20}}, ref_cmf, 1e-9},
    {"ChaikinOscillator", {{1, 2}, {3, 10}}, ref_chaikin_oscillator},
    {"TwiggsMoneyFlow", {{1}, {2}, {21}}, ref_twiggs},
    {"Mfi", {{1}, {4}, {14}}, ref_mfi, 1e-9, 0},
    {"ForceIndex", {{1}, {13}}, ref_force_index},
    {"EaseOfMovement", {{1}, {14}}, ref_eom, 1e-9, 0},
    {"Kvo", {{1, 2}, {5, 12}}, ref_kvo},
};

TEST(MoneyFlowTest, MatchPlainRecomputations) { expect_formulas(kFormulas); }

// Windows that hold only zeros after variation: the running sums keep a residue, the counts decide.
TEST(MoneyFlowTest, EmptyWindowsAfterVariation) {
    const Candle still = vbar(1, 1, 0, 1, 0.0), still1 = vbar(1, 1, 1, 1, 0.0), one = vbar(1.1, 1.1, 1.1, 1.1, 1);
    const Candle one1 = vbar(1, 1, 1, 1, 1), quarter = vbar(0.25, 0.25, 0.25, 0.25, 1);
    const CandlePin pins[] = {
        // Volume sums 2.8e-17 and flow sums 4.9e-17 once every volume has left: 1.75 as summed.
        {"no volume", "ChaikinMoneyFlow", {2},
         {vbar(1, 1, 0, 1, 0.3), vbar(0.9, 1, 0, 0.9, 0.3), vbar(0.3, 1, 0, 0.3, 0.1), still, still}, {0.0}},
        {"no flow", "ChaikinMoneyFlow", {2}, {vbar(1, 1, 0, 1, 0.1), vbar(1, 1, 0, 1, 0.2), vbar(0.5, 1, 0, 0.5, 1), still1}, {0.0}},
        // Typical prices 1, 1.1, 1.2, 1.1, then unchanged: the rising sum keeps a residue (100).
        {"unchanged typical prices", "Mfi", {4},
         {vbar(1, 1, 1, 1, 1), vbar(1.1, 1.1, 1.1, 1.1, 0.1), vbar(1.2000000000000002, 1.2000000000000002, 1.2000000000000002, 1.2000000000000002, 0.2),
          vbar(1.1, 1.1, 1.1, 1.1, 0.1), one, one, one, one}, {50.0}},
        // Falls of 0.1 and 0.2 leave 2.8e-17 in the falling sum once both have gone: 0 as summed.
        {"unchanged after falls", "Mfi", {3},
         {one1, one1, one1, one1, vbar(0.5, 0.5, 0.5, 0.5, 0.2), vbar(0.25, 0.25, 0.25, 0.25, 0.8), quarter, quarter, quarter},
         {50.0}},
        // Movements of about 1e8 leave 8.7e-11 in the sum.
        {"no volume", "EaseOfMovement", {4},
         {vbar(1, 1, 1, 1, 1), vbar(1, 1.1, 1, 1, 0.1), vbar(1, 1.1, 1, 1, 0.1), vbar(1, 1.3, 1, 1, 3), still1, still1, still1, still1}, {0.0}},
    };
    expect_candle_pins(pins);
}

// A candle that carries a sum, a line or a range beyond the doubles is refused: kept, it would
// poison the sums (or the oscillator's line) for the rest of the run.
TEST(MoneyFlowTest, TermsBeyondTheDoublesAreRefused) {
    const Candles bars = volume_candles(120, 3, false);
    for (std::size_t at : {1u, 60u}) {
        for (const char* type : {"ChaikinMoneyFlow", "ChaikinOscillator", "Kvo"}) expect_candles_refused(type, {3, 5}, bars, at, {kEndless});
        // The next true range reaches to the refused candle's close: the one before it changes
        // nothing. A typical price whose flow leaves the doubles, then the one before it (whose
        // flow from the first does too): the run goes on as without them.
        const Candle& before = bars[at - 1];
        expect_candles_refused("TwiggsMoneyFlow", {3}, bars, at, {Candle{0, -1.7e308, 1.7e308, -1.7e308, before.close, 1000.0}});
        expect_candles_refused("Mfi", {3}, bars, at,
                               {vbar(1e5, 1e5, 1e5, 1e5, 1e307), vbar(before.open, before.high, before.low, before.close, 1e307)});
        // The next movement is taken from the refused candle's midpoint, 0.
        Candles spliced = bars;
        spliced.insert(spliced.begin() + static_cast<std::ptrdiff_t>(at), kEndless);
        const Series want = ref_eom(spliced, {3});
        ASSERT_FALSE(want[at]);
        expect_series(run_candles("EaseOfMovement", {3}, spliced), want, 1e-9, "EaseOfMovement refusing at " + std::to_string(at));
    }
    // A line of 1e308 is kept; the next such candle would take it to infinity and is refused.
    Candles huge = bars;
    huge.insert(huge.begin() + 50, vbar(1, 1, 0, 1, 1e308));
    expect_candles_refused("ChaikinOscillator", {3, 5}, huge, 70, {vbar(1, 1, 0, 1, 1e308)});
    expect_candles_refused("ChaikinMoneyFlow", {3}, huge, 51, {vbar(1, 1, 0, 1, 1e308)});
    // Lines 1e308, 0, then 1e308 again: the fast average (seeded) could take it, the slow one's seed
    // sum could not; both are left as they were.
    Candles seeds = {vbar(1, 1, 0, 1, 1e308), vbar(0, 1, 0, 0, 1e308)};
    seeds.insert(seeds.end(), bars.begin(), bars.end());
    expect_candles_refused("ChaikinOscillator", {2, 3}, seeds, 2, {vbar(1, 1, 0, 1, 1e308)});
}

// The bar after a refused one is measured from it.
TEST(MoneyFlowTest, TheBarAfterARefusedOneIsMeasuredFromIt) {
    const Candle first = vbar(10, 12, 8, 10, 1);
    const Candle wide{0, 0, 1.7e308, -1.7e308, 0, 1};
    const CandlePin pins[] = {
        // The true range of 12 / 8 / 10 reaches to the refused close of 0: (20 - 12 - 0) / 12.
        {"a true range beyond the doubles", "TwiggsMoneyFlow", {1}, {first, wide, first}, {N, 8.0 / 12.0}},
        // A typical price of 15 after the refused 20 is a fall: no rising flow.
        {"a flow beyond the doubles", "Mfi", {1}, {first, vbar(20, 22, 18, 20, 1e308), vbar(15, 17, 13, 15, 1)}, {N, 0.0}},
        // The midpoint 10 moved 10 from the refused candle's 0, over a range of 4 and 1e8 units.
        {"a movement beyond the doubles", "EaseOfMovement", {1}, {first, wide, vbar(10, 12, 8, 10, 1e8)}, {N, 40.0}},
    };
    expect_candle_pins(pins);
    // H + L + C of 1.73e308 lies below the refused candle's 1.77e308 (a turn down, with a range
    // accumulated afresh) but above the 1.7e308 before it: the force is negative.
    const Series kvo = run_candles("Kvo", {1, 2}, {vbar(1, 2, 0, 1, 1), vbar(0, 1.7e308, 0, 0, 1),
                                                   vbar(0.57e308, 0.65e308, 0.55e308, 0.57e308, 1),
                                                   vbar(0.58e308, 0.6e308, 0.55e308, 0.58e308, 1)});
    EXPECT_FALSE(kvo[2]);
    ASSERT_TRUE(kvo[3]);
    EXPECT_LT(*kvo[3], 0.0);
}

}  // namespace
}  // namespace prynox
