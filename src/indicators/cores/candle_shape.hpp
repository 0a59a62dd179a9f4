#pragma once
// The parts of one candle that the pattern rules compare: range, signed body and its size, the
// two shadows and the middle of the body. A fraction of the range is the range times the
// constant, and twice the body is the body added to itself, so that ties fall exactly.
// Rules may join their tests with & rather than &&: no test divides or writes, so the answer is
// the same, with one hard-to-predict branch instead of one per test.
#include <algorithm>
#include <cmath>

#include "core/model/market.hpp"
#include "indicators/cores/midpoint.hpp"

namespace prynox {

inline double candle_range(const Candle& c) { return c.high - c.low; }
inline double candle_body(const Candle& c) { return c.close - c.open; }
inline double body_size(const Candle& c) { return std::fabs(c.close - c.open); }
inline double upper_shadow(const Candle& c) { return c.high - std::max(c.open, c.close); }
inline double lower_shadow(const Candle& c) { return std::min(c.open, c.close) - c.low; }
inline double body_midpoint(const Candle& c) { return midpoint(c.open, c.close); }

}  // namespace prynox
