#pragma once
// The advance-decline volume line: the running total of advancing less declining volume.
#include "indicators/market_breadth/breadth_line.hpp"

namespace prynox {

struct AdVolumeLineRule {
    static double net(const BreadthTally& t) { return t.up_volume - t.down_volume; }
};

using AdVolumeLine = BreadthLine<AdVolumeLineRule>;

}  // namespace prynox
