#pragma once
// The cumulative volume index is the advance-decline volume line under its own name.
#include "indicators/market_breadth/ad_volume_line.hpp"

namespace prynox {

using CumulativeVolumeIndex = AdVolumeLine;

}  // namespace prynox
