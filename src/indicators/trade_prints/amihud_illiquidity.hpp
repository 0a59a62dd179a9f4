#pragma once
// The mean of |ln(p / p_prev)| / (p * size) over the last n prints of non-zero size. A print of
// size 0 changes nothing and repeats the last value given. A print whose price * size is 0 or
// not finite is skipped as if the bar did not carry it: it changes nothing. One whose log ratio
// or impact is not finite, or whose impact would take the running sum out of the finite range,
// leaves the window and its sum as they were, but the next ratio is taken from its price. The
// bar's other prints count as usual.
#include <cstdint>
#include <expected>
#include <span>

#include "core/model/market.hpp"
#include "indicators/cores/return_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AmihudIlliquidity {
public:
    // Window check on the period (the constructor RealizedVolatility shares).
    static std::expected<AmihudIlliquidity, IndicatorError> create(std::uint64_t period);

    OptionalValue update_trades(std::span<const TradePrint> prints);
    std::uint64_t warmup_period() const;

private:
    explicit AmihudIlliquidity(ReturnWindow w)
        : previous_(w.previous_price), last_(w.last_value), impacts_(std::move(w.values)), sum_(w.sum),
          updates_(w.updates) {}

    OptionalValue previous_;
    OptionalValue last_;
    RollingWindow<double> impacts_;
    double sum_;
    std::uint64_t updates_;
};

}  // namespace prynox
