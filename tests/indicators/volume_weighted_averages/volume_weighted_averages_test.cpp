// The volume-weighted averages and the session VWAP, built from the registry and fed candles,
// against plain recomputations over the accepted candles; windows and days without volume; day
// boundaries; candles whose weighted prices leave the doubles.
#include <gtest/gtest.h>

#include <cmath>

#include "support/volume_candles.hpp"

namespace prynox {
namespace {

using namespace test;

Series ref_evwma(const Candles& cs, const Vec& p) {
    const std::size_t n = at(p, 0);
    Series out(cs.size());
    std::optional<double> value;
    for (std::size_t t = n - 1; t < cs.size(); ++t) {
        double s = 0.0;
        for (std::size_t i = t + 1 - n; i <= t; ++i) s += cs[i].volume;
        const Candle& c = cs[t];
        const double prev = value.value_or(c.close);
        out[t] = value = s > 0.0 ? ((c.close * c.volume) + ((s - c.volume) * prev)) / s : prev;
    }
    return out;
}

// No volume in the window, no value.
Series ref_rolling_vwap(const Candles& cs, const Vec& p) {
    Series out(cs.size());
    for (std::size_t t = at(p, 0) - 1; t < cs.size(); ++t) {
        double pv = 0.0, v = 0.0;
        for (std::size_t i = t + 1 - at(p, 0); i <= t; ++i) pv += typical(cs[i]) * cs[i].volume, v += cs[i].volume;
        if (v != 0.0) out[t] = pv / v;
    }
    return out;
}

std::int64_t floor_by(std::int64_t a, std::int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }

Series ref_session_vwap(const Candles& cs, const Vec& p) {
    Series out;
    std::int64_t day = 0;
    double pv = 0.0, v = 0.0;
    for (std::size_t t = 0; t < cs.size(); ++t) {
        const std::int64_t d = floor_by(floor_by(cs[t].time, 1000) + static_cast<std::int64_t>(p[0]) * 60, 86400);
        if (t == 0 || d != day) day = d, pv = 0.0, v = 0.0;
        pv += cs[t].volume * typical(cs[t]), v += cs[t].volume;
        out.push_back(v > 0.0 ? pv / v : typical(cs[t]));
    }
    return out;
}

const VolumeFormula kFormulas[] = {
    {"Evwma", {{1}, {2}, {20}}, ref_evwma, 1e-9},
    {"RollingVwap", {{1}, {3}, {20}}, ref_rolling_vwap, 1e-9, 1},
    {"SessionVwap", {{0}, {-300}, {90}}, ref_session_vwap},
};

TEST(VolumeWeightedAveragesTest, MatchPlainRecomputations) { expect_formulas(kFormulas); }

Candle tick(std::int64_t time, double price, double volume) { return Candle{time, price, price, price, price, volume}; }

TEST(VolumeWeightedAveragesTest, WorkedCases) {
    const Candle none = vbar(4, 4, 4, 4, 0);
    const std::int64_t day = 86400000;
    const CandlePin pins[] = {
        // Volumes 1 and 0.1 leave 8.3e-17 in the volume sum once they have left: the average stays
        // (as summed, 8.3e-17 * 3.7 / 8.3e-17 is 3.7000000000000006).
        {"no volume after variation", "Evwma", {2}, {vbar(3.7, 3.7, 3.7, 3.7, 1), vbar(3.7, 3.7, 3.7, 3.7, 0.1), none, none, none},
         {3.7, 3.7, 3.7, 3.7}},
        // Volumes 0.1 and 0.2 leave 2.8e-17 in the volume sum: no volume, no value.
        {"no volume after variation", "RollingVwap", {2},
         {vbar(2, 2, 2, 2, 0.1), vbar(3, 3, 3, 3, 0.2), none, none, vbar(1, 7, 1, 1, 5)}, {N, 3.0}},
        {"a day's first candle is its typical price; -1 ms is 1969-12-31", "SessionVwap", {0},
         {tick(-day, 2, 1), tick(-1, 4, 1), tick(0, 9, 0), tick(day - 1, 5, 1), tick(day, 8, 1)}, {3.0, 9.0, 5.0, 8.0}},
        {"offset 60: the day turns at 23:00 UTC", "SessionVwap", {60},
         {tick(day - 3600001, 2, 1), tick(day - 3600000, 4, 1), tick(day - 1, 6, 1)}, {2.0, 4.0, 5.0}},
    };
    expect_candle_pins(pins);
}

TEST(VolumeWeightedAveragesTest, WeightedPricesBeyondTheDoublesAreRefused) {
    const Candles bars = volume_candles(120, 3, false);
    // Evwma reads no price before its window fills.
    for (const char* type : {"RollingVwap", "SessionVwap"}) expect_candles_refused(type, {3}, bars, 0, {kEndless});
    for (const char* type : {"Evwma", "RollingVwap", "SessionVwap"}) expect_candles_refused(type, {3}, bars, 60, {kEndless});
}

}  // namespace
}  // namespace prynox
