#pragma once
// The index that Pvi and Nvi share: from 1000, it moves by the close's relative change,
// value + ((close - previous close) / previous close) * value, on the bars whose volume passes
// the type's test against the previous volume (above it for Pvi, below it for Nvi), and never
// after a close of 0. The first valid candle gives 1000.
//
// A bar whose move is not finite (a close of 1e10 after one of 1e-300) gives nothing and leaves
// the index as it was: as written, one such bar would leave it infinite, then NaN, for the rest
// of the run. Its close and volume still become the ones the next bar is measured against, or
// every later move against the tiny close would be refused as well.
#include <cmath>
#include <cstdint>

#include "core/model/market.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

template <class MovesOn>
class VolumeIndex {
public:
    OptionalValue update_candle(const Candle& c) {
        double value = value_;
        bool refused = false;
        if (has_previous_ && previous_close_ != 0.0 && MovesOn{}(c.volume, previous_volume_)) {
            const double change = (c.close - previous_close_) / previous_close_;
            value = value + change * value;
            refused = !std::isfinite(change) || !std::isfinite(value);
        }
        previous_close_ = c.close;
        previous_volume_ = c.volume;
        has_previous_ = true;
        if (refused) [[unlikely]]
            return {};
        value_ = value;
        return value;
    }

    std::uint64_t warmup_period() const { return 1; }

private:
    double previous_close_ = 0.0;
    double previous_volume_ = 0.0;
    double value_ = 1000.0;
    bool has_previous_ = false;
};

}  // namespace prynox
