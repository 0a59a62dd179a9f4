#pragma once
// Hand-drawn candles for the candle-pattern tables, and a run of a registry-built pattern over them.
#include <optional>
#include <string>
#include <vector>

#include "support/candle_runs.hpp"

namespace prynox::test::pattern_rows {

using test::Series;
using Candles = std::vector<Candle>;
using Opt = std::optional<double>;
constexpr Opt N = std::nullopt;

// A candle of open, high, low, close with volume 100.
inline Candle bar(double o, double h, double l, double c) { return {0, o, h, l, c, 100.0}; }
inline Candle flat(double x) { return bar(x, x, x, x); }

inline Series run(const std::string& type, const Candles& bars, const std::vector<double>& params = {}) {
    return run_candles(type, params, bars);
}

}  // namespace prynox::test::pattern_rows
