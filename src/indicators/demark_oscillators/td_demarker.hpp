#pragma once
// DeMarker: the mean upward extension of the highs over the mean of the upward extension and the
// downward extension of the lows, over n bars (0 to 1; 0.5 when neither moved). The means are
// re-summed from the window on every bar.
//
// A bar whose extension, sum or total of means leaves the doubles (a high of 1e308 after a high
// of -1e308) gives nothing and leaves the windows as they were: taken in, it would make every
// value NaN or 0 until it left the window. The next extensions are still measured from it.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/demark_oscillators/window_sum.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdDeMarker {
public:
    // The window check on n.
    static std::expected<TdDeMarker, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return sat_add(ups_.capacity(), 1); }

private:
    explicit TdDeMarker(std::uint64_t period) : ups_(period), downs_(period), n_(static_cast<double>(period)) {}

    Candle previous_{};
    bool has_previous_ = false;
    FreshSumWindow ups_;
    FreshSumWindow downs_;
    double n_;
};

}  // namespace prynox
