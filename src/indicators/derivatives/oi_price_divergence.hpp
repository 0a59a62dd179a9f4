#pragma once
// Relative change of open interest minus relative change of the mark price over N ticks (the
// open-interest change taken as 0 from an open interest of 0). A value that is not finite (a
// change from a tiny open interest or mark) is no value, but the tick still enters the window:
// refused, it would leave the tiny value oldest, and every later tick would overflow against it.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class OIPriceDivergence {
public:
    static std::expected<OIPriceDivergence, IndicatorError> create(std::uint64_t period);

    OptionalValue update_tick(const DerivativesTick& t);
    // N + 1
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    struct Pair {
        double open_interest;
        double mark;
    };

    explicit OIPriceDivergence(std::uint64_t period);

    static double divergence(const Pair& old, const Pair& now);

    RollingWindow<Pair> window_;
};

}  // namespace prynox
