#pragma once
// Candle series for the candle types' tables: varied candles with rejected ones among them,
// runs of registry-built types over candles, and refusals spliced into a series.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/cores/candle_check.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox::test {

using Candles = std::vector<Candle>;

// A candle of open, high, low, close with volume 1.
inline Candle bar(double o, double h, double l, double c) { return Candle{0, o, h, l, c, 1.0}; }
// A candle whose four prices are x.
inline Candle flat(double x) { return bar(x, x, x, x); }

inline Series run_candles(std::string_view type, const std::vector<double>& params, const Candles& bars,
                          std::uint64_t* warmup = nullptr) {
    auto built = build_indicator(type, params);
    if (!built) {
        ADD_FAILURE() << type << ": " << built.error().display();
        return Series(bars.size());
    }
    if (warmup != nullptr) *warmup = (*built)->warmup_period();
    Series out;
    BarContext ctx;
    for (const Candle& c : bars) {
        ctx.candle = &c;
        out.push_back((*built)->update(ctx));
    }
    return out;
}

// n candles around 100: a walk of closes with opens near the previous close, wicks of varied
// length (none on some bars), jumps; a run of equal-price candles at 120..150 and a run of
// equal candles after variation at 260..299; with `invalid`, candles that fail their check
// (NaN, high below low, close above high, negative volume) at a few bars.
inline Candles varied_candles(std::size_t n, std::uint64_t seed, bool invalid) {
    Candles out;
    double x = 100.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i >= 120 && i <= 150) {
            out.push_back(flat(103.25));
            x = 103.25;
            continue;
        }
        if (i >= 260 && i < 300) {
            out.push_back(bar(x, x + 0.75, x - 0.5, x));
            continue;
        }
        double step = unit(seed) * 1.5;
        if (splitmix(seed) % 23 == 0) step += unit(seed) * 12.0;
        const double open = std::fabs(x + unit(seed) * 0.3) + 0.5, close = std::fabs(x + step) + 0.5;
        const std::uint64_t k = splitmix(seed) % 5;
        const double up = k == 0 ? 0.0 : std::fabs(unit(seed)) * 2.0, down = k == 1 ? 0.0 : std::fabs(unit(seed)) * 2.0;
        out.push_back({static_cast<std::int64_t>(i) * 60000, open, std::max(open, close) + up,
                       std::min(open, close) - down, close, 1000.0});
        x = close;
    }
    if (invalid) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (std::size_t i : {3u, 17u, 18u, 64u, 131u, 255u, 261u, 333u})
            if (i < n) {
                Candle& c = out[i];
                if (i % 4 == 0) c.close = nan;
                if (i % 4 == 1) std::swap(c.high, c.low), c.low += 1.0;
                if (i % 4 == 2) c.close = c.high + 1.0;
                if (i % 4 == 3) c.volume = -1.0;
            }
    }
    return out;
}

// Candles on a grid of quarters around 0: zero and negative prices, equal moves, flat bars.
inline Candles grid_candles(std::size_t n, std::uint64_t seed) {
    Candles out;
    double x = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double open = x;
        x = std::round((x + unit(seed) * 2.0) * 4.0) / 4.0 + 0.0;  // never -0.0
        const double up = std::round(std::fabs(unit(seed)) * 4.0) / 4.0, down = std::round(std::fabs(unit(seed)) * 4.0) / 4.0;
        out.push_back(i % 11 == 5 ? flat(x) : bar(open, std::max(open, x) + up, std::min(open, x) - down, x));
    }
    return out;
}

// Strict pivots whose tie sits at the window's edge: alternating segments with a spiked high (then
// a spiked low) in the middle of a flat run and a candle of the same extreme `left` + 1, `left`
// bars before it or `right`, `right` + 1 bars after it; only the ties outside the window leave a
// pivot. The spikes step away from the run (highs falling, lows rising) and end with a tie of +0
// and -0. With `probes`, each segment ends on a candle closing just beyond its spike, which
// crosses it only when the spike was a pivot.
inline Candles edge_tie_candles(std::size_t left, std::size_t right, bool probes) {
    Candles out;
    const std::size_t pad = std::max(left, right) + 2;
    const std::ptrdiff_t l = static_cast<std::ptrdiff_t>(left), r = static_cast<std::ptrdiff_t>(right);
    double level = 0.0;
    const auto segment = [&](bool high, double v, double tie, std::ptrdiff_t d) {
        const Candle base = high ? bar(-2, -1, -3, -2) : bar(2, 3, 1, 2);
        const auto spike = [&](double x) { return high ? bar(-2, x, -3, -2) : bar(2, 3, x, 2); };
        const std::size_t centre = out.size() + pad;
        out.insert(out.end(), 2 * pad + 1, base);
        out[centre] = spike(v);
        out[static_cast<std::size_t>(static_cast<std::ptrdiff_t>(centre) + d)] = spike(tie);
        if (probes) out.push_back(high ? bar(-2, v + 0.5, -3, v + 0.5) : bar(2, 3, v - 0.5, v - 0.5));
    };
    for (std::ptrdiff_t d : {-l - 1, -l, r, r + 1}) {
        level += 1.0;
        segment(true, 100.0 - level, 100.0 - level, d);
        segment(false, level - 100.0, level - 100.0, d);
    }
    for (std::ptrdiff_t d : {-l, r}) segment(true, 0.0, -0.0, d), segment(false, 0.0, -0.0, d);
    return out;
}

// The candles that pass their check.
inline Candles accepted_candles(const Candles& bars) {
    Candles out;
    std::copy_if(bars.begin(), bars.end(), std::back_inserter(out), [](const Candle& c) { return candle_passes(c); });
    return out;
}

// Values per accepted candle spread back onto the bars.
inline Series on_accepted(const Candles& bars, const Series& per_accepted) {
    Series out;
    std::size_t k = 0;
    for (const Candle& c : bars) out.push_back(candle_passes(c) ? per_accepted.at(k++) : std::nullopt);
    return out;
}

// The candles `bad` spliced in before bar `at` are refused: no value on them, and every other bar
// gives, bit for bit, what `bars` give without them.
inline void expect_candles_refused(const std::string& type, const std::vector<double>& params, const Candles& bars,
                                   std::size_t at, const Candles& bad) {
    Series want = run_candles(type, params, bars);
    want.insert(want.begin() + static_cast<std::ptrdiff_t>(at), bad.size(), std::nullopt);
    Candles spliced = bars;
    spliced.insert(spliced.begin() + static_cast<std::ptrdiff_t>(at), bad.begin(), bad.end());
    expect_series(run_candles(type, params, spliced), want, 0, describe(type, params) + " refusing at " + std::to_string(at));
}

}  // namespace prynox::test
