// The volume classification and pressure lines, built from the registry and fed candles, against
// plain recomputations over the accepted candles; ties and windows without volume after
// variation; candles whose derived terms leave the doubles.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/volume_candles.hpp"

namespace prynox {
namespace {

using namespace test;
constexpr double kInf = std::numeric_limits<double>::infinity();

Series ref_better_volume(const Candles& cs, const Vec& p) {
    return each_window(cs, static_cast<std::size_t>(p[0]), [](std::span<const Candle> w) {
        double min_v = kInf, max_vr = -kInf, max_vpr = -kInf;
        for (const Candle& e : w.first(w.size() - 1)) {
            const double r = e.high - e.low;
            min_v = std::min(min_v, e.volume), max_vr = std::max(max_vr, e.volume * r);
            if (r > 0.0) max_vpr = std::max(max_vpr, e.volume / r);
        }
        const Candle& c = w.back();
        const double r = c.high - c.low;
        const bool churn = r > 0.0 && c.volume / r > max_vpr;
        if (c.volume * r > max_vr) return churn ? 4.0 : c.close < c.open ? -3.0 : 3.0;
        return churn ? 2.0 : c.volume < min_v ? 1.0 : 0.0;
    });
}

Series ref_demand_index(const Candles& cs, const Vec& p) {
    const std::size_t n = static_cast<std::size_t>(p[0]);
    const double alpha = 2.0 / (p[0] + 1.0);
    const auto wp = [](const Candle& c) { return ((c.high + c.low) + (c.close + c.close)) * 0.25; };
    Series out(cs.size());
    double last = 0.0, buy = 0.0, sell = 0.0;
    bool started = false;
    for (std::size_t t = n; t < cs.size(); ++t) {
        double sv = 0.0, sr = 0.0;
        for (std::size_t i = t + 1 - n; i <= t; ++i)
            sv += cs[i].volume,
                sr += std::max(cs[i].high, cs[i - 1].high) - std::min(cs[i].low, cs[i - 1].low);
        const double av = sv / p[0], ar = sr / p[0], pr = wp(cs[t]), pp = wp(cs[t - 1]);
        if (av != 0.0 && pr != 0.0 && pp != 0.0 && ar != 0.0) {
            const double change = (pr - pp) / std::min(pr, pp), vr = cs[t].volume / av;
            const double q = vr / std::exp(std::min(std::fabs(change) * ((pr * 3.0) / ar), 88.0));
            const double bp = change > 0.0 ? vr : q, sp = change > 0.0 ? q : vr;
            buy = started ? std::fma(alpha, bp, (1.0 - alpha) * buy) : bp;
            sell = started ? std::fma(alpha, sp, (1.0 - alpha) * sell) : sp;
            started = true;
            last = buy > sell ? 100.0 * (1.0 - sell / buy) : buy < sell ? -100.0 * (1.0 - buy / sell) : 0.0;
        }
        out[t] = last;
    }
    return out;
}

Series ref_trade_volume_index(const Candles& cs, const Vec& p) {
    Series out(cs.size());
    double direction = 0.0, index = 0.0;
    for (std::size_t t = 1; t < cs.size(); ++t) {
        const double change = cs[t].close - cs[t - 1].close;
        direction = change > p[0] ? 1.0 : change < -p[0] ? -1.0 : direction;
        out[t] = index += cs[t].volume * direction;
    }
    return out;
}

Series ref_tsv(const Candles& cs, const Vec& p) {
    const Vec terms = changes(cs, [](const Candle& c, const Candle& q) { return c.volume * (c.close - q.close); });
    return from_second(each_window(terms, static_cast<std::size_t>(p[0]), sum_of));
}

const VolumeFormula kFormulas[] = {
    {"BetterVolume", {{1}, {2}, {20}}, ref_better_volume},
    {"DemandIndex", {{1}, {3}, {19}}, ref_demand_index, 1e-9},
    {"TradeVolumeIndex", {{0}, {0.5}}, ref_trade_volume_index},
    {"Tsv", {{1}, {13}}, ref_tsv, 1e-9},
};

TEST(VolumePressureTest, MatchPlainRecomputations) { expect_formulas(kFormulas); }

TEST(VolumePressureTest, EmptyWindowsAfterVariation) {
    // Terms 0.1 and 0.2 leave 2.8e-17 in the sum once the closes stop moving.
    const CandlePin tsv = {"unchanged closes", "Tsv", {2}, {flat(1), vbar(2, 2, 2, 2, 0.1), vbar(3, 3, 3, 3, 0.2), flat(3), flat(3)}, {0.0}};
    expect_candle_pins({&tsv, 1});
    // Two-bar ranges 1.3 and 1.2000000000000002 leave -2.2e-16 in the range sum once the candles
    // stop moving: the window holds no range, so the last value repeats (the sum would feed equal
    // pressures to the averages and move the value).
    const Series got = run_candles("DemandIndex", {2}, {vbar(1, 1.2, 1, 1, 1), vbar(1, 1.1, 1 - 1.1, 1, 1), flat(1), flat(1), flat(1)});
    EXPECT_TRUE(got[3] && got[4] == got[3]);
}

TEST(VolumePressureTest, TermsBeyondTheDoublesAreRefused) {
    const Candles bars = volume_candles(120, 3, false);
    for (std::size_t at : {1u, 60u}) {
        for (const char* type : {"BetterVolume", "DemandIndex"}) expect_candles_refused(type, {3}, bars, at, {kEndless});
        // The next change is taken from the refused close: back to the close before it (a change
        // beyond the doubles again), the run goes on as without them.
        const double c = bars[at - 1].close;
        expect_candles_refused("Tsv", {3}, bars, at, {kEndless, vbar(c, c, c, c, 1000)});
    }
    Candles huge = bars;
    huge.insert(huge.begin() + 50, vbar(200, 200, 200, 200, 1e308));  // a rise: the index holds 1e308
    expect_candles_refused("TradeVolumeIndex", {0}, huge, 51, {vbar(300, 300, 300, 300, 1e308)});
}

// The bar after a refused one is measured from it.
TEST(VolumePressureTest, TheBarAfterARefusedOneIsMeasuredFromIt) {
    const Candle first = vbar(10, 12, 8, 10, 1), wide{0, 0, 1.7e308, -1.7e308, 0, 1};
    const CandlePin pins[] = {
        // 9e307 after the refused 1e308 is a fall of 1e307, not a rise from 10.
        {"a term beyond the doubles", "Tsv", {1}, {flat(10), vbar(1e308, 1e308, 1e308, 1e308, 2), flat(9e307)}, {N, 9e307 - 1e308}},
        // 250 after the refused 300 turns the direction down.
        {"an index beyond the doubles", "TradeVolumeIndex", {0},
         {flat(1), vbar(200, 200, 200, 200, 1e308), vbar(300, 300, 300, 300, 1e308), vbar(250, 250, 250, 250, 5e307)},
         {1e308, N, 1e308 - 5e307}},
        // The two-bar range of the candle after a refused one spans it and is refused too; the
        // one after that is measured from that candle: no change, equal pressures.
        {"a two-bar range beyond the doubles", "DemandIndex", {1}, {first, wide, first, first}, {N, N, N, 0.0}},
    };
    expect_candle_pins(pins);
}

}  // namespace
}  // namespace prynox
