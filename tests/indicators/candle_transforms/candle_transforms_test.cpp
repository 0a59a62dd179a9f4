// The candle transforms against plain recomputations over the accepted candles: every output on
// every bar, bit for bit; the worked first candle and the refusals that keep the state finite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "indicators/demark_sequences/output_lines.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Candles;
using test::Lines;
using Vec = std::vector<double>;

double mid(double a, double b) {
    return std::fabs(a) <= 8.988465674311579e307 && std::fabs(b) <= 8.988465674311579e307 ? (a + b) * 0.5 : a * 0.5 + b * 0.5;
}

// HeikinAshi (no period), SmoothedHeikinAshi (the Heikin-Ashi candles of the exponential averages
// of the four prices), CandleVolume and Equivolume (the simple average's running sum of volumes).
Lines ref_transform(const std::string& type, const Vec& p, const Candles& k) {
    std::vector<Vec> f(5);
    for (const Candle& c : k) f[0].push_back(c.open), f[1].push_back(c.high), f[2].push_back(c.low), f[3].push_back(c.close), f[4].push_back(c.volume);
    std::vector<test::Series> s;
    for (const Vec& x : f) s.push_back(p.empty() ? test::lift(x) : type == "SmoothedHeikinAshi" ? test::ref_ema(x, p[0]) : test::ref_sma(x, p[0]));
    Lines out(k.size());
    for (std::size_t t = 0; t < k.size(); ++t) {
        if (!s[4][t]) continue;
        const double o = *s[0][t], h = *s[1][t], l = *s[2][t], c = *s[3][t], close = (((o + h) + l) + c) * 0.25, v = k[t].volume;
        if (type == "CandleVolume" || type == "Equivolume") {
            out[t] = Vec{type == "CandleVolume" ? k[t].close - k[t].open : k[t].high - k[t].low, *s[4][t] > 0.0 ? v / *s[4][t] : 0.0};
            continue;
        }
        const double open = t > 0 && out[t - 1] ? mid((*out[t - 1])[0], (*out[t - 1])[3]) : mid(o, c);
        out[t] = Vec{open, std::max({h, open, close}), std::min({l, open, close}), close};
    }
    return out;
}

// Varied candles with varied volumes, zeros among them and a run of 40 zero volumes.
Candles with_volumes(Candles bars) {
    for (std::size_t i = 0; i < bars.size(); ++i)
        if (bars[i].volume >= 0) bars[i].volume = (i >= 400 && i < 440) || i % 9 == 0 ? 0.0 : (i * 37 % 101) * 10.3;
    return bars;
}

TEST(CandleTransformsTest, EveryOutputMatchesPlainRecomputation) {
    for (const Candles& bars : {with_volumes(test::varied_candles(700, 5, true)), with_volumes(test::grid_candles(500, 9))})
        for (const auto& [type, p] : std::vector<std::pair<const char*, Vec>>{
                 {"HeikinAshi", {}}, {"SmoothedHeikinAshi", {1}}, {"SmoothedHeikinAshi", {3}}, {"SmoothedHeikinAshi", {10}},
                 {"CandleVolume", {1}}, {"CandleVolume", {20}}, {"Equivolume", {1}}, {"Equivolume", {20}}})
            test::expect_lines(type, p, bars, ref_transform(type, p, test::accepted_candles(bars)));
    EXPECT_EQ(test::run_lines("HeikinAshi", {}, {bar(10, 12, 9, 11)})[0], (Vec{10.5, 12, 9, 10.5}));
}

// A candle whose Heikin-Ashi close overflows is refused (every later open would be infinite), by
// the four averages of the smoothed type together, as is one whose seed sum overflows for one
// average only; a volume that takes the average's sum beyond the doubles is refused too.
TEST(CandleTransformsTest, OverflowsAreRefused) {
    Candles k = with_volumes(test::varied_candles(200, 3, false));
    for (const auto& [type, p] : {std::pair{"HeikinAshi", Vec{}}, std::pair{"SmoothedHeikinAshi", Vec{1}}, std::pair{"SmoothedHeikinAshi", Vec{3}}})
        test::expect_candles_refused(type, p, k, 100, {bar(1e308, 1.5e308, 1e308, 1.2e308)});
    k.insert(k.begin() + 1, bar(0, 1.7e308, 0, 0));
    test::expect_candles_refused("SmoothedHeikinAshi", {5}, k, 2, {bar(0, 1.7e308, 0, 0)});
    Candle loud = k[60];
    k[50].volume = loud.volume = 1.7e308;
    for (const char* type : {"CandleVolume", "Equivolume"}) test::expect_candles_refused(type, {20}, k, 60, {loud});
}

}  // namespace
}  // namespace prynox
