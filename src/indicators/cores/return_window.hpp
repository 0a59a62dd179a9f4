#pragma once
// The last p per-step values of a price series (a log return, a price impact), with the
// previous price and the last result absent and the running sum and its re-sum counter at 0:
// the state of the one constructor that RealizedVolatility and the trade type
// AmihudIlliquidity share, whose only check is the window check on p. RealizedVolatility keeps
// its previous close in its LogReturnInput.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct ReturnWindow {
    static CheckResult check(std::uint64_t period) { return check_window(period); }
    static std::expected<ReturnWindow, IndicatorError> create(std::uint64_t period) {
        if (auto e = check(period)) return std::unexpected(*e);
        return ReturnWindow(period);
    }

    std::uint64_t period() const { return values.capacity(); }

    OptionalValue previous_price;
    OptionalValue last_value;
    RollingWindow<double> values;
    double sum = 0.0;
    std::uint64_t updates = 0;

private:
    explicit ReturnWindow(std::uint64_t period) : values(period) {}
};

}  // namespace prynox
