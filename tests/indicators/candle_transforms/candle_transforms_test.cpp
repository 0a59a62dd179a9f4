// The candle transforms against plain recomputations over the accepted candles: every output on
// every bar, bit for bit; the worked first candle and the refusals that keep the state finite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Candles;
using Vec = std::vector<double>;
using Lines = std::vector<std::optional<Vec>>;

Lines run_lines(const std::string& type, const Vec& params, const Candles& bars) {
    auto built = build_indicator(type, params);
    Lines out;
    BarContext ctx;
    for (const Candle& c : bars) {
        ctx.candle = &c;
        auto& l = out.emplace_back();
        if (!(*built)->update(ctx)) continue;
        l.emplace();
        for (const auto& o : (*built)->outputs()) l->push_back(o.value);
    }
    return out;
}

double mid(double a, double b) {
    return std::fabs(a) <= 8.988465674311579e307 && std::fabs(b) <= 8.988465674311579e307 ? (a + b) * 0.5 : a * 0.5 + b * 0.5;
}

// The Heikin-Ashi candles of the rows of prices (open, high, low, close) present in order.
Lines ref_heikin_ashi(const std::vector<test::Series>& p) {
    Lines out(p[0].size());
    std::optional<Vec> prev;
    for (std::size_t t = 0; t < out.size(); ++t) {
        if (!p[0][t]) continue;
        const double o = *p[0][t], h = *p[1][t], l = *p[2][t], c = *p[3][t], close = (((o + h) + l) + c) * 0.25;
        const double open = prev ? mid((*prev)[0], (*prev)[3]) : mid(o, c);
        prev = out[t] = Vec{open, std::max({h, open, close}), std::min({l, open, close}), close};
    }
    return out;
}

Lines ref_transform(const char* type, const Vec& p, const Candles& k) {
    std::vector<Vec> prices(5);
    for (const Candle& c : k)
        for (std::size_t f = 0; f < 5; ++f) prices[f].push_back(std::vector{c.open, c.high, c.low, c.close, c.volume}[f]);
    const std::string name = type;
    if (name == "HeikinAshi" || name == "SmoothedHeikinAshi") {
        std::vector<test::Series> rows;
        for (std::size_t f = 0; f < 4; ++f) rows.push_back(p.empty() ? test::lift(prices[f]) : test::ref_ema(prices[f], p[0]));
        return ref_heikin_ashi(rows);
    }
    const test::Series average = test::ref_sma(prices[4], p[0]);
    Lines out(k.size());
    for (std::size_t t = 0; t < k.size(); ++t)
        if (average[t]) out[t] = Vec{name == "CandleVolume" ? k[t].close - k[t].open : k[t].high - k[t].low, *average[t] > 0.0 ? k[t].volume / *average[t] : 0.0};
    return out;
}

// Varied candles with varied volumes, zeros among them and a run of 40 zero volumes.
Candles with_volumes(Candles bars) {
    for (std::size_t i = 0; i < bars.size(); ++i)
        if (bars[i].volume >= 0) bars[i].volume = (i >= 400 && i < 440) || i % 9 == 0 ? 0.0 : (i * 37 % 101) * 10.3;
    return bars;
}

TEST(CandleTransformsTest, EveryOutputMatchesPlainRecomputation) {
    for (const Candles& bars : {with_volumes(test::varied_candles(700, 5, true)), with_volumes(test::grid_candles(500, 9))}) {
        const Candles k = test::accepted_candles(bars);
        for (const auto& [type, params] : std::vector<std::pair<const char*, std::vector<Vec>>>{
                 {"HeikinAshi", {{}}}, {"SmoothedHeikinAshi", {{1}, {3}, {10}}}, {"CandleVolume", {{1}, {20}}}, {"Equivolume", {{1}, {20}}}})
            for (const Vec& p : params) {
                const Lines per_accepted = ref_transform(type, p, k);
                Lines want;
                for (std::size_t i = 0, j = 0; i < bars.size(); ++i) want.push_back(candle_passes(bars[i]) ? per_accepted[j++] : std::nullopt);
                const Lines got = run_lines(type, p, bars);
                for (std::size_t i = 0; i < bars.size(); ++i)
                    ASSERT_TRUE(got[i] == want[i] && (!got[i] || std::equal(got[i]->begin(), got[i]->end(), want[i]->begin(), test::same_bits)))
                        << test::describe(type, p) << " bar " << i;
            }
    }
    EXPECT_EQ(run_lines("HeikinAshi", {}, {bar(10, 12, 9, 11)})[0], (Vec{10.5, 12, 9, 10.5}));
}

// A candle whose Heikin-Ashi close overflows is refused (every later open would be infinite), by
// the four averages of the smoothed type together, as is one whose seed sum overflows for one
// average only; a volume that takes the average's sum beyond the doubles is refused too.
TEST(CandleTransformsTest, OverflowsAreRefused) {
    const Candles k = test::accepted_candles(with_volumes(test::varied_candles(200, 3, false)));
    const Candle bad = bar(1e308, 1.5e308, 1e308, 1.2e308);
    for (const auto& [type, p] : {std::pair{"HeikinAshi", Vec{}}, std::pair{"SmoothedHeikinAshi", Vec{1}}, std::pair{"SmoothedHeikinAshi", Vec{3}}})
        test::expect_candles_refused(type, p, k, 100, {bad});
    Candles seeding = k;
    seeding.insert(seeding.begin() + 1, bar(0, 1.7e308, 0, 0));
    test::expect_candles_refused("SmoothedHeikinAshi", {5}, seeding, 2, {bar(0, 1.7e308, 0, 0)});
    Candles loud = k;
    loud[50].volume = 1.7e308;
    Candle louder = k[60];
    louder.volume = 1.7e308;
    for (const char* type : {"CandleVolume", "Equivolume"}) test::expect_candles_refused(type, {20}, loud, 60, {louder});
}

}  // namespace
}  // namespace prynox
