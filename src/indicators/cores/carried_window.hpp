#pragma once
// The last p values with a previous-value slot (absent) and one running value (0.0) beside
// them: the state of the one constructor that Smma, McGinleyDynamic, FisherTransform and the
// candle Tsv share, whose only check is the window check on p. Each owner gives the running
// value its own meaning (a smoothed value, the window's sum). Smma and McGinleyDynamic run the
// check and keep their window of the first p closes as the sum and count of the seed mean it
// is read for (MeanSeed), not as stored values; FisherTransform runs the check and keeps only
// the running extremes of its window (WindowExtremes).
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct CarriedWindow {
    static CheckResult check(std::uint64_t period) { return check_window(period); }
    static std::expected<CarriedWindow, IndicatorError> create(std::uint64_t period) {
        if (auto e = check(period)) return std::unexpected(*e);
        return CarriedWindow(period);
    }

    std::uint64_t period() const { return window.capacity(); }

    OptionalValue previous;
    RollingWindow<double> window;
    double value = 0.0;

private:
    explicit CarriedWindow(std::uint64_t period) : window(period) {}
};

}  // namespace prynox
