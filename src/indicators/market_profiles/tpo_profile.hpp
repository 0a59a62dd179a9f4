#pragma once
// Time-price-opportunity profile: the price range of the last w candles, each candle counting one
// over the bins it spans (zero volumes count too).
#include "indicators/market_profiles/range_profile.hpp"

namespace prynox {

using TpoProfile = RangeProfile<true>;

}  // namespace prynox
