#pragma once
// Anchored VWAP: anchored at the first valid candle of the run and never restarted, which is
// exactly what Vwap computes; one type under both names.
#include "indicators/volume_weighted_prices/vwap.hpp"

namespace prynox {

using AnchoredVwap = Vwap;

}  // namespace prynox
