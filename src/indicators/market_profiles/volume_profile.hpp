#pragma once
// Volume profile: the price range of the last w candles, their volumes spread over b bins.
#include "indicators/market_profiles/range_profile.hpp"

namespace prynox {

using VolumeProfile = RangeProfile<false>;

}  // namespace prynox
