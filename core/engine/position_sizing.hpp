#pragma once
// The quantity of a new position: the sizing rule, then the leverage and position caps.
#include <optional>
#include <span>

#include "core/model/market.hpp"
#include "core/model/spec.hpp"

namespace prynox {

// `history` holds the candles of the rows the entry may look at (vol_target reads their
// closes). None when the position cannot be sized: a sizing requirement fails, the price or
// the cash is not > 0, or the sized quantity is not > 0.
std::optional<double> size_position(const Sizing& sizing, const Risk& risk, double cash, double price,
                                    std::span<const Candle> history);

// Population deviation of the simple returns over the last `lookback` closes; none when there
// are fewer closes, lookback < 2, no return, or no positive variance.
std::optional<double> close_volatility(std::span<const Candle> history, std::uint32_t lookback);

}  // namespace prynox
